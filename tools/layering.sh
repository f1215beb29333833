#!/usr/bin/env bash
# The layering check, run by CTest as "layering": Qt only in framework/ui/backend/qt (and bench/peers),
# a backend's own headers only in the backend and its tests (the contract, backend/Driver.h, is the
# model's), and no include cycle between the folders of framework/ui.
#   tools/layering.sh          checks the tracked *.h and *.cpp files and reports each violation
set -euo pipefail
export LC_ALL=C

here=$(cd "$(dirname "$0")" && pwd -P)
cd "$here/.."
if ! top=$(git rev-parse --show-toplevel 2>/dev/null) || [ "$top" != "$(pwd -P)" ]; then
	echo "layering: $(pwd) is not a git checkout; the check reads git's list of files and is skipped."
	exit 77
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

git ls-files -z | tr '\0' '\n' >"$tmp/tracked"
git ls-files -z -- '*.h' '*.cpp' \
	| xargs -0 -r grep -s -H -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]' >"$tmp/includes" || true

# One record per finding, tab-separated: "qt-include", "backend-include" or "edge" (between two
# folders of framework/ui), then the file and the header it includes; an edge keeps its first example.
awk -F '\t' '
	function starts(s, prefix) { return substr(s, 1, length(prefix)) == prefix }
	function folder(path) { sub(/\/[^\/]*$/, "", path); return path }
	# A header named from the including file'\''s own folder, with "." and ".." taken out.
	function beside(file, name,   parts, n, i, out, k, result) {
		n = split(folder(file) "/" name, parts, "/")
		k = 0
		for (i = 1; i <= n; i++) {
			if (parts[i] == "..") { if (k > 0) k-- }
			else if (parts[i] != "." && parts[i] != "") out[++k] = parts[i]
		}
		result = out[1]
		for (i = 2; i <= k; i++) result = result "/" out[i]
		return result
	}
	FNR == NR { tracked[$0] = 1; next }
	{
		colon = index($0, ":")
		file = substr($0, 1, colon - 1)
		line = substr($0, colon + 1)
		if (!match(line, /[<"][^<>"]*[>"]/)) next
		name = substr(line, RSTART + 1, RLENGTH - 2)
		header = name in tracked ? name : beside(file, name)
		if (!(header in tracked)) header = name
		if (header ~ /^Q[A-Za-z]/ && !(header in tracked) && !starts(file, "framework/ui/backend/qt/") \
			&& !starts(file, "bench/peers/") && !((file, "qt") in seen)) {
			seen[file, "qt"] = 1
			print "qt-include\t" file "\t<" header ">"
		}
		# The contract itself (framework/ui/backend/Driver.h) is for the model to include; the headers
		# of a backend are not.
		if (starts(header, "framework/ui/backend/") && folder(header) != "framework/ui/backend" \
			&& !starts(file, "framework/ui/backend/") \
			&& !starts(file, "tests/framework_ui/backend/") && !((file, "backend") in seen)) {
			seen[file, "backend"] = 1
			print "backend-include\t" file "\t\"" header "\""
		}
		from = folder(file)
		to = folder(header)
		if (starts(file, "framework/ui/") && starts(header, "framework/ui/") && from != to && !((from, to) in seen)) {
			seen[from, to] = 1
			print "edge\t" from "\t" to "\t" file " -> " header
		}
	}
' "$tmp/tracked" "$tmp/includes" | sort >"$tmp/findings"

awk -F '\t' '$1 == "edge" { print $2 "\t" $3 }' "$tmp/findings" >"$tmp/edges"

# tsort tells whether the folders can be ordered at all; only when they cannot are the cycles listed,
# each once, starting from its least folder.
if ! tr '\t' ' ' <"$tmp/edges" | tsort >/dev/null 2>&1; then
	awk -F '\t' '
		function walk(node,   i, next_node, j, text) {
			for (i = 1; i <= count[node]; i++) {
				next_node = successor[node, i]
				if (next_node == start) {
					text = path[1]
					for (j = 2; j <= depth; j++) text = text " -> " path[j]
					print "cycle\t" text " -> " start
				} else if (next_node > start && !(next_node in on_path)) {
					on_path[next_node] = 1
					path[++depth] = next_node
					walk(next_node)
					delete on_path[next_node]
					depth--
				}
			}
		}
		{ successor[$1, ++count[$1]] = $2; nodes[$1] = 1 }
		END {
			for (start in nodes) {
				depth = 1
				path[1] = start
				walk(start)
			}
		}
	' "$tmp/edges" | sort >>"$tmp/findings"
	if ! grep -q '^cycle' "$tmp/findings"; then
		echo "layering: tsort finds a loop among the folders of framework/ui, but no cycle was listed" >&2
		exit 1
	fi
fi

awk -F '\t' '$1 != "edge" { print $1 " " $2 }' "$tmp/findings" | sort -u >"$tmp/current"

# Prints the entries of a list, files first, with what makes them: the include for a file, and an
# example include for each step of a cycle, under the cycle or (steps=shared) once after all cycles.
explain() {
	awk -F '\t' -v steps="${2:-}" '
		FNR == NR {
			if ($1 == "edge") example[$2, $3] = $4
			else if ($1 != "cycle") example[$1 " " $2] = $3
			next
		}
		$1 != "cycle" { print "  " $0 " includes " example[$0]; next }
		{
			print "  " $0
			n = split(substr($0, 7), folders, / -> /)
			for (i = 1; i < n; i++) {
				step = folders[i] " -> " folders[i + 1] ": " example[folders[i], folders[i + 1]]
				if (steps != "shared") print "      " step
				else if (!(step in shown)) { shown[step] = 1; order[++count] = step }
			}
		}
		END {
			if (count > 0) print "  where, for example:"
			fflush()
			for (i = 1; i <= count; i++) print "      " order[i] | "sort"
			close("sort")
		}
	' "$tmp/findings" FS=' ' <(grep -v '^cycle ' "$1"; grep '^cycle ' "$1")
}

if [ -s "$tmp/current" ]; then
	echo "Layering violations (Qt is included only in framework/ui/backend/qt and bench/peers; a backend's"
	echo "headers only in framework/ui/backend and tests/framework_ui/backend; no folder of framework/ui"
	echo "includes itself back through others):"
	explain "$tmp/current"
	echo
	echo "layering: $(wc -l <"$tmp/current") violations."
	exit 1
fi
echo "layering: Qt only in the toolkit backend, its headers only in the backend, no include cycle between"
echo "the folders of framework/ui."
