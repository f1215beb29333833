#!/usr/bin/env bash
# The dialog font leaves every label of the parameters dialog on its one line, as the template was
# laid out: the three longest labels show text on their first line and nothing below it.
source "$(dirname "$0")/lib.sh"

ondivar_start
dialog=$(open_parameters a)
read -r x y _ _ < <(client_geometry "$dialog")
shot=$(screenshot parameters)
# Labels at 74 dialog units across (111 pixels), 75 wide (113); their tops at 61, 78 and 96
# dialog units (99, 127 and 156 pixels); a line of the 8-point font is 13 pixels.
for label in "Ampiezza Modulante:99" "Frequenza Modulante:127" "Tempo di Simulazione:156"; do
	top=${label##*:}
	first=$(darkest_in "$shot" "113x12+$((x + 111))+$((y + top))")
	second=$(darkest_in "$shot" "113x9+$((x + 111))+$((y + top + 14))")
	[ "$first" -lt 100 ] || fail "no text where '${label%:*}' begins"
	[ "$second" -gt 150 ] || fail "'${label%:*}' wraps onto a second line"
done
press Escape
wait_until 5 window_gone_id "$dialog" || fail "the parameters dialog stayed open"
note "every label of the parameters dialog stays on its line"
