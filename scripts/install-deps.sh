#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running need, when missing.
# Does nothing when everything is there already.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkgconf
    qt6-base-dev qt6-serialport-dev qt6-svg-dev qt6-translations-l10n
    qt6-tools-dev qt6-l10n-tools
    libgl-dev qt6-qpa-plugins
    poppler-utils
    "$@"
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}" >&2
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
