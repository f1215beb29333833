#!/usr/bin/env bash
# The spectrum window's page printed to the output file typed into Qt's print dialog: the file is
# written there with the table in it, the note names it, and nothing goes to the PDF file the
# program names when no file is chosen; an existing file is replaced only once the user agrees.
source "$(dirname "$0")/lib.sh"

ondivar_start
run_modulation a

press alt+s s
spectrum=$(wait_window '^Spettro Segnale Modulato - Indice di Modulazione \(m\): 0\.5$')
wait_active "$spectrum"

mkdir "$ondivar_home/stampe"
pdf="$ondivar_home/stampe/righe dello spettro.pdf"
press alt+f s
print=$(wait_window '^Stampa$')
wait_active "$print"
# "&File di output" takes the focus to its field, whose proposed name is replaced whole.
press alt+f ctrl+a
type_text "$pdf"
screenshot dialog >/dev/null
press Return
notice=$(wait_window '^Ondivar$')
wait_active "$notice"
# A message box copies its caption, text and buttons with Ctrl+C.
press ctrl+c
told=$(xclip -selection clipboard -o 2>/dev/null || true)
[[ "$told" == *"Il documento è stato salvato nel file"*"$pdf"* ]] || fail "the note does not name '$pdf': $told"
[[ "$told" != *"stampante"* ]] || fail "the note speaks of a printer: $told"
press Return
wait_until 5 window_gone_id "$notice" || fail "the note about the file stayed open"
wait_active "$spectrum"

[ -f "$pdf" ] || fail "no file at '$pdf' after printing to it"
words=$(pdftotext -layout "$pdf" - | tr -s ' \n' '  ')
for phrase in "Spettro Segnale Modulato - Indice di Modulazione (m): 0.5" "Modulazione di ampiezza A.M." \
	"Ap = 1 V fp = 200 kHz Am = 0,5 V fm = 10 kHz" "Banda: 20 kHz (2 fm)" "Efficienza: 11,11 %" \
	"Riga Frequenza (Hz) Ampiezza (V)" "Portante 200000 1" "Inferiore 190000 0.25" "Superiore 210000 0.25" \
	"Pagina 1 di 1"; do
	[[ " $words " == *" $phrase "* ]] || fail "the printed page lacks '$phrase': $words"
done
written=$(find "$ondivar_home" -name '*.pdf')
[ "$written" = "$pdf" ] || fail "PDF files written besides the chosen one: $written"
note "the page printed to '$pdf' with its heading, parameters, figures and every row, and the note names that file"

# The same file again: the dialog asks before replacing it, and a No leaves it as it was.
sum=$(md5sum "$pdf")
press alt+f s
print=$(wait_window '^Stampa$')
wait_active "$print"
press alt+f ctrl+a
type_text "$pdf"
# The field completes names of files that exist: its list may take the first Return.
two_dialogs() { [ "$(xdotool search --onlyvisible --name '^Stampa$' | wc -l)" -eq 2 ]; }
press Return
wait_until 2 two_dialogs || press Return
wait_until 5 two_dialogs || fail "no question before replacing '$pdf'"
press Escape
wait_active "$print"
press Escape
wait_until 5 window_gone_id "$print" || fail "the print dialog stayed open"
wait_active "$spectrum"
[ "$(md5sum "$pdf")" = "$sum" ] || fail "'$pdf' changed though the user did not agree to replace it"
note "printing to it again asks first, and a No leaves it as it was"
