#!/usr/bin/env bash
# Installs every Debian 12 package Lexorama needs to build, run and test. Safe to run again.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n
  libpugixml-dev libpcre2-dev libicu-dev zlib1g-dev
  libgtest-dev libgmock-dev
  libespeak-ng-dev espeak-ng-data espeak-ng
  libpulse-dev pulseaudio
  xvfb xauth fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
apt_opts=(-o DPkg::Lock::Timeout=600 -q -y)
$sudo apt-get "${apt_opts[@]}" update
$sudo apt-get "${apt_opts[@]}" install "${missing[@]}"
