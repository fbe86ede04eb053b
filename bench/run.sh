#!/bin/sh
# Builds the benchmarks of the default preset and runs every one of them, printing each
# figure under a header with the date, the machine's core count and its load average.
#   bench/run.sh [BENCHMARK...]     (default: every bench/bench_*.cpp)
# The latest figures are kept in bench/RESULTS.md.
# bench_startup starts the program under an X display: the one in DISPLAY, else a virtual one
# (xvfb-run, installed when missing); without either it runs on the offscreen platform, with a
# note. Every other benchmark runs on the offscreen platform.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
if [ $# -gt 0 ]; then
    benchmarks=$*
else
    # One line of names separated by blanks, as the arguments give them.
    benchmarks=$(for f in bench/bench_*.cpp; do printf '%s ' "$(basename "$f" .cpp)"; done)
fi

cmake --preset default >/dev/null
# shellcheck disable=SC2086 # one target per word
cmake --build --preset default -j "${BENCH_BUILD_JOBS:-2}" --target $benchmarks >/dev/null

startup_display=offscreen
case " $benchmarks " in
*" bench_startup "*)
    if [ -n "${DISPLAY:-}" ]; then
        startup_display=display
    else
        command -v xvfb-run >/dev/null 2>&1 || scripts/install-deps.sh xvfb xauth >&2 || true
        command -v xvfb-run >/dev/null 2>&1 && startup_display=xvfb
    fi
    ;;
esac

cores=$(nproc)
echo "date: $(date '+%Y-%m-%d %H:%M %Z')"
echo "machine: $(uname -srm), $cores cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
# A benchmark that misses a target exits non-zero; the others still run.
out=$(mktemp)
trap 'rm -f "$out"' EXIT
missed=
for b in $benchmarks; do
    echo
    echo "== $b ($cores cores, load $(cut -d' ' -f1 /proc/loadavg))"
    status=0
    if [ "$b" != bench_startup ]; then
        QT_QPA_PLATFORM=offscreen "build/default/bench/$b" >"$out" 2>&1 || status=$?
    elif [ "$startup_display" = display ]; then
        QT_QPA_PLATFORM=xcb "build/default/bench/$b" >"$out" 2>&1 || status=$?
    elif [ "$startup_display" = xvfb ]; then
        xvfb-run -a -s '-screen 0 1280x1024x24' env QT_QPA_PLATFORM=xcb "build/default/bench/$b" >"$out" 2>&1 ||
            status=$?
    else
        echo "note: no X display and no Xvfb: the offscreen platform paints into memory, no window is mapped"
        QT_QPA_PLATFORM=offscreen "build/default/bench/$b" >"$out" 2>&1 || status=$?
    fi
    # Qt's notes about the offscreen platform are no figures.
    grep -v -e '^QStandardPaths: ' -e 'does not support propagateSizeHints' "$out" || true
    [ "$status" -eq 0 ] || { echo "($b exited with $status)"; missed="$missed $b"; }
done
echo
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
if [ -n "$missed" ]; then
    echo "exited non-zero:$missed"
    exit 1
fi
