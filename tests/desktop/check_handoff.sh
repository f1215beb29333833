#!/usr/bin/env bash
# The Fourier hand-off on a desktop whose tables name the analyser: an analyser that cannot start
# (its program is missing, or it fails at once) gives "Impossibile procedere con l'analisi
# automatica del segnale!" and leaves the saved file; a working one gets the file and no message.
source "$(dirname "$0")/lib.sh"

desk=$(mktemp -d)
mkdir -p "$desk/data/applications"
# The table that names an entry whatever it holds; the saved signal is one of these types.
associate() {
	local type
	{
		echo "[Default Applications]"
		for type in application/octet-stream application/pgp-signature application/x-ondivar-signal; do
			echo "$type=$1"
		done
	} >"$desk/data/applications/defaults.list"
}
entry() {
	printf '[Desktop Entry]\nType=Application\nName=Analisi\nExec=%s %%f\n' "$2" >"$desk/data/applications/$1"
}
printf '#!/bin/sh\nexit 1\n' >"$desk/fails.sh"
printf '#!/bin/sh\necho "$1" > "%s/opened"\n' "$desk" >"$desk/works.sh"
chmod +x "$desk/fails.sh" "$desk/works.sh"
entry manca.desktop ondivar-no-such-analyser
entry fallisce.desktop "$desk/fails.sh"
entry analisi.desktop "$desk/works.sh"
export XDG_DATA_DIRS="$desk/data:/usr/share" XDG_CONFIG_DIRS="$desk/none"
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID

# Amplitude modulation with index 2, both questions answered Yes, the signal saved as $1.
modulate_and_save() {
	press alt+m a
	wait_window '^Modulazione di Ampiezza$' >/dev/null || exit 1
	press Tab Tab
	type_text 2
	press Return
	wait_window_gone '^Modulazione di Ampiezza$'
	for question in 32789 61447; do
		local box
		box=$(wait_window '^Ondivar$') || exit 1
		wait_active "$box"
		press Return
		wait_until 10 box_gone "$box" || fail "question $question still open"
	done
	local save
	save=$(wait_window '^Salva con nome$') || exit 1
	wait_active "$save"
	press ctrl+a
	type_text "$1"
	press Return
	wait_window_gone '^Salva con nome$'
}

for analyser in manca fallisce; do
	associate "$analyser.desktop"
	ondivar_start
	modulate_and_save "$desk/$analyser"
	failed=$(wait_window '^Ondivar$' 15) || exit 1
	wait_active "$failed"
	screenshot "$analyser" >/dev/null
	[ -s "$desk/$analyser.sig" ] || fail "$analyser: the signal was not saved"
	press Return
	wait_window_gone '^Ondivar$'
	[ -s "$desk/$analyser.sig" ] || fail "$analyser: the saved signal is gone"
	ondivar_stop
	note "$analyser.desktop: message shown, signal kept"
done

associate analisi.desktop
ondivar_start
modulate_and_save "$desk/prova"
wait_until 15 test -s "$desk/opened" || fail "the analyser did not get the file"
[ "$(cat "$desk/opened")" = "$desk/prova.sig" ] || fail "the analyser got '$(cat "$desk/opened")'"
# Past the opener's watch: still no message.
sleep 5
[ -z "$(find_window '^Ondivar$')" ] || fail "a message after a hand-off that worked"
[ "$(window_title "$(active_window)")" = " prova - Ondivar" ] \
	|| fail "the main window is not back: '$(window_title "$(active_window)")'"
screenshot working >/dev/null
ondivar_stop
rm -rf "$desk"
note "analisi.desktop: the analyser got the file, no message"
