# What the desktop checks share: the X session, starting and stopping Ondivar, finding windows,
# the keyboard, window properties and screenshots. Sourced by run.sh and by every check_*.sh.

: "${ONDIVAR_BIN:?ONDIVAR_BIN names the program to check}"
: "${DESKTOP_OUT:=/tmp/ondivar-desktop}"
mkdir -p "$DESKTOP_OUT"

# A failure inside $(...) ends only that subshell: -e carries it to the check itself.
set -eu -o pipefail
ondivar_pid=""
check_name=$(basename "${0%.sh}")
trap 'ondivar_stop' EXIT

fail() {
	echo "FAIL [$check_name]: $*" >&2
	screenshot "failure" >/dev/null 2>&1 || true
	ondivar_stop
	exit 1
}

note() {
	echo "  [$check_name] $*"
}

# Polls a command until it succeeds; false after the timeout (seconds).
wait_until() {
	local timeout=$1 end
	shift
	end=$((SECONDS + timeout))
	until "$@" >/dev/null 2>&1; do
		[ $SECONDS -ge $end ] && return 1
		sleep 0.1
	done
}

# The id of the first visible window whose title matches the extended regular expression.
find_window() {
	xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1
}

# Waits for a visible window with a matching title and prints its id.
wait_window() {
	local pattern=$1 timeout=${2:-10} wid=""
	local end=$((SECONDS + timeout))
	while [ -z "$wid" ]; do
		wid=$(find_window "$pattern")
		[ -n "$wid" ] && break
		[ $SECONDS -ge $end ] && fail "no window titled /$pattern/ within ${timeout}s"
		sleep 0.1
	done
	echo "$wid"
}

window_gone() {
	! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1
}

wait_window_gone() {
	wait_until "${2:-10}" window_gone "$1" || fail "window /$1/ still open"
}

active_window() {
	xdotool getactivewindow 2>/dev/null
}

window_title() {
	xdotool getwindowname "$1" 2>/dev/null
}

is_active() {
	[ "$(active_window)" = "$1" ]
}

# Waits until the desktop has made the window the active one.
wait_active() {
	wait_until "${2:-10}" is_active "$1" \
		|| fail "window '$(window_title "$1")' not active; active is '$(window_title "$(active_window)")'"
}

# Keys go to whatever window has the focus, as a user's typing does.
press() {
	local k
	for k in "$@"; do
		xdotool key "$k"
		sleep 0.15
	done
	sleep 0.3
}

type_text() {
	xdotool type --delay 60 "$1"
	sleep 0.3
}

# One property of a window, as xprop prints it (without the name).
prop() {
	xprop -id "$1" "$2" 2>/dev/null | sed -e "s/^$2[^=]*= \{0,1\}//"
}

screenshot() {
	local file="$DESKTOP_OUT/$check_name-$1.png"
	import -window root "$file"
	echo "$file"
}

# Starts the program in a scratch home ($ondivar_home) and waits for the main window after the splash.
ondivar_start() {
	ondivar_home=$(mktemp -d)
	local home=$ondivar_home
	HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
		"$ONDIVAR_BIN" >"$DESKTOP_OUT/$check_name.log" 2>&1 &
	ondivar_pid=$!
	main_window=$(wait_window '^ Ondivar' 20)
	wait_active "$main_window"
	sleep 0.5
}

# Starts the grid demonstration built beside the program and waits for its window ($demo).
griddemo_start() {
	local bin
	bin="$(dirname "$ONDIVAR_BIN")/../tools/griddemo"
	[ -x "$bin" ] || fail "no grid demonstration at $bin"
	# The window of a demonstration that a check before this one stopped may linger a moment.
	wait_until 5 window_gone '^Prova della griglia$' || fail "an earlier demonstration is still open"
	"$bin" >"$DESKTOP_OUT/$check_name.log" 2>&1 &
	ondivar_pid=$!
	demo=$(wait_window '^Prova della griglia$' 20)
	wait_active "$demo"
	sleep 0.5
}

ondivar_running() {
	[ -n "$ondivar_pid" ] && kill -0 "$ondivar_pid" 2>/dev/null
}

ondivar_stop() {
	if ondivar_running; then
		kill "$ondivar_pid" 2>/dev/null || true
		wait "$ondivar_pid" 2>/dev/null || true
	fi
	ondivar_pid=""
}

# Waits for the program to end by itself.
wait_ondivar_exit() {
	local end=$((SECONDS + ${1:-10}))
	while ondivar_running; do
		[ $SECONDS -ge $end ] && return 1
		sleep 0.1
	done
	wait "$ondivar_pid" 2>/dev/null || true
	ondivar_pid=""
}

# x y width height of a window's client area on the screen; xwininfo, since xdotool counts the
# frame of a reparenting window manager twice.
client_geometry() {
	xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
		/Width:/ { w = $NF } /Height:/ { h = $NF } END { print x, y, w, h }'
}

# The colour of one pixel of a screenshot as #RRGGBB.
pixel() {
	convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n1
}

# The darkest grey level (0-255) in a rectangle WxH+X+Y of a screenshot: text is dark.
darkest_in() {
	convert "$1" -crop "$2" -colorspace Gray -format '%[fx:int(255*minima)]' info:
}

is_viewable() {
	xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

# Opens the parameters dialog from the "&Modulazione" menu and prints its id: a for "&Ampiezza",
# f for "&Fase", r for "F&requenza" (which shares its letter with "&Refresh": r selects, Return chooses).
open_parameters() {
	local dialog
	case $1 in
	a) press alt+m a; dialog=$(wait_window '^Modulazione di Ampiezza$') ;;
	f) press alt+m f; dialog=$(wait_window '^Modulazione di Fase$') ;;
	r) press alt+m r Return; dialog=$(wait_window '^Modulazione di Frequenza$') ;;
	esac
	wait_active "$dialog"
	echo "$dialog"
}

# A run with the dialog's values as they open: the main window is active again afterwards.
run_modulation() {
	local dialog
	dialog=$(open_parameters "$1")
	press Return
	wait_until 10 window_gone_id "$dialog" || fail "the parameters dialog stayed open"
	wait_active "$main_window"
}

# Ondivar's message boxes all have the title "Ondivar": one is gone when its window is.
box_gone() {
	! xdotool search --onlyvisible --name '^Ondivar$' 2>/dev/null | grep -qx "$1"
}

window_gone_id() {
	! is_viewable "$1"
}
