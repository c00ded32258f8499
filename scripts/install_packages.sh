#!/usr/bin/env bash
# Installs the Debian packages that the build and the tests need, if missing;
# and Wine's 32-bit support (wine32:i386), with which the 32-bit programs run,
# where the machine can have it. Without it everything else still works: the
# 32-bit programs are then built but not run.
set -euo pipefail

packages=(
    cmake make g++ libgtest-dev                      # native build and unit tests
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64  # 64-bit Windows build (run under Wine)
    g++-mingw-w64-i686-posix binutils-mingw-w64-i686      # 32-bit Windows deliverables
    wine64 fonts-wine fonts-ipafont-gothic           # running the programs (Japanese glyphs)
    xvfb x11-utils x11-apps imagemagick              # a virtual display and screenshots
    locales                                          # the ja_JP locale for Japanese mode
    python3                                          # generators of stored tables, checked by tests
    python3-pil python3-reportlab fonts-dejavu-core  # ruslam00's pictures and PDF manuals, drawn in the build
    poppler-utils                                    # pdftotext: the manuals' test
    clang libclang-rt-14-dev                         # libFuzzer with ASan and UBSan: the clipboard reader's fuzz test
)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

missing=()
for package in "${packages[@]}"; do
    installed "$package" || missing+=("$package")
done
updated=0
if [ ${#missing[@]} -gt 0 ]; then
    echo "installing: ${missing[*]}"
    "${sudo_cmd[@]}" apt-get update -qq
    updated=1
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# Wine's 32-bit support: the i386 architecture, then wine32:i386. A failure
# here is reported and leaves the 64-bit road as it was.
if ! installed wine32:i386; then
    echo "installing: wine32:i386 (Wine's 32-bit support)"
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        "${sudo_cmd[@]}" dpkg --add-architecture i386
        updated=0
    fi
    if { [ $updated -eq 1 ] || "${sudo_cmd[@]}" apt-get update -qq; } &&
        DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq wine32:i386 >/dev/null; then
        :
    else
        echo "wine32:i386 could not be installed: the 32-bit programs will be built but not run"
    fi
fi
