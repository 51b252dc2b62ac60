#!/usr/bin/env bash
# Set up, build and start the desktop program.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
tools/build.sh
if [ ! -x build/app/dravonel ]; then
  exec build/cli/dravonel-cli "$@"
fi
# Checked after the build, so that the command-line program is ready whatever happens here.
if [ -z "${QT_QPA_PLATFORM:-}" ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<'TEXT'
tools/run.sh: there is no display to show the desktop program on (neither DISPLAY nor
WAYLAND_DISPLAY is set, and QT_QPA_PLATFORM is not set either). Instead:
  - run tools/run.sh from a terminal of a desktop session;
  - or serve the window over VNC:  QT_QPA_PLATFORM=vnc tools/run.sh
    then connect a VNC viewer to port 5900 of this machine (the vnc platform comes with the
    Debian package qt6-qpa-plugins, which tools/setup.sh installs);
  - or use the command-line program, which is built:  build/cli/dravonel-cli --help
TEXT
  exit 1
fi
exec build/app/dravonel "$@"
