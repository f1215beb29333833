#!/usr/bin/env bash
# The road of an over-modulated signal on a desktop with the build installed: an "A.M." run with
# m = 1.5 in Ondivar, Sì to both questions, a name in the save dialog; the analyser opens the saved
# file by its type, and its table, exported as CSV, holds the carrier, the side lines at fp ± fm and
# the distortion lines at fp ± 2fm, while Ondivar answers the keyboard.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/installed.sh"
analyser_pid=""
analyser_stop() {
	[ -n "$analyser_pid" ] && kill "$analyser_pid" 2>/dev/null
	analyser_pid=""
}
trap 'analyser_stop; ondivar_stop; desk_remove' EXIT
desk_install
command -v ondivar-fourier >/dev/null || fail "the build installs no ondivar-fourier"
mkdir -p "$desk/segnali"

ondivar_start
# The dialog opens with 1, 200000, 0.5, 10000 and 0.0002: Ampiezza Modulante 1.5 gives m = 1.5 on a
# 200 kHz carrier and a 10 kHz tone, 1000 samples over 0.2 ms, so a resolution of 5 kHz.
dialog=$(open_parameters a)
press Tab Tab
type_text 1.5
press Return
wait_until 10 window_gone_id "$dialog" || fail "the parameters dialog stayed open"
for question in distortion saving; do
	box=$(wait_window '^Ondivar$')
	wait_active "$box"
	press Return
	wait_until 10 box_gone "$box" || fail "the question about $question stayed open"
done
save=$(wait_window '^Salva con nome$')
wait_active "$save"
press ctrl+a
type_text "$desk/segnali/sovramodulato"
press Return
wait_window_gone '^Salva con nome$'
[ -s "$desk/segnali/sovramodulato.sig" ] || fail "the signal was not saved"

# The analyser's window, or Ondivar's message that nothing could open the file.
analyser=""
end=$((SECONDS + 30))
while [ -z "$analyser" ]; do
	[ -z "$(find_window '^Ondivar$')" ] || fail "Ondivar shows a message instead of handing the signal over"
	[ $SECONDS -lt $end ] || fail "no analyser window for the saved signal within 30s"
	sleep 0.1
	analyser=$(find_window '^sovramodulato\.sig - Analisi di Fourier$')
done
analyser_pid=$(xdotool getwindowpid "$analyser")
wait_active "$analyser"
note "the analyser opened the saved file: '$(window_title "$analyser")'"

# Meanwhile Ondivar answers the keyboard: its parameters dialog opens and closes.
xdotool windowactivate "$main_window"
wait_active "$main_window"
[ "$(window_title "$main_window")" = " sovramodulato - Ondivar" ] \
	|| fail "Ondivar's title is '$(window_title "$main_window")'"
dialog=$(open_parameters a)
press Escape
wait_until 10 window_gone_id "$dialog" || fail "Ondivar's parameters dialog did not close on Escape"
wait_active "$main_window"
note "Ondivar opens and closes its parameters dialog from the keyboard with the analyser open"

xdotool windowactivate "$analyser"
wait_active "$analyser"
sleep 0.5
screenshot analyser >/dev/null
press alt+f t
export_dialog=$(wait_window '^Salva con nome$')
wait_active "$export_dialog"
press ctrl+a
type_text "$desk/segnali/tabella.csv"
press Return
wait_until 10 test -s "$desk/segnali/tabella.csv" || fail "the table was not exported"
csv=$desk/segnali/tabella.csv
cp "$csv" "$DESKTOP_OUT/$check_name-tabella.csv"
[ "$(head -n1 "$csv")" = "armonica,frequenza_hz,ampiezza,fase_gradi" ] || fail "the CSV starts '$(head -n1 "$csv")'"

# The lines the blanked envelope gives, computed apart for these parameters: the carrier 1.088,
# the side lines 0.668, the distortion lines 0.066 (and smaller ones further out).
while read -r what khz low high; do
	row=$(awk -F, -v f="$khz" 'NR > 1 && $2 > f * 1000 - 1 && $2 < f * 1000 + 1' "$csv")
	[ -n "$row" ] || fail "no row at $khz kHz ($what)"
	awk -F, -v lo="$low" -v hi="$high" '{ exit !($3 >= lo && $3 <= hi) }' <<<"$row" \
		|| fail "$what at $khz kHz has the amplitude of '$row', not $low to $high"
done <<'LINES'
portante 200 1.05 1.12
laterale 190 0.64 0.70
laterale 210 0.64 0.70
distorsione 180 0.055 0.08
distorsione 220 0.055 0.08
LINES
note "the table holds the carrier at 200 kHz, the side lines at 190 and 210 kHz, the distortion lines at 180 and 220 kHz"
