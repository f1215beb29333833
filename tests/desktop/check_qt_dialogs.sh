#!/usr/bin/env bash
# The dialogs that Qt draws speak Italian: the save dialog asks "Elimina" before deleting a file,
# the printer set-up's Properties window is "Proprietà della stampante". The printer set-up is only
# a printer chooser: no options panel to open, no "Stam&pa" button to press.
source "$(dirname "$0")/lib.sh"

work=$(mktemp -d)
printf 'x' >"$work/prova.sig"
cd "$work" || fail "no scratch folder"
ondivar_start

# "Salva con Nome..." waits for a signal.
press alt+m a
wait_window '^Modulazione di Ampiezza$' >/dev/null || exit 1
press Return
wait_window_gone '^Modulazione di Ampiezza$'

press alt+f n
save=$(wait_window '^Salva con nome$') || exit 1
wait_active "$save"
sleep 0.5
screenshot save-dialog >/dev/null
# From the name field back to the list, select prova.sig and ask to delete it: Qt's question.
press shift+Tab space Delete
question=$(wait_window '^(Elimina|Delete)$' 5) || exit 1
[ "$(window_title "$question")" = "Elimina" ] || fail "the file dialog asks '$(window_title "$question")', not 'Elimina'"
screenshot delete-question >/dev/null
press Escape
wait_window_gone '^Elimina$'
[ -f "$work/prova.sig" ] || fail "prova.sig was deleted"
press Escape
wait_window_gone '^Salva con nome$'

# Twice: Qt relabels its buttons when its translation arrives, and only the second opening shows
# the dialog's own labels.
for opening in 1 2; do
	press alt+f i
	setup=$(wait_window '^Imposta stampante$') || exit 1
	wait_active "$setup"
	sleep 0.5
	screenshot "printer-setup-$opening" >/dev/null
	size=$(xdotool getwindowgeometry "$setup" | grep Geometry)
	# Qt's "&Opzioni >>" would open the page range and copies.
	press alt+o
	[ "$(xdotool getwindowgeometry "$setup" | grep Geometry)" = "$size" ] \
		|| fail "the printer set-up opened an options panel (opening $opening)"
	# Qt's "Stam&pa" would accept the dialog.
	press alt+p
	[ -n "$(find_window '^Imposta stampante$')" ] || fail "alt+p confirmed the printer set-up: its button says Stampa (opening $opening)"
	press alt+r
	properties=$(wait_window '^(Proprietà della stampante|Printer Properties)$' 5) || exit 1
	[ "$(window_title "$properties")" = "Proprietà della stampante" ] \
		|| fail "the printer's properties are titled '$(window_title "$properties")'"
	screenshot "printer-properties-$opening" >/dev/null
	press Escape
	wait_window_gone '^Proprietà della stampante$'
	# The second time the choice is confirmed: nothing asks about a PDF file the dialog hides.
	[ "$opening" = 2 ] && press Return || press Escape
	wait_window_gone '^Imposta stampante$'
	wait_active "$main_window"
done

ondivar_stop
rm -rf "$work"
note "file dialog and printer set-up in Italian; the set-up only chooses a printer"
