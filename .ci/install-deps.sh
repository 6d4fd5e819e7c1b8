#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Salvenor need, skipping
# those already present. Runs as root or through sudo.
set -euo pipefail

packages=(
    g++ cmake ninja-build ccache make
    qt6-base-dev qt6-multimedia-dev libqt6multimedia6 fonts-dejavu-core fonts-hosny-amiri
    qt6-l10n-tools qt6-tools-dev qt6-tools-dev-tools
    libgtest-dev libgmock-dev libbenchmark-dev zlib1g-dev
    xvfb xauth x11-utils python3 python3-icalendar dbus
    libitl-dev iso-codes
    clang libclang-rt-14-dev
    librsvg2-bin dpkg-dev file desktop-file-utils appstream lintian
)
command -v npm >/dev/null 2>&1 || packages+=(npm)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
