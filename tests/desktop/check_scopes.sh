#!/usr/bin/env bash
# The scopes read in volts and seconds after a default A.M. run: the readout on the screen, the
# vertical grid lines at the divisions it names, a wheel step that changes them and the picture,
# the readout under the pointer in the status bar, the picture on the clipboard (Ctrl+C), exported
# as PNG and SVG, and the printed page with the run's name and parameters.
source "$(dirname "$0")/lib.sh"

# Columns of the scope's dark-green vertical grid lines in one row of a screenshot.
grid_columns() {
	convert "$1" -crop "${2}x1+${3}+${4}" +repage txt:- | awk -F'[,:]' '/#008000/ { print $1 }'
}

# The columns where the grid lines stand, from two rows, so a trace crossing one row hides none.
grid_lines() {
	{ grid_columns "$1" "$2" "$3" "$4"; grid_columns "$1" "$2" "$3" "$5"; } | sort -n | uniq
}

# The time division in seconds from a readout such as "20 µs/div".
seconds_per_division() {
	grep -o '[0-9]\+\(,[0-9]\+\)\? [pnµm]\?s/div' "$1" | head -n1 \
		| awk '{ n = $1; sub(",", ".", n); p = substr($2, 1, length($2) - 5)
			f = p == "µ" ? 1e-6 : p == "m" ? 1e-3 : p == "n" ? 1e-9 : p == "p" ? 1e-12 : 1
			printf "%.12g\n", n * f }'
}

# Exports the three scopes through "File" → "Esporta immagine..." at the window's size.
export_picture() {
	local save size
	press alt+f o
	save=$(wait_window '^Salva con nome$')
	wait_active "$save"
	press ctrl+a
	type_text "$1"
	press Return
	wait_window_gone '^Salva con nome$'
	size=$(wait_window "^Dimensione dell'immagine$")
	wait_active "$size"
	press Return
	wait_until 10 window_gone_id "$size" || fail "the picture size dialog stayed open"
	wait_active "$main_window"
	[ -s "$1" ] || fail "no picture at $1"
}

ondivar_start
run_modulation a
sleep 0.5
read -r x y w h < <(client_geometry "$main_window")
shot=$(screenshot amplitude)

