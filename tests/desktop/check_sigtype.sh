#!/usr/bin/env bash
# The .sig type on a desktop with the build installed: xdg-mime names application/x-ondivar-signal
# for the files Ondivar writes, by their content whatever their name, leaves OpenPGP signatures
# named .sig what they are, and names the analyser as the type's application.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/installed.sh"
trap 'ondivar_stop; desk_remove' EXIT
desk_install
files=$desk/files
mkdir -p "$files"

# The little-endian bytes of the few doubles written below, as the machine stores them.
declare -A double=([0]=0000000000000000 [1]=000000000000f03f [2]=0000000000000040 [-2]=00000000000000c0
	[50]=0000000000004940 [1000]=0000000000408f40 [0.01]=7b14ae47e17a843f [0.02]=7b14ae47e17a943f
	[step]=5c2c2092bf15d03f [0.5]=000000000000e03f)
hex_bytes() {
	printf "$(sed 's/../\\x&/g' <<<"$1")"
}
int32() {
	printf '%02x%02x%02x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255))
}
# signal_file <path> <kind> <X step> <amplitude> <frequency> <period> then X Y of each sample:
# what CSignal::Serialize writes, with no harmonics.
signal_file() {
	local path=$1 hex v
	hex=$(int32 "$2")
	for v in "$3" "$4" "$5" "$6" 0; do hex+=${double[$v]}; done
	hex+=$(int32 0)$(int32 $(($# - 6 >> 1)))
	shift 6
	for v in "$@"; do hex+=${double[$v]}; done
	hex_bytes "$hex" >"$path"
}

signal_file "$files/prova.sig" 3 step 1 1000 0.01 0 0 step 1
signal_file "$files/testo.sig" 1 1 2 50 0.02 0 2 0.01 -2
# Text imported into a record that held a generated signal keeps its kind.
signal_file "$files/reimportato.sig" 3 1 2 50 0.02 0 2 0.01 -2
cp "$files/prova.sig" "$files/prova"
cp "$files/prova.sig" "$files/prova.dat"
# Kind and step belong together: either alone is not enough, and only the name speaks for these.
signal_file "$files/altro-passo.sig" 3 0.5 1 1 1 0 0
signal_file "$files/altro-tipo.sig" 2 step 1 1 1 0 0
[ "$(stat -c %s "$files/prova.sig")" -eq 84 ] || fail "the handmade signal file is not 52 + 16 × 2 bytes"
# A detached signature as gpg --armor writes it, and the same signature as its binary packet (tag 2,
# version 4, EdDSA over SHA-256).
cat >"$files/firma.sig" <<'SIG'
-----BEGIN PGP SIGNATURE-----

iHUEABYIAB0WIQTHd3E3eG48SFOHbmos6riDsKkMXAUCaxfYzAAKCRAs6riDsKkM
XCrCAPkBnSU185PDcdKnNzE9oU0fNcEsODk+6qZ8bl8LH3zZgAEA8gQYbVhrzC8Y
OFnRwNsXRdDr9hrIFPB9NWS3wo6CzwE=
=K9kk
-----END PGP SIGNATURE-----
SIG
hex_bytes "887504001608001d162104c7777137786e3c4853876e6a2ceab883b0a90c5c05026b17d8cc000a09102ceab883b0a90c\
5c2ac200f9019d2535f393c371d2a737313da14d1f35c12c38393eeaa67c6e5f0b1f7cd9800100f204186d586bcc2f183859d1c0\
db1745d0ebf61ac814f07d3564b7c28e82cf01" >"$files/firma-binaria.sig"

# Generic is xdg-utils without a desktop environment (mimetype reads the database); GNOME asks gio.
modes=(generic)
command -v gio >/dev/null && modes+=(GNOME)
command -v mimetype >/dev/null || fail "no mimetype (libfile-mimeinfo-perl): xdg-mime would ask the file command, which knows no MIME database"
for mode in "${modes[@]}"; do
	[ "$mode" = generic ] && desktop="" || desktop=$mode
	while read -r name expected; do
		got=$(XDG_CURRENT_DESKTOP=$desktop xdg-mime query filetype "$files/$name")
		[ "$got" = "$expected" ] || fail "$mode: $name is '$got', not $expected"
	done <<'TABLE'
prova.sig application/x-ondivar-signal
testo.sig application/x-ondivar-signal
reimportato.sig application/x-ondivar-signal
prova application/x-ondivar-signal
prova.dat application/x-ondivar-signal
altro-passo.sig application/pgp-signature
altro-tipo.sig application/pgp-signature
firma.sig application/pgp-signature
firma-binaria.sig application/pgp-signature
TABLE
	got=$(XDG_CURRENT_DESKTOP=$desktop xdg-mime query default application/x-ondivar-signal)
	[ "$got" = ondivar-fourier.desktop ] || fail "$mode: the type's application is '$got'"
	note "$mode: the signals are application/x-ondivar-signal, the signatures application/pgp-signature, the analyser opens the type"
done
# What a file manager shows for the type in Italian.
got=$(mimetype --language=it --describe --brief "$files/prova.sig")
[ "$got" = "Segnale Ondivar" ] || fail "the type is described as '$got'"
