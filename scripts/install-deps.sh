#!/usr/bin/env bash
# Installs the Debian packages the build, the program and its tests need, when any is missing.
# Runs apt-get as root, or through sudo when that works without a password; otherwise it only
# names what is missing.
set -euo pipefail

packages=(
    build-essential cmake
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-svg-dev
    fonts-liberation
    libbenchmark-dev
    clang libclang-rt-dev python3
    xvfb xauth
    dbus at-spi2-core python3-pyatspi desktop-file-utils appstream
    clang-format-14
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    apt=(apt-get)
elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
    apt=(sudo apt-get)
else
    echo "Missing Debian packages: ${missing[*]}" >&2
    echo "Install them with: sudo apt-get install ${missing[*]}" >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
DEBIAN_FRONTEND=noninteractive "${apt[@]}" update -qq
DEBIAN_FRONTEND=noninteractive "${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"
