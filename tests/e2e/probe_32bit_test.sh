#!/usr/bin/env bash
# The probe of Wine's 32-bit support tells a machine that cannot run 32-bit
# code (no 32-bit Wine, a loader the kernel cannot execute, a prefix without
# the 32-bit system files) from one that can, with one line saying why.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=$(mktemp -d)
trap 'rm -rf "$BUILD"' EXIT
source "$ROOT/scripts/wine_env.sh"

failures=0
expect() {  # expect NAME STATUS MESSAGE: the probe's status and output
    local output status
    output=$(probe_32bit_support)
    status=$?
    if [ "$status" -eq "$2" ] && [ "$output" = "$3" ]; then
        echo "ok - $1"
    else
        echo "not ok - $1: status $status, \"$output\""
        failures=$((failures + 1))
    fi
}

mkdir -p "$BUILD/bin" "$WINEPREFIX/drive_c/windows/syswow64"
WINE32_LOADER="$BUILD/bin/absent"
expect "no 32-bit Wine" 1 "Wine's 32-bit support (wine32:i386) is not installed"

# a loader as the kernel answers it where i386 code cannot run
printf '#!/bin/sh\necho "cannot execute binary file: Exec format error" >&2\nexit 126\n' >"$BUILD/bin/refused"
chmod +x "$BUILD/bin/refused"
WINE32_LOADER="$BUILD/bin/refused"
expect "loader not executable" 1 \
    "this machine cannot run 32-bit code: the 32-bit Wine loader cannot be executed (cannot execute binary file: Exec format error)"

printf '#!/bin/sh\necho wine-8.0\n' >"$BUILD/bin/runs"
chmod +x "$BUILD/bin/runs"
WINE32_LOADER="$BUILD/bin/runs"
expect "prefix without 32-bit files" 1 \
    "this machine cannot run 32-bit code: the Wine prefix has no 32-bit system files"

touch "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll"
expect "32-bit support present" 0 ""

echo "$((4 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
