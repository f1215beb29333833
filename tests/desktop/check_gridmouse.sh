#!/usr/bin/env bash
# The grid demonstration's mouse as a user meets it: dragging down column A selects the cells
# passed over (drawn in the selection's navy, the first staying the current cell), and dragging the edge of column A's heading widens
# the column, pushing column B's text aside.
set -uo pipefail
source "$(dirname "$0")/lib.sh"

# Pixels of the selection's colour in a rectangle WxH+X+Y of a screenshot.
selected_pixels() {
	convert "$1" -crop "$2" -depth 8 txt:- | grep -c '#000080' || true
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
# Right of column A's short texts, where only the selection's colour shows.
a_blank() { echo "20x10+$((col_a + 45))+$(($(row_y "$1") + 5))"; }

xdotool mousemove $((col_a + 37)) $(($(row_y 1) + 10)) mousedown 1
sleep 0.2
xdotool mousemove $((col_a + 37)) $(($(row_y 2) + 10))
sleep 0.2
xdotool mousemove $((col_a + 37)) $(($(row_y 4) + 10))
sleep 0.3
xdotool mouseup 1
sleep 0.5
dragged=$(screenshot drag-select)
# The cell the drag began on stays the current cell, drawn with the focus frame instead.
for row in 2 3 4; do
	[ "$(selected_pixels "$dragged" "$(a_blank $row)")" -gt 150 ] || fail "row $row of column A is not selected after the drag"
done
[ "$(selected_pixels "$dragged" "$(a_blank 1)")" -eq 0 ] || fail "the cell the drag began on is not drawn as the current cell"
[ "$(selected_pixels "$dragged" "$(a_blank 6)")" -eq 0 ] || fail "the selection reaches past the rows dragged over"
note "a drag down column A selects the four cells passed over"

# Column B's text starts 4 pixels into it; once A is 50 pixels wider, A's empty right part is there.
b_text="12x10+$((col_a + 75 + 4))+$(($(row_y 8) + 5))"
before=$(screenshot before-resize)
[ "$(darkest_in "$before" "$b_text")" -lt 100 ] || fail "column B's text is not where expected"
xdotool mousemove $((col_a + 74)) $((gy + 10))
sleep 0.3
xdotool mousedown 1
sleep 0.2
xdotool mousemove $((col_a + 100)) $((gy + 10))
sleep 0.2
xdotool mousemove $((col_a + 124)) $((gy + 10))
sleep 0.2
xdotool mouseup 1
sleep 0.5
resized=$(screenshot resized)
[ "$(darkest_in "$resized" "$b_text")" -gt 200 ] || fail "dragging the heading's edge did not widen column A"
[ "$(darkest_in "$resized" "12x10+$((col_a + 125 + 4))+$(($(row_y 8) + 5))")" -lt 100 ] \
	|| fail "column B's text did not move to the new edge"
note "dragging column A's heading edge widens it by the distance dragged"
