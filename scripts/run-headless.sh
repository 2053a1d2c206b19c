#!/usr/bin/env bash
# Starts the service and the editor on a virtual display, takes a screenshot of the whole screen
# and ends everything.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/env.sh"
dir=$1
shot=$2
wineserver -p
wineboot >/dev/null 2>&1
wine "$dir/service/Tavrex.exe" &
sleep 1
wine "$dir/editor/TavrexW.exe" &
# The programs' windows live inside Wine's virtual desktop, which X cannot look into: give them a
# few seconds to start and paint.
sleep "${TAVREX_SHOT_DELAY:-5}"
import -window root "$shot"
wineserver -k
wineserver -w 2>/dev/null
exit 0
