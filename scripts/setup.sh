#!/usr/bin/env bash
# Installs what building and testing Drawlyze Pick 3 needs on Debian 12, when missing.
set -euo pipefail

packages=(g++ make cmake pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core fonts-dejavu-extra zlib1g-dev unzip python3 openssl ca-certificates
  help2man librsvg2-bin dpkg-dev desktop-file-utils appstream lintian
  libboost-math-dev nlohmann-json3-dev qt6-charts-dev libqt6opengl6-dev qt6-svg-dev clang-format git)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
