#!/usr/bin/env bash
# Installs what building and testing needs on a Debian 12 machine, as root.
# Does nothing slow when everything is already there.
set -euo pipefail

packages=(
  cmake ninja-build make python3
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  googletest libgtest-dev libbenchmark-dev
  wine wine64
  xvfb xauth x11-utils xdotool imagemagick
  fonts-liberation fonts-ipafont-gothic locales
  clang libclang-rt-14-dev
  attr
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "bootstrap: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine takes its ANSI code page from the Unix locale: ja_JP.UTF-8 gives code page 932,
# which the double-byte tests need.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP.utf8$'; then
  echo "bootstrap: generating the ja_JP.UTF-8 locale"
  localedef -i ja_JP -c -f UTF-8 ja_JP.UTF-8
fi
