#!/usr/bin/env bash
# Set up, build and start the desktop program.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
tools/build.sh
if [ -x build/app/dravonel ]; then
  exec build/app/dravonel "$@"
else
  exec build/cli/dravonel-cli "$@"
fi
