#!/usr/bin/env bash
# Builds the Debian package from the default preset and checks it as a distribution would:
# lintian, the AppStream metadata and the desktop entry, then installs it, starts what it
# installed from /usr/bin, removes it and checks that nothing is left behind.
# The package lands in build/default/quillon-programmer_<version>_amd64.deb, its debug symbols
# in build/default/quillon-programmer-dbgsym_<version>_amd64.ddeb.
#   scripts/package.sh [--no-install]   (--no-install: build and lint only)
set -euo pipefail
cd "$(dirname "$0")/.."
install_test=1
[ "${1:-}" = --no-install ] && install_test=0
scripts/install-deps.sh lintian appstream desktop-file-utils binutils
cmake --preset default >/dev/null
cmake --build --preset default
(cd build/default && rm -f ./*.deb ./*.ddeb && cpack -G DEB >/dev/null)
deb=$(ls build/default/quillon-programmer_*.deb)
dbgsym=$(ls build/default/quillon-programmer-dbgsym_*.ddeb)

contents=$(dpkg --contents "$deb")
for f in usr/bin/quillon-programmer usr/bin/quillon-cli usr/bin/quillon-player-sim \
         usr/share/applications/quillon-programmer.desktop \
         usr/share/metainfo/com.example.quillon_programmer.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/quillon-programmer.svg \
         usr/share/icons/hicolor/48x48/apps/quillon-programmer.png \
         usr/share/man/man1/quillon-programmer.1.gz \
         usr/share/doc/quillon-programmer/copyright \
         usr/share/doc/quillon-programmer/changelog.gz; do
    grep -q "\./$f\$" <<<"$contents" || { echo "package lacks $f" >&2; exit 1; }
done

# Every executable is stripped, and its symbols are in the debug package under its build id.
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked/deb"
dpkg-deb -x "$dbgsym" "$unpacked/dbgsym"
for exe in "$unpacked"/deb/usr/bin/*; do
    if readelf -S "$exe" | grep -q '\.debug_info'; then
        echo "not stripped: ${exe#"$unpacked/deb"}" >&2
        exit 1
    fi
    id=$(readelf -n "$exe" | awk '/Build ID/ { print $3 }')
    debug="$unpacked/dbgsym/usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug"
    [ -n "$id" ] && [ -s "$debug" ] || { echo "no debug symbols for ${exe#"$unpacked/deb"}" >&2; exit 1; }
done

# lintian: no error and no warning (the overrides, each with its reason, are in the package).
lintian_out=$(lintian --info --fail-on error,warning "$deb") || {
    echo "$lintian_out" >&2
    echo "lintian found errors or warnings in $deb" >&2
    exit 1
}
[ -z "$lintian_out" ] || echo "$lintian_out"
appstreamcli validate --no-net --pedantic data/com.example.quillon_programmer.metainfo.xml
desktop-file-validate data/quillon-programmer.desktop
for page in data/man/*.1; do
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || { echo "$page: $warnings" >&2; exit 1; }
done

if [ "$install_test" = 1 ]; then
    scripts/check-package-install.sh "$deb"
fi

echo "$deb"
echo "$dbgsym"
dpkg --info "$deb" | grep -E '^ (Package|Version|Installed-Size|Depends):'
echo " Size: $(stat -c %s "$deb") bytes (debug symbols: $(stat -c %s "$dbgsym") bytes)"
