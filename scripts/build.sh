#!/usr/bin/env bash
# Builds everything: native (tests, tools), win64 (run here under Wine), win32 (deliverables).
#   scripts/build.sh [native|win64|win32 ...]
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD="${BUILD_DIR:-$ROOT/build}"
jobs=$(nproc)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(native win64 win32)
for target in "${targets[@]}"; do
    case $target in
        native) toolchain=() ;;
        win64) toolchain=(-DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-x86_64.cmake") ;;
        win32) toolchain=(-DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake") ;;
        *) echo "unknown build: $target" >&2; exit 2 ;;
    esac
    if [ ! -f "$BUILD/$target/CMakeCache.txt" ]; then
        cmake -S "$ROOT" -B "$BUILD/$target" -DCMAKE_BUILD_TYPE=Release "${toolchain[@]}" >/dev/null
    fi
    cmake --build "$BUILD/$target" -j "$jobs" -- --no-print-directory >/dev/null
    echo "built $target"
done
