#!/usr/bin/env bash
# Fails when an include in src/ points up a layer or across into another folder of the same
# layer. The layers, bottom to top (a folder may include itself and any folder below it):
#   1 model     records, clock, prompts, files, timer rule
#   2 player    frame codec, schedule file records, serial link and dialogues
#   3 project   project, settings and table files, schedule check, week plan, history steps
#   4 text      the words of everything below
#   5 ui        every window
# app/, tools/, tests/, bench/ and fuzz/ stand on top and may include any of them.
# scripts/layers-allowed.txt lists the includes that still point the wrong way, each to be
# removed; an entry that no longer points the wrong way fails too, so the list only shrinks.
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

allowed_file=scripts/layers-allowed.txt
found=$(mktemp)
trap 'rm -f "$found"' EXIT
status=0

while IFS= read -r file; do
    from=${file#src/}
    from=${from%%/*}
    from_rank=$(rank "$from")
    if [ "$from_rank" = 0 ]; then
        echo "$file: folder src/$from has no layer (add it to scripts/check-layers.sh)"
        status=1
        continue
    fi
    while IFS= read -r dir; do
        [ "$dir" = "$from" ] && continue
        to_rank=$(rank "$dir")
        if [ "$to_rank" = 0 ]; then
            echo "$file: includes $dir/, a folder with no layer"
            status=1
        elif [ "$to_rank" -ge "$from_rank" ]; then
            echo "$file $dir" >>"$found"
        fi
    done < <(sed -n 's/^#include "\([a-z]*\)\/.*/\1/p' "$file" | sort -u)
done < <(git ls-files 'src/*.cpp' 'src/*.h')

sort -o "$found" "$found"
allowed=$(mktemp)
trap 'rm -f "$found" "$allowed"' EXIT
{ grep -v '^#' "$allowed_file" || true; } | sed '/^$/d' | sort >"$allowed"
new=$(comm -13 "$allowed" "$found")
gone=$(comm -23 "$allowed" "$found")
if [ -n "$new" ]; then
    echo "includes that point up a layer or across:"
    sed 's/^\([^ ]*\) \(.*\)$/  \1 includes \2\//' <<<"$new"
    status=1
fi
if [ -n "$gone" ]; then
    echo "fixed, so take them out of $allowed_file:"
    sed 's/^/  /' <<<"$gone"
    status=1
fi
[ $status -eq 0 ] && echo "layers: no include points up or across but the $(wc -l <"$found") listed in $allowed_file"
exit $status
