#!/usr/bin/env bash
# Set up, build and run every test (the desktop tests run offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
tools/build.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
