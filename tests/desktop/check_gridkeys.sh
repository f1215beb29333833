#!/usr/bin/env bash
# The grid demonstration's keyboard and mouse as a user meets them: Down twice moves the current
# cell's focus frame two rows down, a click moves it to the cell clicked, and Ctrl+End brings the
# last of the million rows into view with the frame on it.
set -uo pipefail
source "$(dirname "$0")/lib.sh"

# The black dots of the focus frame in a rectangle WxH+X+Y of a screenshot.
frame_dots() {
	convert "$1" -crop "$2" -depth 8 txt:- | grep -c '#000000' || true
}

griddemo_start
read -r x y w h < <(client_geometry "$demo")
note "demonstration ${w}x${h} at $x,$y"

# Inside the one-pixel border: a side heading of 70, a top heading of 20 and rows of 20. The
# numbers of the first column stand at its right, so its left twelve pixels show only the frame's
# top edge along the top of the current cell.
gx=$((x + 1))
gy=$((y + 1))
row_top() { echo "12x18+$((gx + 71))+$((gy + 20 + 20 * $1))"; }
rows_bottom=$((gy + h - 2 - 16))

first=$(screenshot first)
[ "$(frame_dots "$first" "$(row_top 0)")" -gt 3 ] || fail "no focus frame on the first cell at the start"

xdotool key Down Down
sleep 0.5
down=$(screenshot down-twice)
[ "$(frame_dots "$down" "$(row_top 2)")" -gt 3 ] || fail "Down twice did not bring the focus frame to the third row"
[ "$(frame_dots "$down" "$(row_top 0)")" -eq 0 ] || fail "the focus frame stayed on the first row"

# A click on the fifth row's first cell makes it current.
xdotool mousemove $((gx + 71 + 30)) $((gy + 20 + 20 * 4 + 10)) click 1
sleep 0.5
clicked=$(screenshot clicked)
[ "$(frame_dots "$clicked" "$(row_top 4)")" -gt 3 ] || fail "a click did not bring the focus frame to the fifth row"
[ "$(frame_dots "$clicked" "$(row_top 2)")" -eq 0 ] || fail "the focus frame stayed on the third row after the click"
xdotool key Up Up
sleep 0.5

xdotool key ctrl+End
sleep 0.8
last=$(screenshot ctrl-end)
# Only row numbers of six digits and more reach 20 pixels from the left of the side heading.
[ "$(darkest_in "$last" "8x60+$((gx + 14))+$((rows_bottom - 60))")" -lt 100 ] || fail "Ctrl+End did not show the last rows"
[ "$(frame_dots "$last" "12x40+$((gx + 71))+$((rows_bottom - 40))")" -gt 3 ] || fail "no focus frame on the last row"
[ "$(frame_dots "$last" "$(row_top 2)")" -eq 0 ] || fail "the focus frame stayed on the third row"
note "Down, a click and Ctrl+End move the current cell as a user sees it"
