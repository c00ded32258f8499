#!/usr/bin/env bash
# The end-to-end tests of one Windows build: its programs are driven through
# their windows under Wine by the build's own e2e_driver.exe, on a display and
# in a Wine prefix of their own, in English, in Japanese (code page 932) and
# once with a file-size limit that makes writes fail.
#   tests/e2e/run_build.sh win64|win32
# Expects the builds (scripts/build.sh), the prepared prefix and locale and the
# expected files in build/e2e/expected (tests/e2e/run_e2e.sh makes them).
# E2E_ONLY=<program> runs that program's checks and file cases alone.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
BUILD="${BUILD_DIR:-$ROOT/build}"
target=$1
source "$ROOT/scripts/wine_env.sh"

E2E="$BUILD/e2e/$target"
rm -rf "$E2E"
mkdir -p "$E2E/work" "$E2E/cdrom"
windows_path() { echo "Z:${1//\//\\}"; }

# A prefix of this run's own, copied from the prepared one: the two builds'
# runs share no Wine server, windows or registry.
template="$WINEPREFIX"
export WINEPREFIX="$BUILD/e2e/wineprefix-$target"
rm -rf "$WINEPREFIX"
cp -a "$template" "$WINEPREFIX"
unset DISPLAY
start_own_display
trap 'stop_display' EXIT

# Named pipes for the In Process box: their readers hold the programs back
# in the middle of a calculation until the driver has seen the box.
readers=()
for program in pabri00 pomrel95 gustre00 zolvin01 duvest95; do
    mkfifo "$E2E/work/busy_$program.xls"
    "$BUILD/native/tests/held_pipe_reader" "$E2E/work/busy_$program.xls" \
        "$E2E/work/busy_$program.go" "$E2E/work/busy_$program.out" &
    readers+=($!)
done

# Drive D: is a folder that Wine reports as a CD-ROM drive (see wine_env.sh).
ln -sfn "$E2E/cdrom" "$WINEPREFIX/dosdevices/d:"

tools="$BUILD/$target/tests/e2e"
driver=("$WINE" "$tools/e2e_driver.exe"
    --bin "$(windows_path "$BUILD/$target/bin")" --work "$(windows_path "$E2E/work")"
    --expected "$(windows_path "$BUILD/e2e/expected")" --cdrom 'D:\' --cases "$(windows_path "$ROOT/tests/e2e/cases.txt")")
if [ -n "${E2E_ONLY:-}" ]; then
    driver+=(--only "$E2E_ONLY")
fi

passed=0
failed=0
run() {
    local log="$E2E/$1.log"
    shift
    "$@" >"$log" 2>"$log.stderr"
    local status=$?
    tr -d '\r' <"$log" >"$log.txt"
    grep -a -v '^ok - ' "$log.txt" | grep -a -v '^[0-9]* passed, [0-9]* failed$' || true
    local counts
    counts=$(tail -n 1 "$log.txt")
    if [[ "$counts" =~ ^([0-9]+)\ passed,\ ([0-9]+)\ failed$ ]]; then
        passed=$((passed + BASH_REMATCH[1]))
        failed=$((failed + BASH_REMATCH[2]))
        echo "e2e $target $(basename "$log" .log): $counts"
    else
        echo "e2e $target $(basename "$log" .log): the program ended without a result (status $status)"
        failed=$((failed + 1))
    fi
}

run fpu "$WINE" "$tools/fpu_check.exe"
run english "${driver[@]}" --lang en
run japanese env LOCPATH="$BUILD/locale" LANG=ja_JP.UTF-8 "${driver[@]}" --lang ja
# Writes beyond 64 KiB fail (as on a full disk): the tables of all degrees are larger.
kill "${readers[@]}" 2>/dev/null
run write_failure bash -c 'trap "" XFSZ; ulimit -f 64; exec "$@"' - "${driver[@]}" --lang en --write-failure

"$WINESERVER" -k 2>/dev/null || true
echo "$target: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