# The bottom scope: the last run of scope colours (black, grid, trace) down the middle column,
# which no readout reaches, then as far left and right as those colours go along a row.
scope_colour() {
	case $1 in '#000000' | '#008000' | '#00FF00') return 0 ;; *) return 1 ;; esac
}
read -r top bottom < <(convert "$shot" -crop "1x${h}+$((x + w / 2))+${y}" +repage txt:- \
	| awk -F'[,:]' '{ inside = /#000000|#008000|#00FF00/ }
		inside && !was { start = $2 } !inside && was { if ($2 - start > 50) { t = start; b = $2 - 1 } }
		{ was = inside } END { print t + y0, b + y0 }' y0="$y")
[ -n "$top" ] && [ $((bottom - top)) -gt 50 ] || fail "no bottom scope found"
row=$(((top + bottom) / 2 + 3))
left=$((x + w / 2))
while scope_colour "$(pixel "$shot" $((left - 1)) "$row")"; do left=$((left - 1)); done
right=$((x + w / 2))
while scope_colour "$(pixel "$shot" $((right + 1)) "$row")"; do right=$((right + 1)); done
# The control's one-pixel border is black too.
width=$((right - left - 1))
left=$((left + 1))
note "bottom scope ${width}x$((bottom - top + 1)) at $left,$top"

# The readout is light grey text in the scope's top-left corner: grey pixels no grid or trace has.
[ "$(convert "$shot" -crop "90x16+${left}+${top}" +repage txt:- \
	| awk '{ c = $3; r = substr(c, 2, 2); if (r == substr(c, 4, 2) && r == substr(c, 6, 2) && r >= "80") n++ }
		END { print n + 0 }')" -gt 10 ] \
	|| fail "no readout in the bottom scope"

picture="$ondivar_home/oscilloscopio.svg"
export_picture "$picture"
xmllint --noout "$picture" || fail "the SVG picture is not well-formed XML"
rsvg-convert "$picture" -o "$DESKTOP_OUT/$check_name-picture.png" || fail "rsvg-convert cannot read the SVG picture"
step=$(seconds_per_division "$picture")
[ -n "$step" ] || fail "no time division in the picture's readouts"
grep -q 'V/div' "$picture" || fail "no voltage division in the picture's readouts"

# The whole signal spans the client width: 1.01 times the 1000 steps of a 25th of a 200 kHz
# period. Division lines stand every step at that scale, the first on the time axis (column 10).
expected=$(awk -v s="$step" -v w="$width" 'BEGIN { span = 1.01 * 1000 * 0.25132741232 / (2 * 3.14159265358979 * 200000)
	printf "%.3f\n", s * w / span }')
mapfile -t lines < <(grid_lines "$shot" "$width" "$left" $((top + 25)) $((bottom - 8)))
[ ${#lines[@]} -ge 4 ] || fail "only ${#lines[@]} vertical grid lines in the bottom scope: ${lines[*]}"
[ "${lines[0]}" -ge 9 ] && [ "${lines[0]}" -le 11 ] || fail "the first grid line at column ${lines[0]}, not on the time axis"
for ((k = 1; k < ${#lines[@]}; k++)); do
	awk -v a="${lines[0]}" -v b="${lines[k]}" -v k="$k" -v e="$expected" \
		'BEGIN { exit !((b - a) - k * e <= 1.5 && k * e - (b - a) <= 1.5) }' \
		|| fail "grid line $k at column ${lines[k]}, expected $(awk -v a="${lines[0]}" -v k="$k" -v e="$expected" 'BEGIN { print a + k * e }') for a division of $step s"
done
note "the readout names $step s/div and the ${#lines[@]} grid lines stand $expected pixels apart"

# A wheel step over the bottom scope zooms in: the division and the picture change.
xdotool mousemove $((left + width / 2)) $(((top + bottom) / 2))
sleep 0.3
xdotool click 4
sleep 0.3
xdotool click 4
sleep 0.5
zoomed=$(screenshot zoomed)
cmp -s <(convert "$shot" -crop "${width}x$((bottom - top))+${left}+${top}" rgb:-) \
	<(convert "$zoomed" -crop "${width}x$((bottom - top))+${left}+${top}" rgb:-) && fail "the wheel did not change the picture"
export_picture "$ondivar_home/zoom.svg"
zoom_step=$(seconds_per_division "$ondivar_home/zoom.svg")
awk -v a="$zoom_step" -v b="$step" 'BEGIN { exit !(a < b) }' || fail "the division stayed $zoom_step s after zooming in from $step s"
note "a wheel step zooms in: $step s/div becomes $zoom_step s/div"

# Ctrl+0 shows the whole signal again, pixel for pixel; Ctrl++ zooms in from the keyboard.
scope_pixels() {
	convert "$1" -crop "${width}x$((bottom - top))+${left}+${top}" rgb:- | md5sum
}
xdotool mousemove $((x + 5)) $((y + h - 8))
press ctrl+0
[ "$(scope_pixels "$(screenshot whole)")" = "$(scope_pixels "$shot")" ] || fail "Ctrl+0 did not show the whole signal again"
press ctrl+plus
[ "$(scope_pixels "$(screenshot key-zoom)")" != "$(scope_pixels "$shot")" ] || fail "Ctrl++ did not zoom in"
press ctrl+0
note "Ctrl+0 shows the whole signal again and Ctrl++ zooms in"

# The status bar names the time and the value under the pointer: its text changes from the idle
# text as the pointer moves over the scope, and back when it leaves.
status_bar() {
	convert "$1" -crop "$((w / 2))x14+$((x + 2))+$((y + h - 17))" +repage rgb:- | md5sum
}
xdotool mousemove $((left + width / 3)) $(((top + bottom) / 2))
sleep 0.5
over=$(screenshot hover)
xdotool mousemove $((left + width / 3 + 40)) $(((top + bottom) / 2))
sleep 0.5
moved=$(screenshot hover-moved)
[ "$(status_bar "$over")" != "$(status_bar "$moved")" ] || fail "the status bar did not follow the pointer over the scope"
[ "$(status_bar "$over")" != "$(status_bar "$shot")" ] || fail "the status bar shows its idle text over the scope"
note "the status bar follows the pointer over the scope"

press ctrl+c
sleep 0.5
xclip -selection clipboard -t TARGETS -o | grep -qx 'image/png' || fail "no image on the clipboard after Ctrl+C"
xclip -selection clipboard -t image/png -o >"$DESKTOP_OUT/$check_name-clipboard.png"
identify "$DESKTOP_OUT/$check_name-clipboard.png" >/dev/null || fail "the clipboard's image does not open"
note "Ctrl+C puts the scopes on the clipboard: $(identify -format '%wx%h' "$DESKTOP_OUT/$check_name-clipboard.png")"

export_picture "$ondivar_home/oscilloscopio.png"
identify "$ondivar_home/oscilloscopio.png" >/dev/null || fail "the PNG picture does not open"
note "the exported PNG ($(identify -format '%wx%h' "$ondivar_home/oscilloscopio.png")) and SVG open"

press ctrl+p
print=$(wait_window '^Stampa$')
wait_active "$print"
press Return
notice=$(wait_window '^Ondivar$')
wait_active "$notice"
pdf=$(find "$ondivar_home" -maxdepth 1 -name '*.pdf' | head -n1)
[ -n "$pdf" ] || fail "no PDF file in the home folder after printing"
cp "$pdf" "$DESKTOP_OUT/$check_name-page.pdf"
text=$(pdftotext -layout "$pdf" - | tr -s ' \n' '  ')
for expected in "Modulazione di ampiezza A.M." "Ap = 1 V" "fp = 200 kHz" "Am = 0,5 V" "fm = 10 kHz" "m = 0,5" "Segnale Modulato Vmto(t)"; do
	[[ "$text" == *"$expected"* ]] || fail "the printed page lacks '$expected': $text"
done
press Return
wait_until 5 window_gone_id "$notice" || fail "the note about the PDF file stayed open"
note "the printed page holds the run's name and parameters"
