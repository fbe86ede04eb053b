#!/usr/bin/env bash
# Installs the package on this machine as a user would, starts what it installed from /usr/bin
# (the command-line tool, and the program on the offscreen platform until its first frame),
# then purges it and checks that none of its files is left behind.
#   scripts/check-package-install.sh build/default/quillon-programmer_<version>_amd64.deb
set -euo pipefail
deb=$(realpath "$1")
name=quillon-programmer
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

if dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q 'install ok installed' && [ -z "${CI:-}" ]; then
    echo "install test skipped: $name is installed on this machine; remove it first to run it" >&2
    exit 0
fi

home=$(mktemp -d)
cleanup() {
    rm -rf "$home"
    $sudo apt-get purge -y -qq "$name" >/dev/null 2>&1 || true
}
trap cleanup EXIT

DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "$deb" >/dev/null
files=$(dpkg -L "$name")

/usr/bin/quillon-cli --help | grep -q '^Usage: quillon-cli' || { echo "installed quillon-cli does not run" >&2; exit 1; }
# A user of its own: the installed program keeps its settings under the user's configuration.
frame=$(HOME="$home" XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=offscreen QUILLON_QUIT_AT_FIRST_FRAME=1 \
    timeout 60 /usr/bin/quillon-programmer 2>/dev/null)
grep -q '^first frame: ' <<<"$frame" || { echo "installed quillon-programmer did not show its window" >&2; exit 1; }
[ -s "$home/.config/ORBEX/quillon-programmer/quillon-programmer.CFG" ] ||
    { echo "installed quillon-programmer did not keep its settings in the user's folder" >&2; exit 1; }
[ ! -e /usr/bin/quillon-programmer.CFG ] || { echo "installed quillon-programmer wrote beside itself" >&2; exit 1; }

$sudo apt-get purge -y -qq "$name" >/dev/null
left=()
while IFS= read -r f; do
    [ -e "$f" ] || continue
    [ -d "$f" ] && [ -n "$(dpkg -S "$f" 2>/dev/null)" ] && continue # a folder other packages share
    [ -d "$f" ] && [ "$f" = /. ] && continue
    left+=("$f")
done <<<"$files"
[ ${#left[@]} -eq 0 ] || { printf 'left behind after purge: %s\n' "${left[@]}" >&2; exit 1; }
echo "package install: installed, started from /usr/bin, purged, nothing left behind"
