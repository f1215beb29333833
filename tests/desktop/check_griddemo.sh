#!/usr/bin/env bash
# The grid demonstration as a user meets it: the million-row sheet painted with its headings and
# cells, a click on the second sheet's tab switching to the sheet of every look, and the thumb
# dragged to the end of the million rows with the hint beside it, the last row shown whole.
set -uo pipefail
source "$(dirname "$0")/lib.sh"

griddemo_start
read -r x y w h < <(client_geometry "$demo")
note "demonstration ${w}x${h} at $x,$y"

# The grid fills the client area inside its one-pixel border; the million-row sheet has a side
# heading of 70 and a top heading of 20 pixels, columns of 75.
gx=$((x + 1))
gy=$((y + 1))
first=$(screenshot million)
[ "$(pixel "$first" $((gx + 75)) $((gy + 10)))" = "#C0C0C0" ] || fail "the top heading is not button face"
[ "$(darkest_in "$first" "60x14+$((gx + 70 + 75 + 2))+$((gy + 20 + 3))")" -lt 100 ] || fail "no text in cell A1"
[ "$(pixel "$first" $((gx + 70 + 75 + 70)) $((gy + 20 + 16)))" = "#FFFFFF" ] || fail "cell A1 is not on the window colour"

# The second tab, right of the first one's label, in the tab bar at the bottom left.
xdotool mousemove $((gx + 150)) $((y + h - 9)) click 1
sleep 0.8
features=$(screenshot features)
# Two heading rows of 20 and two heading columns of 70 and 30: the locked first cell is current,
# drawn in the highlight colours.
[ "$(pixel "$features" $((gx + 100 + 70)) $((gy + 40 + 16)))" = "#000080" ] \
	|| fail "the second sheet's current cell is not highlighted after the tab click"

# Back to the million rows, then the vertical thumb dragged to the bottom of its bar.
xdotool mousemove $((gx + 60)) $((y + h - 9)) click 1
sleep 0.8
bar_x=$((x + w - 1 - 8))
xdotool mousemove "$bar_x" $((gy + 22)) mousedown 1
sleep 0.2
xdotool mousemove "$bar_x" $((gy + h / 2))
sleep 0.2
xdotool mousemove "$bar_x" $((y + h - 40))
sleep 0.5
dragging=$(screenshot dragging)
hint=$(convert "$dragging" -crop "160x60+$((x + w - 180))+$((y + h - 80))" -depth 8 txt:- | grep -c '#FFFFE0' || true)
[ "$hint" -gt 50 ] || fail "no scroll hint beside the dragged thumb"
xdotool mouseup 1
sleep 0.8
last=$(screenshot last-rows)
# The row headings are centred in their 70 pixels: only numbers of six digits and more reach
# 20 pixels from the left, as the rows near a million do; the first rows show only the shadow
# of their raised borders there.
rows_bottom=$((gy + h - 2 - 16))
[ "$(darkest_in "$first" "8x60+$((gx + 14))+$((rows_bottom - 60))")" -gt 110 ] || fail "wide row numbers at the start"
[ "$(darkest_in "$last" "8x60+$((gx + 14))+$((rows_bottom - 60))")" -lt 100 ] || fail "the last rows are not shown after the drag"
hint=$(convert "$last" -crop "160x60+$((x + w - 180))+$((y + h - 80))" -depth 8 txt:- | grep -c '#FFFFE0' || true)
[ "$hint" -eq 0 ] || fail "the scroll hint stayed after the thumb was released"
note "tabs, hint and the last of a million rows as a user sees them"
