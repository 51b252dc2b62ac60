#!/usr/bin/env bash
# Builds the Debian package dravonel_<version>_<arch>.deb in build/package/ (configuring and building first
# when needed) and prints its path as the last line.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/build.sh >&2
rm -f build/package/dravonel_*.deb
if ! (cd build && cpack -G DEB) >build/cpack.log 2>&1; then
  cat build/cpack.log >&2
  echo "package.sh: cpack could not make the package (output above)" >&2
  exit 1
fi
shopt -s nullglob
debs=(build/package/dravonel_*.deb)
if [ ${#debs[@]} -ne 1 ]; then
  cat build/cpack.log >&2
  echo "package.sh: expected one package in build/package, found ${#debs[@]}" >&2
  exit 1
fi
realpath "${debs[0]}"
