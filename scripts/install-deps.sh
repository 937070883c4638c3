#!/usr/bin/env bash
# Installs what building, running and testing need, through apt, when missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
  libquazip1-qt6-dev libxml2-dev
  qt6-qpa-plugins libqt6svg6 qt6-translations-l10n libqt6sql6-sqlite
  fonts-dejavu-core
  libcups2-dev
  poppler-utils cups cups-client cups-bsd cups-filters
  dpkg-dev desktop-file-utils lintian
  xvfb xauth
  python3
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Please install as root: ${missing[*]}" >&2; exit 1; }
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
