#!/usr/bin/env bash
# Fails when the player link or the progress window runs an event loop of its own: the link
# waits on the port on its own thread and reports through queued calls, and the progress window
# only shows what it hears. A nested loop there would run the rest of the program in the middle
# of a transfer. Comments are not looked at.
set -euo pipefail
cd "$(dirname "$0")/.."

found=0
for file in src/player/*.h src/player/*.cpp src/ui/ProgressDialog.h src/ui/ProgressDialog.cpp; do
    # Code only: from each line, what comes before a // comment.
    if hits=$(sed 's|//.*$||' "$file" | grep -nE 'processEvents|QEventLoop|\bexec\(|sendPostedEvents' ); then
        while IFS= read -r hit; do
            echo "$file:${hit%%:*}: an event loop of its own:${hit#*:}"
        done <<<"$hits"
        found=1
    fi
done
if [ "$found" -ne 0 ]; then
    echo "The link and the progress window must not run event loops (see LinkThread)."
    exit 1
fi
echo "check-event-loops: the link and the progress window run no event loop of their own"
