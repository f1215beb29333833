#!/usr/bin/env bash
# Installs what Ondivar needs on Debian 12, builds it, and starts the program or runs every test.
#   tools/dev.sh run     build and start Ondivar
#   tools/dev.sh test    build and run the whole suite, then again under ASan + UBSan with the fuzzers
#   tools/dev.sh bench   build and run the benchmarks
#   tools/dev.sh fuzz [seconds]   build the fuzz targets with clang and run each that long (default 30)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo

# The dialog font's widths come from Liberation Sans; Qt's own dialogs speak Italian with its translations;
# pictures are exported as SVG through Qt's SVG module.
packages=(cmake ninja-build g++ libgtest-dev libgmock-dev qt6-base-dev qt6-svg-dev libx11-dev fonts-dejavu-core
	fonts-liberation qt6-translations-l10n)
# The desktop checks: an X server with a window manager, driven and read like a user's desktop;
# mimetype, which xdg-utils recommends, tells files by the MIME database on a desktop like openbox's;
# rsvg-convert opens exported SVG pictures and xclip reads the clipboard as another program would.
desktop_packages=(xvfb openbox xdotool x11-utils imagemagick libfile-mimeinfo-perl librsvg2-bin xclip)

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

# Builds a MIME database from the package alone in a scratch folder: update-mime-database reports a
# bad rule only as a message, and drops what it does not know without a word, so what it compiled
# is read back too: the type, its glob under the OpenPGP signature's weight, its magic before names.
check_mime_package() {
	local package=$1 scratch=$2 errors
	xmllint --noout "$package"
	rm -rf "$scratch"
	mkdir -p "$scratch/mime/packages"
	cp "$package" "$scratch/mime/packages/"
	errors=$(XDG_DATA_DIRS=$scratch update-mime-database "$scratch/mime" 2>&1)
	[ -z "$errors" ] || { echo "package: update-mime-database: $errors" >&2; return 1; }
	grep -qx 'application/x-ondivar-signal' "$scratch/mime/types" \
		&& grep -qx '40:application/x-ondivar-signal:\*\.sig' "$scratch/mime/globs2" \
		&& grep -aq '^\[80:application/x-ondivar-signal\]$' "$scratch/mime/magic" \
		|| { echo "package: the MIME database built from $package lacks the .sig type's name or content rule" >&2; return 1; }
}

# Makes the Debian package from a build folder configured for /usr and checks what it would install,
# without installing it: the file list, the dependencies, the MIME package, both programs' desktop
# and catalogue entries and icons, and that their libraries resolve from the unpacked tree alone.
check_package() {
	local dir=$1 deb list entry p n
	local stage=$dir/unpacked
	rm -f "$dir"/ondivar_*.deb
	(cd "$dir" && cpack -G DEB >/dev/null)
	deb=$(echo "$dir"/ondivar_*.deb)
	list=$(dpkg-deb -c "$deb" | awk '{print $6}')
	for p in usr/bin/ondivar usr/bin/ondivar-fourier 'usr/lib/(.*/)?ondivar/libsigkit\.so' 'usr/lib/(.*/)?ondivar/libframework_ui\.so' \
		'usr/lib/(.*/)?ondivar/libframework_core\.so' usr/share/applications/ondivar.desktop \
		usr/share/metainfo/org.ondivar.ondivar.metainfo.xml usr/share/mime/packages/ondivar.xml \
		usr/share/applications/ondivar-fourier.desktop usr/share/metainfo/org.ondivar.fourier.metainfo.xml; do
		grep -Eqx "\./$p" <<<"$list" || { echo "package: no $p in $deb" >&2; return 1; }
	done
	for p in libqt6widgets6 libqt6printsupport6 libqt6svg6 fonts-liberation qt6-translations-l10n xdg-utils; do
		dpkg-deb -f "$deb" Depends | grep -qw "$p" || { echo "package: does not depend on $p" >&2; return 1; }
	done
	dpkg-deb -f "$deb" Recommends | grep -qw libfile-mimeinfo-perl \
		|| { echo "package: does not recommend libfile-mimeinfo-perl" >&2; return 1; }
	rm -rf "$stage"
	dpkg-deb -x "$deb" "$stage"
	check_mime_package "$stage/usr/share/mime/packages/ondivar.xml" "$dir/mime-check"
	grep -qx 'MimeType=application/x-ondivar-signal;' "$stage/usr/share/applications/ondivar-fourier.desktop" \
		|| { echo "package: the analyser's desktop entry does not open application/x-ondivar-signal" >&2; return 1; }
	# Validates the catalogue entries and that their desktop entries are in the tree.
	appstreamcli validate-tree --no-net "$stage"
	for entry in "$stage"/usr/share/applications/{ondivar,ondivar-fourier}.desktop; do
		desktop-file-validate "$entry"
		# The menu starts what the entry's Exec names and shows the icon its Icon names.
		p=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
		[ -x "$stage/usr/bin/$p" ] || { echo "package: $(basename "$entry") starts $p, which is not in usr/bin" >&2; return 1; }
		if env -u LD_LIBRARY_PATH ldd "$stage/usr/bin/$p" | grep -E 'not found|(sigkit|framework_(ui|core))\.so => /(usr|lib)/'; then
			echo "package: the libraries of the installed $p do not resolve from its own tree" >&2
			return 1
		fi
		p=$(sed -n 's/^Icon=//p' "$entry")
		for n in 16 32 48 64 128 256; do
			file -b "$stage/usr/share/icons/hicolor/${n}x$n/apps/$p.png" | grep -q "^PNG image data, $n x $n, 8-bit/color RGBA" \
				|| { echo "package: no ${n}x$n icon $p" >&2; return 1; }
		done
	done
	echo "Package: $(basename "$deb") installs Ondivar and the Fourier analyser, their libraries, desktop entries," \
		"catalogue entries and icons, and the .sig type."
}

