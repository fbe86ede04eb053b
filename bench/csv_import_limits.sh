#!/bin/sh
# Time and peak memory of `quillon-cli csv-import` on hostile tables of 1, 10 and 64 MB: blank
# lines, commas, and one long cell, each alone and after a header row (the long cell as a
# title). Each is refused at the first limit; the
# figures show that neither time nor memory grows with the file.
#   bench/csv_import_limits.sh [SIZE_MB...]      (default: 1 10 64)
# Needs the default preset's quillon-cli (built when missing) and GNU time (/usr/bin/time).
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
cli=$root/build/default/tools/cli/quillon-cli
[ -x "$cli" ] || cmake --build --preset default --target quillon-cli >/dev/null
[ -x /usr/bin/time ] || "$root"/scripts/install-deps.sh time >&2
sizes=${*:-1 10 64}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
header=code,title,colour,active,priority,timer_on,timer_mode,date,time,weekday,action_count
for k in 1 2 3 4 5 6; do header=$header,action${k}_kind,action${k}_param,action${k}_value; done
header=$header,comments

echo "date: $(date '+%Y-%m-%d %H:%M %Z'), load average $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-14s %6s %9s %12s  %s\n' table MB seconds "peak MB" "exit and first message"
for mb in $sizes; do
    bytes=$((mb * 1000 * 1000))
    for kind in blank commas cell; do
        case $kind in
        blank) fill='\n' ;;
        commas) fill=',' ;;
        cell) fill='x' ;;
        esac
        head -c "$bytes" /dev/zero | tr '\0' "$fill" >"$dir/$kind.csv"
        { printf '%s\r\n1,' "$header"; cat "$dir/$kind.csv"; } >"$dir/header+$kind.csv"
    done
    for kind in blank header+blank commas header+commas cell header+cell; do
        rm -f "$dir/out.prg"
        /usr/bin/time -v -o "$dir/time.txt" "$cli" csv-import "$dir/$kind.csv" "$dir/out.prg" \
            >/dev/null 2>"$dir/err.txt" && status=0 || status=$?
        seconds=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$dir/time.txt" |
            awk -F: '{ print $(NF-1) * 60 + $NF }')
        peak=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$dir/time.txt")
        printf '%-14s %6s %9s %12.1f  %s: %s\n' "$kind" "$mb" "$seconds" "$(echo "$peak / 1024" | bc -l)" \
            "$status" "$(sed -n 2p "$dir/err.txt" | cut -c1-70)"
    done
done
