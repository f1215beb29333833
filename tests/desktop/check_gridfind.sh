#!/usr/bin/env bash
# Find and replace in the grid demonstration as a user meets it: Ctrl+F on the sheet of every look
# opens the dialog, a text typed and Enter move the current cell to the cell holding it, the
# dialog steps aside from that cell, a text found nowhere is said so, and Escape closes it.
set -uo pipefail
source "$(dirname "$0")/lib.sh"

griddemo_start
read -r x y w h < <(client_geometry "$demo")
gx=$((x + 1))
gy=$((y + 1))

# The second tab; its locked first cell is current, in the highlight colours.
xdotool mousemove $((gx + 150)) $((y + h - 9)) click 1
sleep 0.8
press ctrl+f
dialog=$(wait_window '^Sostituisci$')
wait_active "$dialog"
type_text "Voce 7"
press Return
found=$(screenshot found)

# Below two heading rows of 20: row 0 of 20, row 1 of 44, then rows of 20, so row 7 starts 204
# pixels down, right of heading columns 100 pixels wide.
[ "$(pixel "$found" $((gx + 170)) $((gy + 204 + 16)))" = "#000080" ] \
	|| fail "the cell holding the text is not current, or the dialog covers it"
[ "$(pixel "$found" $((gx + 170)) $((gy + 40 + 16)))" != "#000080" ] || fail "the first cell is still current"
is_active "$dialog" || fail "the dialog lost the keyboard to the search"

# A text found nowhere: the box says so, wide enough for its caption beside the title bar's
# icon and buttons (about 90 pixels), not cut to its short text's width.
xdotool key ctrl+a
type_text "nessuna voce"
press Return
box=$(wait_window '^Not Found$')
caption=$(convert -font DejaVu-Sans-Bold -pointsize 11 label:"Not Found" -format %w info:)
read -r _ _ bw _ < <(client_geometry "$box")
[ "$bw" -ge $((caption + 90)) ] || fail "the 'Not Found' box is $bw pixels wide: its caption is cut"
press Return
wait_window_gone '^Not Found$'

press Escape
wait_window_gone '^Sostituisci$'
wait_active "$demo"
note "Ctrl+F, a text and Enter reach the cell, Escape closes the dialog"
