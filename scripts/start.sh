#!/usr/bin/env bash
# Installs what is missing, builds the programs and starts one under Wine
# (wibsor02 when none is named). Without a running X display it starts Xvfb.
#   scripts/start.sh [program]
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD="${BUILD_DIR:-$ROOT/build}"
program=$(echo "${1:-wibsor02}" | tr '[:lower:]' '[:upper:]')

"$ROOT/scripts/install_packages.sh"
"$ROOT/scripts/build.sh" win64
source "$ROOT/scripts/wine_env.sh"
prepare_wine_prefix
start_display
trap stop_display EXIT
if [ -n "${XVFB_PID:-}" ]; then
    echo "no X display was running: started Xvfb on $DISPLAY (see it with: xwd -display $DISPLAY -root | convert xwd:- shot.png)"
fi
if [ "${LANG:-}" = ja_JP.UTF-8 ]; then
    prepare_japanese_locale
    export LOCPATH="$BUILD/locale"
fi
cd "$BUILD/win64/bin"
echo "starting $program.EXE"
"$WINE" "$program.EXE"
