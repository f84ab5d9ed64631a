#!/usr/bin/env bash
# Installs the Debian packages that building and testing need. Idempotent and
# non-interactive; does nothing when everything is already there.
set -euo pipefail

packages=(
  cmake ninja-build make g++ clang libgtest-dev
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686
  wine wine64 wine32:i386
  xvfb xdotool imagemagick x11-utils x11-xserver-utils
  libx11-dev locales fonts-ipafont-gothic procps strace clang-format python3 libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

need_locale=0
locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$' || need_locale=1

if [ ${#missing[@]} -eq 0 ] && [ $need_locale -eq 0 ]; then
  exit 0
fi

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
  fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if [ $need_locale -eq 1 ]; then
  if ! grep -q '^ja_JP.UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'ja_JP.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  fi
  $sudo locale-gen >/dev/null
fi
