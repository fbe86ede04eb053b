#!/usr/bin/env bash
# Builds and starts the programmer.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
exec build/default/app/quillon-programmer "$@"
