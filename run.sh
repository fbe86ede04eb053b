#!/usr/bin/env bash
# Builds and starts the programmer, with a simulated player offered in its port menu
# (Options > RS232 - COM Port) so that it can be tried without hardware. The simulated player
# stops when the program ends.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default

# A folder of our own: a fixed name under /tmp could be a link planted by another user.
dir=$(mktemp -d "${XDG_RUNTIME_DIR:-${TMPDIR:-/tmp}}/quillon-player.XXXXXX")
link="$dir/player"
build/default/tools/player-sim/quillon-player-sim --link "$link" >"$dir/device" &
sim=$!
trap 'kill "$sim" 2>/dev/null; wait "$sim" 2>/dev/null || true; rm -rf "$dir"' EXIT
# The simulator names its device on its first line once the link is made; nothing else counts.
device=
for _ in $(seq 50); do
    if [ "$(wc -l <"$dir/device")" -ge 1 ]; then
        IFS= read -r device <"$dir/device"
        break
    fi
    kill -0 "$sim" 2>/dev/null || break
    sleep 0.1
done
if [ -z "$device" ] || [ "$(readlink "$link")" != "$device" ]; then
    echo "run.sh: the simulated player did not start; the program starts without it" >&2
    link=
fi

QUILLON_EXTRA_PORTS="$link${link:+${QUILLON_EXTRA_PORTS:+:}}${QUILLON_EXTRA_PORTS:-}" \
    build/default/app/quillon-programmer "$@"
