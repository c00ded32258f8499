#!/usr/bin/env bash
# The end-to-end tests: every program of each Windows build is driven through
# its window under Wine (tests/e2e/run_build.sh). The x86_64 build always
# runs; the i686 build, the 32-bit deliverables, runs beside it where this
# machine runs 32-bit Windows programs, and is skipped with the reason where
# it does not. Expects the native, win64 and win32 builds (scripts/build.sh).
# E2E_ONLY=<program> runs that program's checks and file cases alone.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
BUILD="${BUILD_DIR:-$ROOT/build}"
source "$ROOT/scripts/wine_env.sh"

mkdir -p "$BUILD/e2e"
rm -rf "$BUILD/e2e/expected"
mkdir -p "$BUILD/e2e/expected"

# The expected files, written by each program's native table code; a file's
# name joins the fields of its line with "_".
while read -r program language degree all normalize parameters; do
    case "$program" in ''|'#'*) continue ;; esac
    # shellcheck disable=SC2086
    name=$(echo "$program $language $degree $all $normalize $parameters" | xargs | tr ' ' '_')
    "$BUILD/native/tests/${program}_dump" "$BUILD/e2e/expected/$name.xls" \
        "$language" "$degree" "$all" "$normalize" $parameters
done <"$ROOT/tests/e2e/cases.txt"

prepare_wine_prefix
prepare_japanese_locale

targets=(win64)
if reason=$(probe_32bit_support); then
    targets+=(win32)
else
    echo "e2e win32: skipped: $reason"
fi

# The builds run side by side, each on its own display and prefix.
for target in "${targets[@]}"; do
    bash "$ROOT/tests/e2e/run_build.sh" "$target" >"$BUILD/e2e/$target.out" 2>&1 &
done
wait

passed=0
failed=0
for target in "${targets[@]}"; do
    grep -v "^$target: [0-9]* passed, [0-9]* failed$" "$BUILD/e2e/$target.out"
    counts=$(tail -n 1 "$BUILD/e2e/$target.out")
    if [[ "$counts" =~ ^$target:\ ([0-9]+)\ passed,\ ([0-9]+)\ failed$ ]]; then
        passed=$((passed + BASH_REMATCH[1]))
        failed=$((failed + BASH_REMATCH[2]))
    else
        echo "e2e $target: the run ended without a result"
        failed=$((failed + 1))
    fi
done
echo "e2e builds run: ${targets[*]}"
echo "e2e: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
