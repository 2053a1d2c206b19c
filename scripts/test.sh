#!/usr/bin/env bash
# Runs every test: sets the machine up if needed, builds natively and for Windows, runs the
# native unit tests, then the Windows tests under Wine inside a virtual X server.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")
build="${TAVREX_BUILD_DIR:-$top/build}"

bash "$here/setup.sh"
bash "$here/build.sh"

echo "== native tests"
ctest --test-dir "$build/native" --output-on-failure -j2

echo "== Windows tests under Wine"
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$here/wine-ctest.sh" "$build/win32" "$@"
