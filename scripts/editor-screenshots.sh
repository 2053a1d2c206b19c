#!/usr/bin/env bash
# Renders the editor's key grid and parameters dialog under a virtual X server to PNG files for
# visual review: build/editor-screenshots/{grid,params-launch,params-shellbind,grid-ctrl-shift}.png.
# Usage: scripts/editor-screenshots.sh [windows build dir] [output dir]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")
dir=$(realpath "${1:-$top/build/win32}")
out=$(realpath -m "${2:-$top/build/editor-screenshots}")
mkdir -p "$out"
rm -f "$out"/*.ready "$out"/*.done

if [ -z "${TAVREX_IN_XVFB:-}" ]; then
  TAVREX_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$dir" "$out"
fi

. "$here/env.sh"
wineserver -p
wineboot >/dev/null 2>&1
# Japanese captions in the form font: IPA's proportional Gothic stands in for it.
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /d IPAPGothic /f >/dev/null 2>&1

TAVREX_SCREENSHOT_DIR="$out" wine "$dir/tests/e2e-editor/editor_e2e_tests.exe" \
  --gtest_filter='EditorScreens.*' >"$out/driver.log" 2>&1 &
driver=$!

rc=0
for name in grid params-launch params-shellbind grid-ctrl-shift; do
  for _ in $(seq 1 300); do
    [ -e "$out/$name.ready" ] && break
    kill -0 "$driver" 2>/dev/null || break
    sleep 0.1
  done
  if [ ! -e "$out/$name.ready" ]; then
    echo "editor-screenshots: no $name (see $out/driver.log)" >&2
    rc=1
    break
  fi
  import -window root "$out/$name.png"
  touch "$out/$name.done"
  echo "$out/$name.png"
done
wait "$driver" || rc=1
rm -f "$out"/*.ready "$out"/*.done
wineserver -k
wineserver -w 2>/dev/null
exit $rc
