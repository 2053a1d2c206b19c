#!/usr/bin/env bash
# Runs ctest of a Windows build under Wine, with one wineserver kept for the whole run (one
# per test would cost seconds each). Needs a display: run it inside xvfb-run.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/env.sh"
dir=$1; shift
wineserver -p
wineboot >/dev/null 2>&1
ctest --test-dir "$dir" --output-on-failure "$@"
rc=$?
wineserver -k
wineserver -w 2>/dev/null
exit $rc
