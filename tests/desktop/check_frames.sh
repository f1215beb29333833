#!/usr/bin/env bash
# Window frames follow the windows' styles: the main window is a normal window of the task bar,
# resizable and with both boxes; the parameters dialog, the about box and the message boxes are
# modal, kept above the window they came from, cannot be resized or maximised, and come back at
# once when the window manager minimises them.
source "$(dirname "$0")/lib.sh"

allows() {
	prop "$1" _NET_WM_ALLOWED_ACTIONS | grep -q "_NET_WM_ACTION_$2"
}

# Motif functions asked of the window manager: 0x8 minimise, 0x10 maximise.
asks_function() {
	local functions
	functions=$(prop "$1" _MOTIF_WM_HINTS | cut -d, -f2)
	[ $((functions & $2)) -ne 0 ]
}

kept_above() {
	[ "$(prop "$1" WM_TRANSIENT_FOR | grep -o '0x[0-9a-f]*')" = "$(printf '0x%x' "$2")" ]
}

# A modal window above $2 that cannot be resized, maximised or minimised.
check_fixed_modal() {
	local window=$1 owner=$2 name=$3
	kept_above "$window" "$owner" || fail "$name is not kept above '$(window_title "$owner")'"
	prop "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_MODAL || fail "$name is not marked modal"
	! allows "$window" RESIZE || fail "$name can be resized"
	! allows "$window" MAXIMIZE_VERT || fail "$name can be maximised"
	! asks_function "$window" 0x18 || fail "$name asks for minimise or maximise buttons"
	xdotool windowminimize "$window"
	sleep 1
	is_viewable "$window" || fail "$name stayed minimised"
	is_viewable "$main_window" || fail "minimising $name hid the main window"
	wait_active "$window"
}

ondivar_start
[ "$(prop "$main_window" _NET_WM_WINDOW_TYPE | cut -d, -f1)" = _NET_WM_WINDOW_TYPE_NORMAL ] \
	|| fail "the main window is typed $(prop "$main_window" _NET_WM_WINDOW_TYPE)"
prop "$main_window" WM_TRANSIENT_FOR | grep -q 'not found' || fail "the main window is kept above another window"
for action in RESIZE MAXIMIZE_VERT MINIMIZE; do
	allows "$main_window" "$action" || fail "the main window does not allow $action"
done
note "main window: a normal resizable window with both boxes"

dialog=$(open_parameters r)
[ "$(prop "$dialog" _NET_WM_WINDOW_TYPE | cut -d, -f1)" = _NET_WM_WINDOW_TYPE_UTILITY ] \
	|| fail "the parameters dialog is typed $(prop "$dialog" _NET_WM_WINDOW_TYPE)"
check_fixed_modal "$dialog" "$main_window" "the parameters dialog"
screenshot parameters >/dev/null
type_text abc
press Return
box=$(wait_window '^Ondivar$')
wait_active "$box"
check_fixed_modal "$box" "$dialog" "the message box"
press Return
wait_until 5 window_gone_id "$box" || fail "the message box stayed open"
press Escape
wait_until 5 window_gone_id "$dialog" || fail "the parameters dialog stayed open"
note "parameters dialog and message box: modal, fixed, not minimisable"

press alt+question m
about=$(wait_window '^Informazioni su Ondivar...$')
wait_active "$about"
check_fixed_modal "$about" "$main_window" "the about box"
screenshot about >/dev/null
press Return
wait_until 5 window_gone_id "$about" || fail "the about box stayed open"
note "about box: modal, fixed, not minimisable"
