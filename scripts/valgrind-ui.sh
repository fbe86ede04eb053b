#!/usr/bin/env bash
# Runs the offscreen window tests once under valgrind memcheck and reports, per test, the
# definite leaks and invalid accesses whose stack passes through the program's own code.
# Slow (minutes per test); not part of CI.   scripts/valgrind-ui.sh [TEST...]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh valgrind
cmake --preset default >/dev/null
cmake --build --preset default >/dev/null
tests=("$@")
[ ${#tests[@]} -eq 0 ] && tests=($(cd build/default/tests && ls test_ui_*))
out=build/default/valgrind
mkdir -p "$out"
status=0
for t in "${tests[@]}"; do
    log="$out/$t.log"
    QT_QPA_PLATFORM=offscreen valgrind --tool=memcheck --leak-check=full --errors-for-leak-kinds=definite \
        --show-leak-kinds=definite --num-callers=30 --fullpath-after= --log-file="$log" \
        "build/default/tests/$t" >/dev/null 2>&1 || true
    # A record is ours when one of its frames lies in the sources of this repository.
    ours=$(awk -v root="$PWD/" '
        /^==[0-9]+== $/ { if (rec != "" && hit) n++; rec=""; hit=0; next }
        { rec = rec $0 "\n"; if (index($0, root "src/") || index($0, root "tests/") || index($0, root "app/")) hit=1 }
        END { if (rec != "" && hit) n++; print n+0 }' "$log")
    summary=$(grep -E 'ERROR SUMMARY|definitely lost' "$log" | sed 's/^==[0-9]*== //' | tr '\n' ';')
    echo "$t: records in our code: $ours; $summary"
    [ "$ours" -eq 0 ] || status=1
done
exit $status
