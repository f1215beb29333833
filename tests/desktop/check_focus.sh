#!/usr/bin/env bash
# After a message box the keyboard is usable at once: the box belongs to the window that was
# active when it opened, and the focus goes back to that window and to the field the program
# chose, with its whole text selected, so the next keys replace it.
source "$(dirname "$0")/lib.sh"

# The message box now open ("Ondivar" is every box's title), kept above the window $1.
box_above() {
	local box
	box=$(wait_window '^Ondivar$')
	wait_active "$box"
	[ "$(prop "$box" WM_TRANSIENT_FOR | grep -o '0x[0-9a-f]*')" = "$(printf '0x%x' "$1")" ] \
		|| fail "the box is not kept above '$(window_title "$1")'"
	echo "$box"
}

ondivar_start

# A text that is no number: "Immettere un numero.", then the field takes the next keys.
dialog=$(open_parameters a)
type_text abc
press Return
box=$(box_above "$dialog")
screenshot number-prompt >/dev/null
press Return
wait_until 5 window_gone_id "$box" || fail "the box stayed open"
wait_active "$dialog"
type_text 7
screenshot field-after-prompt >/dev/null
press Return
wait_until 5 window_gone_id "$dialog" || fail "the 7 typed after the prompt did not reach the field"
wait_active "$main_window"
note "number prompt: the field took the keys typed after it"

# A value out of range: the dialog's own message, then the field again.
dialog=$(open_parameters r)
type_text 0
press Return
box=$(box_above "$dialog")
press Return
wait_until 5 window_gone_id "$box" || fail "the box stayed open"
wait_active "$dialog"
type_text 1
press Return
wait_until 5 window_gone_id "$dialog" || fail "the 1 typed after the message did not reach the field"
wait_active "$main_window"
note "validation message: the field took the keys typed after it"

# The question about the unsaved signal: cancelled, the main window takes the keys again.
press Escape
box=$(box_above "$main_window")
press Escape
wait_until 5 window_gone_id "$box" || fail "the question stayed open"
wait_active "$main_window"
# The menu opened and closed again from the keyboard (Escape closes the menu, then leaves the bar):
# the next Escape is the window's.
press alt+m Escape Escape
press Escape
box=$(box_above "$main_window")
press n
wait_ondivar_exit 10 || fail "No to the question did not close the program"
note "save question: cancelled, then asked again from the keyboard and answered"
