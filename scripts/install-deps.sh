#!/usr/bin/env bash
# Installs the Debian packages that are missing, and nothing else.
#   install-deps.sh run    what building and running the program need
#   install-deps.sh test   that, and what the tests, checks and benchmarks need
# Only apt-get runs with root rights: directly when this is root, otherwise through sudo (which
# may ask for the user's password). Without either, it names what is missing and stops.
set -euo pipefail

run_packages=(
    build-essential cmake
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
    nlohmann-json3-dev
    qt6-l10n-tools qt6-translations-l10n
    fonts-liberation
    xdg-utils
)
test_packages=(
    python3
    clang libclang-rt-dev
    libbenchmark-dev
    xvfb xauth
    dbus at-spi2-core python3-pyatspi
    desktop-file-utils appstream lintian
    clang-format-14
    poppler-utils
)

case "${1:-test}" in
run) packages=("${run_packages[@]}") ;;
test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    apt=(apt-get)
    export DEBIAN_FRONTEND=noninteractive
elif command -v sudo >/dev/null; then
    apt=(sudo apt-get)
else
    echo "Missing Debian packages: ${missing[*]}" >&2
    echo "Install them as root with: apt-get install ${missing[*]}" >&2
    exit 1
fi
echo "Installing the missing Debian packages: ${missing[*]}"
[ "${apt[0]}" = sudo ] && echo "(sudo may ask for your password; only apt-get runs as root)"
if ! "${apt[@]}" update -qq || ! "${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"; then
    echo "Could not install: ${missing[*]}" >&2
    echo "Install them as root with: apt-get install ${missing[*]}" >&2
    exit 1
fi
