#!/usr/bin/env bash
# Starts the service and the editor on a virtual display, waits for the editor's window, takes a
# screenshot of the whole screen and ends everything.
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
# Wait (bounded) for the editor's grid to appear, then give it a moment to paint.
for _ in $(seq 1 40); do
  xwininfo -root -tree 2>/dev/null | grep -q 'Tavrin' && break
  sleep 0.25
done
sleep "${TAVREX_SHOT_DELAY:-2}"
import -window root "$shot"
wineserver -k
wineserver -w 2>/dev/null
exit 0
