#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
# the native unit tests under CTest, then the end-to-end tests under Wine.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD="${BUILD_DIR:-$ROOT/build}"

"$ROOT/scripts/install_packages.sh"
"$ROOT/scripts/build.sh" native win64 win32

status=0
(cd "$BUILD/native" && ctest --output-on-failure -j "$(nproc)") || status=1
bash "$ROOT/tests/e2e/run_e2e.sh" || status=1
exit $status
