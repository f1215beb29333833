#!/usr/bin/env bash
# Number fields take an Italian decimal comma: "0,5" is accepted as a number, while "1,5,0" is
# still refused with the prompt for a number.
source "$(dirname "$0")/lib.sh"

ondivar_start
dialog=$(open_parameters r)
# Tab twice from Ampiezza Portante to Ampiezza Modulante.
press Tab Tab
type_text 1,5,0
press Return
box=$(wait_window '^Ondivar$')
wait_active "$box"
press Return
wait_until 5 window_gone_id "$box" || fail "the prompt stayed open"
wait_active "$dialog"
type_text 0,5
press Return
wait_until 5 window_gone_id "$dialog" || fail "'0,5' was not accepted"
window_gone '^Ondivar$' || fail "'0,5' was refused"
wait_active "$main_window"
note "'0,5' accepted, '1,5,0' refused"
