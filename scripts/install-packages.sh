#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only when something is missing.
set -euo pipefail

need=()
have_cmd() { command -v "$1" >/dev/null 2>&1; }
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

have_cmd cmake || need+=(cmake)
have_cmd g++ || need+=(g++)
have_cmd python3 || need+=(python3)
have_pkg libgtest-dev || need+=(libgtest-dev)
have_cmd i686-w64-mingw32-g++ || need+=(g++-mingw-w64-i686)
have_cmd wine || need+=(wine)
have_pkg wine32:i386 || need+=(wine32:i386)
have_cmd Xvfb || need+=(xvfb)
have_cmd xdotool || need+=(xdotool)
have_pkg imagemagick || need+=(imagemagick)
have_cmd lnkinfo || need+=(liblnk-utils)
have_pkg fonts-wqy-microhei || need+=(fonts-wqy-microhei)
have_pkg locales || need+=(locales)
have_cmd xauth || need+=(xauth)

if [ ${#need[@]} -gt 0 ]; then
  echo "dev: installing ${need[*]}"
  if [[ " ${need[*]} " == *":i386"* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  apt-get update -q >/dev/null
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${need[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  echo "dev: generating the zh_CN.UTF-8 locale"
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null || echo 'zh_CN.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
