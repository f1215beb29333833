#!/usr/bin/env bash
# The spectrum window of a default A.M. run with the scales switched off, as it always looked: its
# title, the three one-pixel bars of carrier and side lines standing symmetric about the carrier's axis, the table's text, the table printed (to a PDF file,
# there being no printer) and "&Esci" giving the main window back.
source "$(dirname "$0")/lib.sh"

ondivar_start
run_modulation a
# "Visualizza", "S&cale": off for both windows.
press alt+v c

press alt+s s
spectrum=$(wait_window '^Spettro Segnale Modulato - Indice di Modulazione \(m\): 0\.5$')
wait_active "$spectrum"
sleep 0.5
shot=$(screenshot amplitude)
read -r x y w h < <(client_geometry "$spectrum")

# Bars are the pure green of traces; every column holding some is one bar. The scope lies below
# the toolbar, whose exit arrow is green too, in the upper part of the window.
mapfile -t bars < <(convert "$shot" -crop "${w}x$((h * 2 / 5 - 40))+${x}+$((y + 40))" +repage txt:- \
	| awk -F'[,:]' '/#00FF00/ { print $1 }' | sort -n | uniq)
[ ${#bars[@]} -eq 3 ] || fail "expected 3 bars, found ${#bars[@]}: ${bars[*]}"
left=$((bars[1] - bars[0]))
right=$((bars[2] - bars[1]))
[ $((left - right)) -ge -1 ] && [ $((left - right)) -le 1 ] \
	|| fail "the side lines stand $left and $right pixels from the carrier"
note "three bars, the side lines $left and $right pixels either side of the carrier"

# The table fills the lower part of the window: its text is dark on white.
[ "$(darkest_in "$shot" "$((w / 3))x$((h / 5))+$((x + 40))+$((y + h * 7 / 10))")" -lt 100 ] \
	|| fail "no text in the line table"

press alt+f s
print=$(wait_window '^Stampa$')
wait_active "$print"
press Return
notice=$(wait_window '^Ondivar$')
wait_active "$notice"
pdf="$ondivar_home/Spettro Modulato.pdf"
[ -f "$pdf" ] || fail "no PDF file in the home folder after printing"
words=$(pdftotext -layout "$pdf" - | tr -s ' \n' '  ')
for word in Riga Frequenza Ampiezza Portante 200000 Inferiore 190000 Superiore 210000 0.25; do
	[[ " $words " == *" $word "* ]] || fail "the printed table lacks '$word': $words"
done
press Return
wait_until 5 window_gone_id "$notice" || fail "the note about the PDF file stayed open"
wait_active "$spectrum"
note "the table printed to '$pdf', every heading and row in it"

press alt+f e
wait_until 5 window_gone_id "$spectrum" || fail "'&Esci' did not close the spectrum window"
wait_active "$main_window"
note "'&Esci' closes the window and the main window is active again"
