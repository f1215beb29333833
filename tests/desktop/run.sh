#!/usr/bin/env bash
# Runs every desktop check (check_*.sh) against the real program in an X session with a window
# manager: Xvfb with openbox, driven with xdotool, read with xprop. Screenshots go to $DESKTOP_OUT.
#   tests/desktop/run.sh <build dir> [check name...]
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?usage: run.sh <build dir> [check...]}" && pwd)
shift
export ONDIVAR_BIN="$build/app/ondivar"
export DESKTOP_OUT="${DESKTOP_OUT:-$build/desktop-checks}"
rm -rf "$DESKTOP_OUT"
mkdir -p "$DESKTOP_OUT"

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$DESKTOP_OUT/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
trap 'kill $wm_pid $xvfb_pid 2>/dev/null' EXIT
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox --sm-disable >"$DESKTOP_OUT/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done

if [ $# -gt 0 ]; then
	checks=()
	for name in "$@"; do checks+=("$here/check_$name.sh"); done
else
	checks=("$here"/check_*.sh)
fi

failed=()
for check in "${checks[@]}"; do
	name=$(basename "$check" .sh)
	echo "desktop check: ${name#check_}"
	if ! bash "$check"; then
		failed+=("${name#check_}")
	fi
done

if [ ${#failed[@]} -gt 0 ]; then
	echo "desktop checks failed: ${failed[*]} (screenshots in $DESKTOP_OUT)" >&2
	exit 1
fi
echo "desktop checks passed: ${#checks[@]}"
