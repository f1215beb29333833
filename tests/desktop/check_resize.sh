#!/usr/bin/env bash
# The main window maximised and shrunk after a frequency modulation run: the scopes fill the
# room the window gains, the traces follow, and shrunk the window stops where every scope is
# still whole inside it.
set -uo pipefail
source "$(dirname "$0")/lib.sh"

# How many pure green (trace) pixels a rectangle of the screenshot holds.
green_pixels() {
	convert "$1" -crop "$2" -depth 8 txt:- | grep -c '#00FF00'
}

is_maximised() {
	prop "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_VERT
}

is_not_maximised() {
	! is_maximised "$1"
}

ondivar_start
note "main window $main_window"

# "&Modulazione", then "r", which "F&requenza" shares with "&Refresh": it only selects, and
# Return chooses. Return again takes the dialog's defaults.
press alt+m r Return
dialog=$(wait_window '^Modulazione di Frequenza$')
wait_active "$dialog"
press Return
wait_window_gone '^Modulazione di Frequenza$'
wait_active "$main_window"
sleep 0.5
read -r x y w h < <(client_geometry "$main_window")
note "after the run: ${w}x${h} at $x,$y"
opening=$(screenshot opening)
# The window's menu bar (19) and toolbar (28), then the first label; the template's lowest
# scope ends 4 pixels above the status bar (20).
[ "$(green_pixels "$opening" "200x100+$((x + 10))+$((y + 19 + 28 + 31))")" -gt 0 ] \
	|| fail "no trace in the first scope after the run"

# A double click on the title bar maximises in openbox, as a user would.
xdotool mousemove "$((x + w / 2))" "$((y - 8))" click --repeat 2 --delay 80 1
wait_until 5 is_maximised "$main_window" || fail "the window did not maximise"
sleep 1
read -r x y w h < <(client_geometry "$main_window")
note "maximised: ${w}x${h} at $x,$y"
maximised=$(screenshot maximised)
bottom=$((y + h - 20 - 4))
# Just above the lowest scope's bottom border: the scope's black (or its dark green grid),
# where the window's grey showed before.
for px in $((x + 30)) $((x + w / 2 + 3)) $((x + w - 20)); do
	colour=$(pixel "$maximised" "$px" "$((bottom - 3))")
	case "$colour" in
		'#000000' | '#008000' | '#00FF00') ;;
		*) fail "pixel $px,$((bottom - 3)) of the maximised window is $colour, not the lowest scope" ;;
	esac
done
# The trace reaches the right part of the widened scopes: the last samples stand just inside
# the right edge.
[ "$(green_pixels "$maximised" "60x$((h / 3 - 60))+$((x + w - 80))+$((bottom - h / 3 + 40))")" -gt 0 ] \
	|| fail "no trace near the right edge of the maximised lowest scope"

# Back to normal, then far smaller than the scopes allow: the desktop stops at the minimum.
xdotool mousemove "$((x + w / 2))" "$((y - 8))" click --repeat 2 --delay 80 1
wait_until 5 is_not_maximised "$main_window" || fail "the window did not leave the maximised state"
sleep 0.5
hints=$(xprop -id "$main_window" WM_NORMAL_HINTS)
echo "$hints" | grep -q "minimum size: 378 by 339" || fail "minimum size hint: $hints"
xdotool windowsize "$main_window" 200 150
sleep 1
read -r x y w h < <(client_geometry "$main_window")
note "shrunk: ${w}x${h} at $x,$y"
shrunk=$(screenshot shrunk)
[ "$w" -ge 378 ] && [ "$h" -ge 339 ] || fail "the window shrank to ${w}x${h}, below its minimum"
bottom=$((y + h - 20 - 4))
# The lowest scope's right and bottom edges inside the window: its black inside, then the
# template's margins of the window's grey.
for point in "$((x + 30)) $((bottom - 3))" "$((x + w - 6 - 4)) $((bottom - 3))"; do
	read -r px py <<<"$point"
	colour=$(pixel "$shrunk" "$px" "$py")
	case "$colour" in
		'#000000' | '#008000' | '#00FF00') ;;
		*) fail "pixel $px,$py of the shrunk window is $colour, not the lowest scope" ;;
	esac
done
colour=$(pixel "$shrunk" "$((x + w - 3))" "$((bottom - 3))")
case "$colour" in
	'#000000' | '#008000' | '#00FF00') fail "the lowest scope runs past the right margin of the shrunk window" ;;
esac

ondivar_stop
note "maximised and shrunk: the scopes follow the window"