# Runs each fuzz target of a build made with -DONDIVAR_FUZZ=ON for the given seconds on a scratch copy
# of its corpus (fuzz/corpus/<name>, never written to). A target that finds a fault fails the run; the
# input that caused it is printed as a hex dump.
run_fuzzers() {
	local dir=$1 seconds=$2 corpus name work dict artifact status=0
	for corpus in "$root"/fuzz/corpus/*/; do
		name=$(basename "$corpus")
		work="$dir/fuzz-run/$name"
		rm -rf "$work"
		mkdir -p "$work/corpus"
		cp "$corpus"* "$work/corpus/"
		dict=()
		[ -f "$root/fuzz/$name.dict" ] && dict=(-dict="$root/fuzz/$name.dict")
		echo "Fuzzing $name for $seconds s"
		if "$dir/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
			-artifact_prefix="$work/" "${dict[@]}" "$work/corpus" >"$work/log" 2>&1; then
			grep -E '^stat::number_of_executed_units|^#[0-9]+.*DONE' "$work/log" || true
			continue
		fi
		status=1
		tail -n 60 "$work/log"
		for artifact in "$work"/crash-* "$work"/timeout-* "$work"/oom-* "$work"/leak-*; do
			[ -f "$artifact" ] || continue
			echo "Input that $name failed on ($(basename "$artifact")):"
			od -A x -t x1z -v -N 1024 "$artifact"
		done
	done
	return $status
}

case "${1:-}" in
run)
	install_missing "${packages[@]}"
	build "$root/build" --target ondivar
	exec "$root/build/app/ondivar"
	;;
test)
	install_missing "${packages[@]}" "${desktop_packages[@]}" locales poppler-utils xdg-utils file dpkg-dev shared-mime-info libxml2-utils \
		desktop-file-utils appstream
	# Number conversions are tested under a comma-decimal locale as well.
	locale -a 2>/dev/null | grep -qi '^it_IT\.utf-\?8$' || $sudo localedef -i it_IT -f UTF-8 it_IT.UTF-8
	build "$root/build" -DONDIVAR_WERROR=ON -DCMAKE_INSTALL_PREFIX=/usr
	ctest --test-dir "$root/build" --output-on-failure -j "$jobs"
	# The real program on a desktop with a window manager, as a user meets it.
	"$root/tests/desktop/run.sh" "$root/build"
	check_package "$root/build"
	# The suite again under ASan + UBSan, built with clang so that the same build holds the fuzz
	# targets too, each then run for 30 s.
	install_missing clang libclang-rt-14-dev
	CC=clang CXX=clang++ build "$root/build-sanitize" -DONDIVAR_FUZZ=ON
	# Tests provoke failed allocations on purpose; the sanitizer must report them as failures, not abort.
	ASAN_OPTIONS=allocator_may_return_null=1:detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --test-dir "$root/build-sanitize" --output-on-failure -j "$jobs"
	run_fuzzers "$root/build-sanitize" 30
	;;
fuzz)
	install_missing "${packages[@]}" clang libclang-rt-14-dev
	CC=clang CXX=clang++ build "$root/build-fuzz" -DONDIVAR_FUZZ=ON -DBUILD_TESTING=OFF --target fuzzers
	run_fuzzers "$root/build-fuzz" "${2:-30}"
	;;
bench)
	install_missing "${packages[@]}" libbenchmark-dev
	build "$root/build-bench" -DCMAKE_BUILD_TYPE=Release -DONDIVAR_BENCH=ON -DBUILD_TESTING=OFF
	"$root/build-bench/bench/ondivar_bench" "${@:2}"
	# The analyser's windows have a resource module of their own, so they are measured apart.
	"$root/build-bench/bench/analyser_bench" "${@:2}"
	;;
*)
	echo "usage: tools/dev.sh run|test|bench|fuzz [seconds]" >&2
	exit 2
	;;
esac
