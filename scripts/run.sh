#!/usr/bin/env bash
# The main job: sets the machine up if needed, builds the programs and starts the service and the
# editor under Wine. With no display it runs them in a virtual X server, takes a screenshot
# (build/screenshot.png) and ends them again.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")
build="${TAVREX_BUILD_DIR:-$top/build}"

bash "$here/setup.sh"
cmake -S "$top" -B "$build/win32" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$top/cmake/i686-w64-mingw32.cmake" >/dev/null
cmake --build "$build/win32" -j2 --target Tavrex TavrexW

if [ -n "${DISPLAY:-}" ]; then
  . "$here/env.sh"
  echo "run: starting the service (end it with Exit in its notification-area menu) and the editor"
  wine "$build/win32/service/Tavrex.exe" &
  sleep 1
  wine "$build/win32/editor/TavrexW.exe"
else
  echo "run: no display; running in a virtual X server"
  xvfb-run -a -s "-screen 0 1280x1024x24" bash "$here/run-headless.sh" "$build/win32" "$build/screenshot.png"
  echo "run: screenshot in $build/screenshot.png"
fi
