#!/usr/bin/env bash
# Set up, build and run every test (the desktop tests run offscreen), then make and check the package.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
tools/build.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
cd ..
tools/check-package.sh
