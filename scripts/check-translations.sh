#!/usr/bin/env bash
# Runs lupdate over the sources into copies of translations/*.ts and fails when a text of the
# code has no translation in some language (unfinished) or a translation no longer matches any
# text of the code (vanished): a text changed in the code must be translated again.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || lupdate=$(command -v lupdate)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
status=0
for ts in translations/quillon_*.ts; do
    cp "$ts" "$tmp/"
    copy="$tmp/$(basename "$ts")"
    "$lupdate" -silent -tr-function-alias translate+=phrase -locations none src tools -ts "$copy"
    unfinished=$(grep -c 'type="unfinished"' "$copy" || true)
    vanished=$(grep -cE 'type="(vanished|obsolete)"' "$copy" || true)
    if [ "$unfinished" -ne 0 ] || [ "$vanished" -ne 0 ]; then
        echo "$ts: $unfinished unfinished, $vanished vanished message(s):" >&2
        grep -B3 -E 'type="(unfinished|vanished|obsolete)"' "$copy" | grep -E '<(source|comment)>' >&2 || true
        status=1
    elif ! cmp -s "$ts" "$copy"; then
        echo "$ts: lupdate would rewrite it; run: cmake --build --preset default --target update_translations" >&2
        status=1
    fi
done
[ $status -eq 0 ] && echo "translations: every text of the code is translated, none vanished"
exit $status
