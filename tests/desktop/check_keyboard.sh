#!/usr/bin/env bash
# The keyboard as on Windows: Escape in the main window is its Cancel command and asks about an
# unsaved signal; a message box's buttons are chosen by their letters; a Yes/No box does not close
# on Escape; a focused push button shows its focus mark.
source "$(dirname "$0")/lib.sh"

question() {
	local box
	box=$(wait_window '^Ondivar$')
	wait_active "$box"
	echo "$box"
}

ondivar_start
run_modulation r

press Escape
box=$(question)
screenshot save-question >/dev/null
press a
wait_until 5 window_gone_id "$box" || fail "'a' did not choose Annulla"
wait_active "$main_window"
note "Escape asks about the unsaved signal; 'a' chooses Annulla"

# Amplitude index 2: the Yes/No offer of Fourier analysis stays on Escape, 'n' answers No.
dialog=$(open_parameters a)
press Tab Tab
type_text 2
press Return
box=$(question)
press Escape
sleep 1
is_viewable "$box" || fail "Escape closed a Yes/No box"
press n
wait_until 5 window_gone_id "$box" || fail "'n' did not choose No"
wait_active "$main_window"
note "the Yes/No offer ignores Escape; 'n' chooses No"

# Five tabs from the first field reach OK, which shows its focus mark.
dialog=$(open_parameters r)
read -r x y _ _ < <(client_geometry "$dialog")
ok="75x23+$((x + 294))+$((y + 202))"
unfocused=$(screenshot ok-unfocused)
press Tab Tab Tab Tab Tab
focused=$(screenshot ok-focused)
convert "$unfocused" -crop "$ok" +repage "$DESKTOP_OUT/ok-unfocused.png"
convert "$focused" -crop "$ok" +repage "$DESKTOP_OUT/ok-focused.png"
changed=$(compare -metric AE "$DESKTOP_OUT/ok-unfocused.png" "$DESKTOP_OUT/ok-focused.png" null: 2>&1 || true)
[ "${changed%% *}" -gt 20 ] 2>/dev/null || fail "the focused OK button shows no focus mark ($changed pixels changed)"
press Escape
wait_until 5 window_gone_id "$dialog" || fail "Escape did not cancel the parameters dialog"
wait_active "$main_window"
note "the focused OK button shows its focus mark"

press Escape
question >/dev/null
press n
wait_ondivar_exit 10 || fail "'n' on the save question did not close the program"
