#!/bin/sh
# Builds the fuzz targets, writes their seed corpus and runs one target.
#   fuzz/run.sh TARGET [SECONDS] [extra libFuzzer options]
# TARGET is one of fuzz_frame, fuzz_projectfile, fuzz_settings, fuzz_schedulefile, fuzz_csv, fuzz_link.
# SECONDS defaults to 600. The corpus grows in build/fuzz/corpus/TARGET; crashes, hangs and
# leaks are written to build/fuzz/findings/TARGET/.
set -eu

if [ $# -lt 1 ]; then
    sed -n '2,6s/^# \{0,1\}//p' "$0" >&2
    exit 64
fi
target=$1
seconds=${2:-600}
[ $# -ge 2 ] && shift 2 || shift 1

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
# clang and its libFuzzer runtime, which clang's packages only recommend.
scripts/install-deps.sh clang libclang-rt-14-dev
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "${FUZZ_BUILD_JOBS:-2}"

build=build/fuzz
[ -x "$build/fuzz/$target" ] || { echo "run.sh: no fuzz target named $target" >&2; exit 64; }
"$build/fuzz/make_seeds" "$build/corpus"
mkdir -p "$build/findings/$target"

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$root/tests/lsan.supp:print_suppressions=0}"
export QT_QPA_PLATFORM=offscreen
exec nice -n "${FUZZ_NICE:-10}" "$build/fuzz/$target" "$build/corpus/$target" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/findings/$target/" "$@"
