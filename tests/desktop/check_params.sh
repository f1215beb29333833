#!/usr/bin/env bash
# A carrier frequency too large for a run is refused with the range message; the dialog is then
# active again with the field focused and its text selected, so the next value replaces it.
source "$(dirname "$0")/lib.sh"

# The text of the clipboard, empty when it holds none.
clipboard() {
	xclip -o -selection clipboard 2>/dev/null || true
}

ondivar_start
dialog=$(open_parameters r)
# Tab from Ampiezza Portante to Frequenza Portante, which selects its text.
press Tab
type_text 1e308
press Return
box=$(wait_window '^Ondivar$')
wait_active "$box"
screenshot range-message >/dev/null
# The range message is about 500 pixels wide; the prompt for a number, the only other box a
# typed value can bring, about 200.
read -r _ _ width _ < <(client_geometry "$box")
[ "$width" -ge 400 ] || fail "a box $width pixels wide is not the range message"
press Return
wait_until 5 window_gone_id "$box" || fail "the message stayed open"
wait_active "$dialog"
type_text 300000
press Return
wait_until 5 window_gone_id "$dialog" || fail "300000 typed after the message did not replace 1e308"
window_gone '^Ondivar$' || fail "300000 was refused"
wait_active "$main_window"
note "1e308 refused with the range message, then replaced by 300000 and accepted"

# The record holds the new carrier: the dialog offers it again.
dialog=$(open_parameters r)
# Tab selects the field's whole text, which Ctrl+C copies.
press Tab ctrl+c
[ "$(clipboard)" = "300000" ] || fail "the carrier accepted was '$(clipboard)'"
press Escape
wait_until 5 window_gone_id "$dialog" || fail "the dialog stayed open"
note "the run took the carrier of 300000 Hz"
