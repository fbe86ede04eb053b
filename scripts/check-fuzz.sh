#!/usr/bin/env bash
# CI: the libFuzzer targets build, and each one runs over the seeds that make_seeds writes with
# no crash, leak or failed check. Fuzzing itself is fuzz/run.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh clang libclang-rt-14-dev
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
build=build/fuzz
seeds=$(mktemp -d)
trap 'rm -rf "$seeds"' EXIT
"$build/fuzz/make_seeds" "$seeds" >/dev/null
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen
for target in fuzz_frame fuzz_projectfile fuzz_settings fuzz_schedulefile fuzz_csv fuzz_link; do
    [ -d "$seeds/$target" ] || { echo "check-fuzz: make_seeds wrote no seeds for $target" >&2; exit 1; }
    if ! "$build/fuzz/$target" -runs=0 -timeout=10 "$seeds/$target" >"$seeds/$target.log" 2>&1; then
        tail -40 "$seeds/$target.log" >&2
        echo "check-fuzz: $target failed on its seeds" >&2
        exit 1
    fi
    echo "check-fuzz: $target: $(ls "$seeds/$target" | wc -l) seeds run"
done
