#!/usr/bin/env bash
# Installs every tool that building and testing need on a Debian 12 machine (run as root),
# generates the Japanese locale and creates the Wine prefix that the tests use.
# Idempotent: a second run only checks what is already there.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)


packages=(cmake make g++ googletest mingw-w64 g++-mingw-w64-i686-posix binutils-mingw-w64-i686
          wine wine32 xvfb xauth x11-utils imagemagick locales fonts-ipafont-gothic file)

missing=()
need_i386=0
dpkg --print-foreign-architectures | grep -qx i386 || need_i386=1
for p in "${packages[@]}"; do
  if [ "$p" = wine32 ]; then q=wine32:i386; else q=$p; fi
  dpkg-query -W -f='${Status}' "$q" 2>/dev/null | grep -q 'install ok installed' || missing+=("$q")
done

if [ $need_i386 = 1 ] || [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  [ $need_i386 = 1 ] && dpkg --add-architecture i386
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Code page 932 under Wine needs the glibc locale.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf8$'; then
  sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi

"$here/wine-prefix.sh"
echo "setup: ready"
