#!/usr/bin/env bash
# Installs what the build needs on a Debian 12 machine; packages already present are left alone.
set -euo pipefail
packages=(cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev qt6-qpa-plugins libgl-dev fonts-dejavu-core locales
  # the tool windows' charts (Qt Charts needs the OpenGL module's CMake files)
  qt6-charts-dev libqt6opengl6-dev
  # the batch engine: vector units and threads
  libhwy-dev libtbb-dev
  # job files are JSON
  nlohmann-json3-dev
  # the Python module, its tables and its tests, and studies on a Dask cluster
  python3-dev pybind11-dev python3-numpy python3-pandas python3-pytest python3-dask python3-distributed
  # the package: manual pages, icons, dependencies, its checks
  help2man librsvg2-bin dpkg-dev file desktop-file-utils appstream lintian)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
