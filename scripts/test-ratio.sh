#!/usr/bin/env bash
# Prints the lines of C++ in tests/ against those of the program (src/, app/, tools/) and their
# ratio; the aim is a quarter to a third. Exits 1 outside that range.
set -euo pipefail
cd "$(dirname "$0")/.."
count() { git ls-files -- "$@" | grep -E '\.(cpp|h)$' | tr '\n' '\0' | xargs -0 cat | wc -l; }
tests=$(count tests)
code=$(count src app tools)
ratio=$(awk -v t="$tests" -v c="$code" 'BEGIN { printf "%.2f", t / c }')
echo "tests: $tests lines, program: $code lines, ratio $ratio (aim 0.25 to 0.33)"
awk -v r="$ratio" 'BEGIN { exit !(r >= 0.25 && r <= 0.33) }'
