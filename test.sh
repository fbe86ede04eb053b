#!/usr/bin/env bash
# Builds and runs every test. ./test.sh [preset]   (presets: default, asan, clang)
set -euo pipefail
cd "$(dirname "$0")"
preset="${1:-default}"
extra=()
[ "$preset" = clang ] && extra=(clang)
scripts/install-deps.sh "${extra[@]}"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset"
