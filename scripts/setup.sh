#!/usr/bin/env bash
# Installs the Debian packages that building and testing Brindlewick need, when missing.
# Used by both README commands and by CI; safe to run again.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libqt6test6 qt6-qpa-plugins libgl-dev
  fonts-dejavu-core fonts-liberation2
  clang libclang-rt-14-dev
  time python3
  shared-mime-info desktop-file-utils xdg-utils libxml2-utils
  xvfb xauth libx11-dev libxtst-dev libxcb1-dev
  dpkg-dev lintian appstream man-db groff-base bash-completion
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-wqy-microhei
  dbus at-spi2-core python3-pyatspi
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  run_as_root=()
else
  run_as_root=(sudo)
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${run_as_root[@]}" apt-get update -qq
"${run_as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
