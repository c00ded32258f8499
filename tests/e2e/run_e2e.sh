#!/usr/bin/env bash
# The end-to-end tests: every program is driven through its window under Wine
# on a virtual display, by tests/e2e/e2e_driver.exe, in English, in Japanese
# (code page 932) and once with a file-size limit that makes writes fail.
# Expects the native and win64 builds (scripts/build.sh).
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
BUILD="${BUILD_DIR:-$ROOT/build}"
source "$ROOT/scripts/wine_env.sh"

E2E="$BUILD/e2e"
rm -rf "$E2E"
mkdir -p "$E2E/expected" "$E2E/work" "$E2E/cdrom"
windows_path() { echo "Z:${1//\//\\}"; }

# The expected files, written by each program's native table code; a file's
# name joins the fields of its line with "_".
while read -r program language degree all normalize parameters; do
    case "$program" in ''|'#'*) continue ;; esac
    # shellcheck disable=SC2086
    name=$(echo "$program $language $degree $all $normalize $parameters" | xargs | tr ' ' '_')
    "$BUILD/native/tests/${program}_dump" "$E2E/expected/$name.xls" \
        "$language" "$degree" "$all" "$normalize" $parameters
done <"$ROOT/tests/e2e/cases.txt"

prepare_wine_prefix
prepare_japanese_locale
start_display
trap 'stop_display' EXIT

# Named pipes for the In Process box: their readers hold the programs back
# in the middle of a calculation until the driver has seen the box.
readers=()
for program in pabri00 pomrel95 duvest95; do
    mkfifo "$E2E/work/busy_$program.xls"
    "$BUILD/native/tests/held_pipe_reader" "$E2E/work/busy_$program.xls" \
        "$E2E/work/busy_$program.go" "$E2E/work/busy_$program.out" &
    readers+=($!)
done

# Drive D: is a folder that Wine reports as a CD-ROM drive (see wine_env.sh).
ln -sfn "$E2E/cdrom" "$WINEPREFIX/dosdevices/d:"

driver=("$WINE" "$BUILD/win64/tests/e2e/e2e_driver.exe"
    --bin "$(windows_path "$BUILD/win64/bin")" --work "$(windows_path "$E2E/work")"
    --expected "$(windows_path "$E2E/expected")" --cdrom 'D:\' --cases "$(windows_path "$ROOT/tests/e2e/cases.txt")")
# E2E_ONLY=<program> runs that program's checks and file cases alone.
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
        echo "e2e $(basename "$log" .log): $counts"
    else
        echo "e2e $(basename "$log" .log): the driver ended without a result (status $status)"
        failed=$((failed + 1))
    fi
}

run fpu "$WINE" "$BUILD/win64/tests/e2e/fpu_check.exe"
run english "${driver[@]}" --lang en
run japanese env LOCPATH="$BUILD/locale" LANG=ja_JP.UTF-8 "${driver[@]}" --lang ja
# Writes beyond 64 KiB fail (as on a full disk): the tables of all degrees are larger.
kill "${readers[@]}" 2>/dev/null
run write_failure bash -c 'trap "" XFSZ; ulimit -f 64; exec "$@"' - "${driver[@]}" --lang en --write-failure

"$WINESERVER" -k 2>/dev/null || true
echo "e2e: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
