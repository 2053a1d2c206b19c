#!/usr/bin/env bash
# Creates the Wine prefix of the tests once: a 32-bit prefix whose default desktop is a virtual
# desktop with a taskbar (so that notification icons cost no time), and a Japanese UI font.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/env.sh"
stamp="$WINEPREFIX/.tavrex-ready"
[ -f "$stamp" ] && exit 0
mkdir -p "$WINEPREFIX"
echo "setup: creating the Wine prefix $WINEPREFIX"
wineboot -i >/dev/null 2>&1 || true
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1280x1024 /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /d IPAPGothic /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ ゴシック' /d IPAGothic /f >/dev/null 2>&1
wineserver -w
touch "$stamp"
