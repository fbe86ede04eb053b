#!/usr/bin/env bash
# Lists every tracked C++ file that clang-format would change; exits 1 when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."
bad=0
while IFS= read -r -d '' f; do
    if ! clang-format --dry-run -Werror "$f" >/dev/null 2>&1; then
        echo "clang-format would change: $f"
        bad=1
    fi
done < <(git ls-files -z -- '*.cpp' '*.h')
exit "$bad"
