#!/usr/bin/env bash
# Installs what Ondivar needs on Debian 12, builds it, and starts the program or runs every test.
#   tools/dev.sh run     build and start Ondivar
#   tools/dev.sh test    build and run the whole suite, then again under ASan + UBSan
#   tools/dev.sh bench   build and run the benchmarks
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo

packages=(cmake ninja-build g++ libgtest-dev libgmock-dev qt6-base-dev libx11-dev fonts-dejavu-core)

install_missing() {
	local missing=() p
	for p in "$@"; do
		dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
	done
	[ ${#missing[@]} -eq 0 ] && return 0
	$sudo apt-get update
	$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

# build <dir> [cmake options...] [--target <name>]
build() {
	local dir=$1 target=()
	shift
	if [ $# -ge 2 ] && [ "${*: -2:1}" = "--target" ]; then
		target=(--target "${*: -1}")
		set -- "${@:1:$#-2}"
	fi
	cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
	cmake --build "$dir" -j "$jobs" "${target[@]}"
}

# Qt belongs to the framework's user-interface layer alone.
check_qt_confinement() {
	local hits
	hits=$(cd "$root" && git ls-files -- '*.h' '*.hpp' '*.cpp' '*.cc' \
		| grep -v '^framework/ui/' \
		| xargs -r grep -l -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]Q[A-Za-z]' || true)
	if [ -n "$hits" ]; then
		echo "Qt headers included outside framework/ui:" >&2
		echo "$hits" >&2
		return 1
	fi
	echo "Qt confinement: no Qt header outside framework/ui."
}

case "${1:-}" in
run)
	install_missing "${packages[@]}"
	build "$root/build" --target ondivar
	exec "$root/build/app/ondivar"
	;;
test)
	install_missing "${packages[@]}" locales poppler-utils xdg-utils file
	# Number conversions are tested under a comma-decimal locale as well.
	locale -a 2>/dev/null | grep -qi '^it_IT\.utf-\?8$' || $sudo localedef -i it_IT -f UTF-8 it_IT.UTF-8
	check_qt_confinement
	build "$root/build" -DONDIVAR_WERROR=ON
	ctest --test-dir "$root/build" --output-on-failure -j "$jobs"
	build "$root/build-sanitize" -DONDIVAR_WERROR=ON -DONDIVAR_SANITIZE=ON
	# Tests provoke failed allocations on purpose; the sanitizer must report them as failures, not abort.
	ASAN_OPTIONS=allocator_may_return_null=1:detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --test-dir "$root/build-sanitize" --output-on-failure -j "$jobs"
	;;
bench)
	install_missing "${packages[@]}" libbenchmark-dev
	build "$root/build-bench" -DCMAKE_BUILD_TYPE=Release -DONDIVAR_BENCH=ON -DBUILD_TESTING=OFF
	"$root/build-bench/bench/ondivar_bench" "${@:2}"
	;;
*)
	echo "usage: tools/dev.sh run|test|bench" >&2
	exit 2
	;;
esac
