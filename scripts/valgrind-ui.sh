#!/usr/bin/env bash
# Runs the offscreen window tests once under valgrind memcheck and reports, per test, the
# definite leaks and invalid accesses whose stack passes through the program's own code.
# Known reports of the libraries underneath are suppressed by scripts/valgrind-ui.supp.
# Slow (minutes per test); not part of CI.   scripts/valgrind-ui.sh [TEST...]
# QUILLON_BUILD_DIR names a build folder to use instead of the default preset's.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh valgrind
build=${QUILLON_BUILD_DIR:-}
if [ -z "$build" ]; then
    build=build/default
    cmake --preset default >/dev/null
fi
tests=("$@")
if [ ${#tests[@]} -eq 0 ]; then
    cmake --build "$build" -j2 >/dev/null
    tests=($(cd "$build/tests" && find . -maxdepth 1 -type f -name "test_ui_*" -perm -u+x -printf "%f\n" | sort))
else
    cmake --build "$build" -j2 --target "${tests[@]}" >/dev/null
fi
out=$build/valgrind
mkdir -p "$out"
status=0
for t in "${tests[@]}"; do
    log="$out/$t.log"
    # A child between fork and exec (QProcess) would write into the same log: it stays silent.
    # The link tests wait 300 ms for an answer; under valgrind the program runs 20 to 50 times
    # slower, so their waits are stretched as much.
    QUILLON_TEST_TIME_SCALE=20 QT_QPA_PLATFORM=offscreen valgrind --tool=memcheck --leak-check=full --errors-for-leak-kinds=definite \
        --show-leak-kinds=definite --num-callers=30 --fullpath-after= --child-silent-after-fork=yes \
        --suppressions=scripts/valgrind-ui.supp -s --log-file="$log" \
        "$build/tests/$t" >"$out/$t.out" 2>&1 && code=0 || code=$?
    # A record is ours when one of its stack frames ("at 0x…" or "by 0x…") has its source
    # file in this repository's code: src/, app/, tools/ or tests/ (not the build folder).
    # After the first error summary, -s lists the same records again: they are not counted.
    ours=$(awk -v root="$PWD/" '
        function flush() { if (hit) n++; hit = 0 }
        done { next }
        /^==[0-9]+== ERROR SUMMARY:/ { flush(); done = 1; next }
        /^==[0-9]+== $/ { flush(); next }
        /^==[0-9]+==    (at|by) 0x/ {
            if (index($0, "(" root "src/") || index($0, "(" root "app/") || index($0, "(" root "tools/") ||
                index($0, "(" root "tests/"))
                hit = 1
        }
        END { flush(); print n + 0 }' "$log")
    summary=$(grep -E 'ERROR SUMMARY|definitely lost|indirectly lost|possibly lost' "$log" |
        sed -e 's/^==[0-9]*== *//' | awk '!seen[$0]++' | tr '\n' ';')
    used=$(sed -n 's/^--[0-9]*-- used_suppression: *\([0-9]*\) \([^ ]*\) .*/\2 \1/p' "$log" | tr '\n' ';')
    echo "$t: test exit $code; records in our code: $ours; $summary suppressed by rule: ${used:-none}"
    [ "$ours" -eq 0 ] && [ "$code" -eq 0 ] || status=1
done
exit $status
