# Environment for running the Windows programs and tests under Wine; sourced by the scripts.
export WINEPREFIX="${TAVREX_WINEPREFIX:-${HOME:-/root}/.local/share/tavrex/wine}"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8
