#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those that are missing.
set -euo pipefail
pkgs=(g++ cmake ninja-build pkg-config
      qt6-base-dev qt6-qpa-plugins libqt6sql6-sqlite libsqlite3-dev
      libxlsxwriter-dev libfreexl-dev libzip-dev
      fonts-noto-cjk qt6-translations-l10n
      libgtest-dev libbenchmark-dev
      xvfb xauth)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  echo "installing: ${missing[*]}"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
