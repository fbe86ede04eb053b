#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that every file a desktop needs is
# there: the program, both tools, the desktop entry, the icons and the manual pages.
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

fail=0
expect() {
    if [ ! -s "$prefix/$1" ]; then
        echo "missing: $1"
        fail=1
    fi
}
expect_exec() {
    expect "$1"
    [ -x "$prefix/$1" ] || { echo "not executable: $1"; fail=1; }
}

expect_exec bin/quillon-programmer
expect_exec bin/quillon-cli
expect_exec bin/quillon-player-sim
expect share/applications/quillon-programmer.desktop
expect share/icons/hicolor/scalable/apps/quillon-programmer.svg
for size in 16 24 32 48 64 128 256; do
    png="share/icons/hicolor/${size}x${size}/apps/quillon-programmer.png"
    expect "$png"
    # The PNG's own header must state the size its folder promises.
    if [ -s "$prefix/$png" ]; then
        dims=$(od -An -tu1 -j16 -N8 "$prefix/$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
        [ "$dims" = "${size}x${size}" ] || { echo "$png is $dims"; fail=1; }
    fi
done
for page in quillon-programmer quillon-cli quillon-player-sim; do
    expect "share/man/man1/$page.1.gz"
done
expect share/doc/quillon-programmer/copyright
expect share/doc/quillon-programmer/changelog.gz
expect share/metainfo/com.example.quillon_programmer.metainfo.xml

desktop="$prefix/share/applications/quillon-programmer.desktop"
grep -qx 'Exec=quillon-programmer' "$desktop" || { echo "desktop entry: wrong Exec"; fail=1; }
grep -qx 'Icon=quillon-programmer' "$desktop" || { echo "desktop entry: wrong Icon"; fail=1; }
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail=1
fi

# Nothing but the program and its tools goes into bin.
extra=$(ls "$prefix/bin" | grep -vxE 'quillon-programmer|quillon-cli|quillon-player-sim' || true)
[ -z "$extra" ] || { echo "unexpected in bin: $extra"; fail=1; }

"$prefix/bin/quillon-cli" --help | grep -q '^Usage: quillon-cli' || { echo "installed quillon-cli does not run"; fail=1; }

[ $fail -eq 0 ] && echo "install: all files in place"
exit $fail
