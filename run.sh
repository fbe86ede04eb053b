#!/usr/bin/env bash
# Builds and starts the programmer, with a simulated player offered in its port menu
# (Options > RS232 - COM Port) so that it can be tried without hardware. The simulated player
# stops when the program ends.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default

link="${XDG_RUNTIME_DIR:-/tmp}/quillon-player-$(id -u)"
build/default/tools/player-sim/quillon-player-sim --link "$link" >/dev/null &
sim=$!
trap 'kill "$sim" 2>/dev/null; wait "$sim" 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -e "$link" ] && break; sleep 0.1; done

QUILLON_EXTRA_PORTS="$link${QUILLON_EXTRA_PORTS:+:$QUILLON_EXTRA_PORTS}" \
    build/default/app/quillon-programmer "$@"
