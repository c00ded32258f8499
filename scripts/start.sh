#!/usr/bin/env bash
# Installs what is missing, builds the programs and starts one under Wine
# (wibsor02 when none is named). Without a running X display it starts Xvfb.
#   scripts/start.sh [--win32] [program]
# --win32 starts the 32-bit executable, the deliverable itself, through Wine's
# 32-bit support; without it the x86_64 build is started.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD="${BUILD_DIR:-$ROOT/build}"
target=win64
if [ "${1:-}" = --win32 ]; then
    target=win32
    shift
fi
program=$(echo "${1:-wibsor02}" | tr '[:lower:]' '[:upper:]')

"$ROOT/scripts/install_packages.sh"
"$ROOT/scripts/build.sh" "$target"
source "$ROOT/scripts/wine_env.sh"
prepare_wine_prefix
if [ "$target" = win32 ] && ! reason=$(probe_32bit_support); then
    echo "cannot start the 32-bit $program.EXE: $reason" >&2
    exit 1
fi
start_display
trap stop_display EXIT
if [ -n "${XVFB_PID:-}" ]; then
    echo "no X display was running: started Xvfb on $DISPLAY (see it with: xwd -display $DISPLAY -root | convert xwd:- shot.png)"
fi
if [ "${LANG:-}" = ja_JP.UTF-8 ]; then
    prepare_japanese_locale
    export LOCPATH="$BUILD/locale"
fi
cd "$BUILD/$target/bin"
echo "starting $program.EXE ($target)"
"$WINE" "$program.EXE"
