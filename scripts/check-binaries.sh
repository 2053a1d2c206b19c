#!/usr/bin/env bash
# Checks that each program is a 32-bit GUI executable for Windows that needs no DLL beyond
# Windows' own.
set -u
allowed='^(KERNEL32|USER32|GDI32|SHELL32|COMCTL32|COMDLG32|ADVAPI32|OLE32|OLEAUT32|MSIMG32|UXTHEME|SHLWAPI|msvcrt)\.dll$'
rc=0
for exe in "$@"; do
  if ! file "$exe" | grep -q 'PE32 executable (GUI) Intel 80386'; then
    echo "$exe: not a PE32 GUI executable for i386: $(file -b "$exe")"; rc=1
  fi
  for dll in $(i686-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p'); do
    echo "$dll" | grep -Eiq "$allowed" || { echo "$exe: needs $dll"; rc=1; }
  done
done
[ $rc = 0 ] && echo "checked: $*"
exit $rc
