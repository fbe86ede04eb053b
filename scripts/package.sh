#!/usr/bin/env bash
# Builds the Debian package from the default preset and checks what it holds.
# The package lands in build/default/quillon-programmer_<version>_amd64.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
(cd build/default && rm -f ./*.deb && cpack -G DEB >/dev/null)
deb=$(ls build/default/*.deb)
contents=$(dpkg --contents "$deb")
for f in usr/bin/quillon-programmer usr/bin/quillon-cli usr/bin/quillon-player-sim \
         usr/share/applications/quillon-programmer.desktop \
         usr/share/icons/hicolor/scalable/apps/quillon-programmer.svg \
         usr/share/icons/hicolor/48x48/apps/quillon-programmer.png; do
    grep -q "\./$f\$" <<<"$contents" || { echo "package lacks $f" >&2; exit 1; }
done
echo "$deb"
dpkg --info "$deb" | grep -E '^ (Package|Version|Depends):'
