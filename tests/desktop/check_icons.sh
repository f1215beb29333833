#!/usr/bin/env bash
# The program's icon reaches the desktop: the main window carries icon 128 in both its sizes,
# 16 and 32 pixels, pixel for pixel, for the title bar and the window switcher.
source "$(dirname "$0")/lib.sh"
icon_file=$(cd "$(dirname "$0")/../.." && pwd)/app/resources/pictures/ondivar.ico

# "size x y aarrggbb" for every pixel of every icon the window gives the desktop.
window_icon_pixels() {
	xprop -id "$1" -notype 32c _NET_WM_ICON | sed 's/^[^=]*= *//' | tr -d ' ' | tr ',' '\n' | awk '
		n == 0 { w = $1; state = 1; n = -1; next }
		state == 1 { h = $1; n = w * h; i = 0; state = 2; next }
		state == 2 { printf "%d %d %d %08x\n", w, i % w, int(i / w), $1; i++; if (i == n) { n = 0; state = 0 } }'
}

# The same for the opaque pixels of one image of the icon file.
file_icon_pixels() {
	convert "$icon_file[$1]" -depth 8 txt:- | awk -F'[ ,:()#]+' -v size="$2" '
		/^[0-9]/ && $6 == 255 { printf "%d %d %d ff%02x%02x%02x\n", size, $1, $2, $3, $4, $5 }'
}

ondivar_start
window_icon_pixels "$main_window" >"$DESKTOP_OUT/window-icon.txt"
for image in 0:32 1:16; do
	size=${image#*:}
	grep -q "^$size 0 0 " "$DESKTOP_OUT/window-icon.txt" || fail "the window's icon has no ${size}x$size image"
	file_icon_pixels "${image%%:*}" "$size" >"$DESKTOP_OUT/file-icon-$size.txt"
	[ -s "$DESKTOP_OUT/file-icon-$size.txt" ] || fail "no opaque pixel read from the ${size}x$size icon"
	missing=$({ grep -vxFf "$DESKTOP_OUT/window-icon.txt" "$DESKTOP_OUT/file-icon-$size.txt" || true; } | wc -l)
	[ "$missing" -eq 0 ] || fail "$missing opaque pixels of the ${size}x$size icon differ on the desktop"
done
read -r x y _ _ < <(client_geometry "$main_window")
convert "$(screenshot title-bar)" -crop "200x24+$((x - 4))+$((y - 22))" "$DESKTOP_OUT/title-bar-icon.png"
# The window manager's window switcher, held open.
xdotool keydown alt key Tab
sleep 0.5
screenshot switcher >/dev/null
xdotool keyup alt
note "the main window shows icon 128 at 16 and 32 pixels"
