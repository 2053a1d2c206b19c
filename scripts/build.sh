#!/usr/bin/env bash
# Builds the native tests and the Windows programs with their tests.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")
build="${TAVREX_BUILD_DIR:-$top/build}"

echo "== native build"
cmake -S "$top" -B "$build/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$build/native" -j2
echo "== Windows build"
cmake -S "$top" -B "$build/win32" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$top/cmake/i686-w64-mingw32.cmake" >/dev/null
cmake --build "$build/win32" -j2
