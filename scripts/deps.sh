#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and test, when missing.
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          appstream desktop-file-utils
          libgtest-dev libbenchmark-dev fonts-liberation2 fonts-dejavu-core xvfb openbox x11-utils
          xdotool imagemagick poppler-utils dpkg-dev lintian at-spi2-core python3-pyatspi dbus-x11
          clang libclang-rt-14-dev lld)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
