#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests and the demo need.
# Idempotent: apt-get runs only when a package is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-charts-dev libqt6opengl6-dev libgl-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-private-dev clang
  xvfb
  desktop-file-utils librsvg2-bin dpkg-dev file
  lintian appstream groff-base man-db bash
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "bootstrap: installing ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
