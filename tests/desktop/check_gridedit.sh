#!/usr/bin/env bash
# Working in the grid demonstration as a user does: typing into a cell and Enter keeps the text,
# Esc throws it away; the scroll bar's context menu takes the view to the last row; a mouse that
# rests on a cell shows its tip.
set -uo pipefail
source "$(dirname "$0")/lib.sh"

# Pixels of the tooltip's background in a rectangle WxH+X+Y of a screenshot.
tip_pixels() {
	convert "$1" -crop "$2" -depth 8 txt:- | grep -c '#FFFFE1' || true
}

griddemo_start
read -r x y w h < <(client_geometry "$demo")
note "demonstration ${w}x${h} at $x,$y"

# Inside the one-pixel border: a side heading of 70, a top heading of 20, the first column
# ("Riga") and column A 75 wide, rows of 20.
gx=$((x + 1))
gy=$((y + 1))
col_a=$((gx + 71 + 75))
row_y() { echo $((gy + 20 + 20 * $1)); }
# The right part of column A's cell in a row: its own short text ("A3") never reaches there.
cell_tail() { echo "30x12+$((col_a + 40))+$(($(row_y "$1") + 4))"; }
rows_bottom=$((gy + h - 2 - 16))

before=$(screenshot before)
[ "$(darkest_in "$before" "$(cell_tail 2)")" -gt 200 ] || fail "the cell to be edited is not as expected at the start"

xdotool mousemove $((col_a + 37)) $(($(row_y 2) + 10)) click 1
sleep 0.3
xdotool type --delay 60 WWWWWWWW
sleep 0.3
editing=$(screenshot editing)
[ "$(darkest_in "$editing" "$(cell_tail 2)")" -lt 100 ] || fail "typing on a cell showed no text in it"
xdotool key Return
sleep 0.5
stored=$(screenshot stored)
[ "$(darkest_in "$stored" "$(cell_tail 2)")" -lt 100 ] || fail "Enter did not keep the text typed into the cell"

xdotool mousemove $((col_a + 37)) $(($(row_y 4) + 10)) click 1
sleep 0.3
xdotool type --delay 60 WWWWWWWW
sleep 0.3
xdotool key Escape
sleep 0.5
cancelled=$(screenshot cancelled)
[ "$(darkest_in "$cancelled" "$(cell_tail 4)")" -gt 200 ] || fail "Esc did not throw away the text typed into the cell"
note "typing and Enter keep the text, Esc throws it away"

# The mouse resting on a cell of column B shows the cell's tip below the pointer.
tip_x=$((col_a + 75 + 30))
tip_y=$(($(row_y 6) + 10))
xdotool mousemove "$tip_x" "$tip_y"
sleep 1.5
tipped=$(screenshot tip)
[ "$(tip_pixels "$tipped" "160x60+$((tip_x - 40))+$tip_y")" -gt 100 ] || fail "no tooltip showed for the cell under the mouse"
note "a resting mouse shows the cell's tip"

# The vertical scroll bar's menu: its second command goes to the last row.
xdotool mousemove $((gx + w - 2 - 8)) $((gy + h / 2)) click 3
sleep 0.8
menu=$(screenshot menu)
xdotool key Down Down Return
sleep 0.8
last=$(screenshot menu-last-row)
# Only row numbers of six digits and more reach 20 pixels from the left of the side heading.
[ "$(darkest_in "$last" "8x60+$((gx + 14))+$((rows_bottom - 60))")" -lt 100 ] || fail "the scroll bar's menu did not go to the last row"
note "the scroll bar's context menu goes to the last row"
