#!/usr/bin/env bash
# Fails when an include in src/ points up a layer or across into another folder of the same
# layer. The layers, bottom to top (a folder may include itself and any folder below it):
#   1 model     records, language, notices, clock, prompts, files, timer rule
#   2 player    frame codec, schedule file records, serial link and dialogues
#   3 project   project, settings and table files, schedule check, week plan, history steps
#   4 text      the words of everything below
#   5 ui        every window
# app/, tools/, tests/, bench/ and fuzz/ stand on top and may include any of them.
set -euo pipefail
cd "$(dirname "$0")/.."

rank() {
    case "$1" in
    model) echo 1 ;;
    player) echo 2 ;;
    project) echo 3 ;;
    text) echo 4 ;;
    ui) echo 5 ;;
    *) echo 0 ;;
    esac
}

status=0
files=0
while IFS= read -r file; do
    files=$((files + 1))
    from=${file#src/}
    from=${from%%/*}
    from_rank=$(rank "$from")
    if [ "$from_rank" = 0 ]; then
        echo "$file: folder src/$from has no layer (add it to scripts/check-layers.sh)"
        status=1
        continue
    fi
    while IFS=: read -r line dir; do
        [ "$dir" = "$from" ] && continue
        to_rank=$(rank "$dir")
        if [ "$to_rank" = 0 ]; then
            echo "$file:$line: includes $dir/, a folder with no layer"
            status=1
        elif [ "$to_rank" -ge "$from_rank" ]; then
            echo "$file:$line: $from includes $dir/, which is not below it"
            status=1
        fi
    done < <(grep -n '^#include "[a-z]*/' "$file" | sed 's/^\([0-9]*\):#include "\([a-z]*\)\/.*/\1:\2/' || true)
done < <(git ls-files 'src/*.cpp' 'src/*.h')

[ $status -eq 0 ] && echo "layers: no include of the $files files in src/ points up or across"
exit $status
