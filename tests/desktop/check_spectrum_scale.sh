#!/usr/bin/env bash
# The spectrum window with its scales, as a student uses it after a default A.M. run: a frequency
# axis whose labels stand under its ticks, the carrier's bar apart from the side lines, the
# rows copied for a spreadsheet, the window maximised with bars
# and table sharing the room, and Escape closing it.
source "$(dirname "$0")/lib.sh"

# How many pixels of a colour a rectangle WxH+X+Y of a screenshot holds.
count_colour() {
	convert "$1" -crop "$2" -depth 8 txt:- | grep -c "$3" || true
}

is_maximised() {
	prop "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_VERT
}

# The screen row of the frequency axis: the row of the scope's upper part with most of the axis grey.
axis_row() {
	convert "$1" -crop "$2" -depth 8 txt:- | awk -F'[,:]' -v top="$3" '/#A0A0A0/ { n[$2]++ }
		END { best = -1; for (r in n) if (best < 0 || n[r] > n[best]) best = r; print top + best }'
}

# Every tick under the axis has light label text under it, centred within half a label's width.
check_axis_labels() {
	local name=$1 shot=$2 x=$3 w=$4 top=$5 height=$6 row ticks labelled=0
	row=$(axis_row "$shot" "${w}x${height}+${x}+${top}" "$top")
	mapfile -t ticks < <(convert "$shot" -crop "${w}x1+${x}+$((row + 2))" -depth 8 txt:- \
		| awk -F'[,:]' '/#A0A0A0/ { print $1 }')
	[ ${#ticks[@]} -ge 3 ] || fail "only ${#ticks[@]} ticks under the axis at row $row"
	for tick in "${ticks[@]}"; do
		light=$(convert "$shot" -crop "30x14+$((x + tick - 15))+$((row + 5))" -colorspace Gray -depth 8 txt:- \
			| awk -F'[()]' '{ split($2, v, ","); if (v[1] + 0 > 150) n++ } END { print n + 0 }')
		[ "$light" -gt 5 ] && labelled=$((labelled + 1))
	done
	[ "$labelled" -ge 3 ] && [ $((labelled * 2)) -ge ${#ticks[@]} ] \
		|| fail "$labelled of ${#ticks[@]} ticks have a label under them"
	note "$name: ${#ticks[@]} ticks on the axis at row $row, $labelled with their label under them"
}

ondivar_start
run_modulation a

press alt+s s
spectrum=$(wait_window '^Spettro Segnale Modulato - Indice di Modulazione \(m\): 0\.5$')
wait_active "$spectrum"
sleep 0.5
for action in RESIZE MAXIMIZE_VERT; do
	prop "$spectrum" _NET_WM_ALLOWED_ACTIONS | grep -q "_NET_WM_ACTION_$action" \
		|| fail "the spectrum window does not allow $action"
done
shot=$(screenshot opening)
read -r x y w h < <(client_geometry "$spectrum")
scope_top=$((y + 60))
check_axis_labels opening "$shot" "$x" "$w" "$scope_top" 110

# The carrier stands in its own colour; each side line is a bar several pixels wide.
[ "$(count_colour "$shot" "${w}x110+${x}+${scope_top}" '#FFC800')" -gt 20 ] || fail "no carrier bar in its colour"
mapfile -t green < <(convert "$shot" -crop "${w}x110+${x}+${scope_top}" +repage -depth 8 txt:- \
	| awk -F'[,:]' '/#00FF00/ { print $1 }' | sort -n | uniq)
[ ${#green[@]} -ge 6 ] || fail "the side lines take ${#green[@]} columns, not two bars of 3 or more"
note "the carrier in its colour, the side lines ${#green[@]} columns wide together"

# Ctrl+C copies every row, with units in the heading and decimal commas.
press ctrl+c
copied=$(xclip -selection clipboard -o 2>/dev/null || true)
expected=$(printf 'Riga\tFrequenza (Hz)\tAmpiezza (V)\nPortante\t200000\t1\nInferiore\t190000\t0,25\nSuperiore\t210000\t0,25')
[ "$copied" = "$expected" ] || fail "Ctrl+C copied: $copied"
note "Ctrl+C copied the heading and the three rows"

# Maximised, the bars take the upper part and the table reaches the foot of the window.
xdotool mousemove "$((x + w / 2))" "$((y - 8))" click --repeat 2 --delay 80 1
wait_until 5 is_maximised "$spectrum" || fail "the window did not maximise"
sleep 1
read -r x y w h < <(client_geometry "$spectrum")
shot=$(screenshot maximised)
note "maximised: ${w}x${h}"
[ "$(pixel "$shot" "$((x + w - 40))" "$((y + h / 4))")" = "#000000" ] \
	|| [ "$(pixel "$shot" "$((x + w - 40))" "$((y + h / 4))")" = "#004800" ] \
	|| fail "the scope does not reach the right part of the maximised window"
[ "$(pixel "$shot" "$((x + w / 2))" "$((y + h - 30))")" = "#FFFFFF" ] \
	|| fail "the table does not reach the foot of the maximised window"
check_axis_labels maximised "$shot" "$x" "$w" "$((y + 60))" "$((h * 2 / 5))"

press Escape
wait_until 5 window_gone_id "$spectrum" || fail "Escape did not close the spectrum window"
wait_active "$main_window"
note "Escape closes the window and the main window is active again"
