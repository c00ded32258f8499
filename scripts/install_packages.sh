#!/usr/bin/env bash
# Installs the Debian packages that the build and the tests need, if missing.
set -euo pipefail

packages=(
    cmake make g++ libgtest-dev                      # native build and unit tests
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64  # 64-bit Windows build (run under Wine)
    g++-mingw-w64-i686-posix binutils-mingw-w64-i686      # 32-bit Windows deliverables
    wine64 fonts-wine fonts-ipafont-gothic           # running the programs (Japanese glyphs)
    xvfb x11-utils x11-apps imagemagick              # a virtual display and screenshots
    locales                                          # the ja_JP locale for Japanese mode
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi
echo "installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
