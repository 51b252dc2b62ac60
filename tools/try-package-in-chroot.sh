#!/usr/bin/env bash
# Installs the package on a clean Debian 12 made with debootstrap (minbase, so nothing of the project is
# there), with apt-get as a user would, then runs both programs' --version, one calculation and the Python
# module.
# Needs root and the network; not part of the test suite or CI.
# Usage: tools/try-package-in-chroot.sh [PACKAGE.deb]   (without one, tools/package.sh makes it)
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "$(id -u)" -ne 0 ]; then
  echo "try-package-in-chroot.sh: run as root (debootstrap and chroot need it)" >&2
  exit 1
fi
for tool in debootstrap chroot; do
  command -v "$tool" >/dev/null || { echo "try-package-in-chroot.sh: $tool is missing (apt-get install debootstrap)" >&2; exit 1; }
done
deb=$(realpath "${1:-$(tools/package.sh | tail -n 1)}")
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}

root=$(mktemp -d /var/tmp/dravonel-chroot.XXXXXX)
chmod 755 "$root"  # apt's download user must reach the chroot's cache
cleanup() {
  for mounted in "$root/dev/pts" "$root/proc" "$root/sys"; do
    if mountpoint -q "$mounted"; then umount "$mounted"; fi
  done
  rm -rf --one-file-system "$root"
}
trap cleanup EXIT

echo "== debootstrap bookworm (minbase) into $root"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.debootstrap.log" 2>&1 ||
  { cat "$root.debootstrap.log" >&2; rm -f "$root.debootstrap.log"; exit 1; }
rm -f "$root.debootstrap.log"
mount -t proc proc "$root/proc"
mount -t devpts devpts "$root/dev/pts"
cp "$deb" "$root/tmp/"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }

echo "== apt-get install ./$(basename "$deb")"
in_root apt-get update -q
in_root env DEBIAN_FRONTEND=noninteractive sh -c "cd /tmp && apt-get install -y ./$(basename "$deb")"

echo "== dpkg -L dravonel"
in_root dpkg -L dravonel
echo "== dravonel-cli --version"
in_root dravonel-cli --version
echo "== dravonel --version (no display)"
in_root dravonel --version
echo "== the window-system plugin"
in_root sh -c 'ls /usr/lib/*/qt6/plugins/platforms/libqxcb.so'
echo "== one calculation (the report's results)"
in_root env SOURCE_DATE_EPOCH=1781524800 dravonel-cli --units si --air 10 --wind 8 --sky 0 --latitude 45 \
  --lift 75 --delivery 150 --material 2 --surface 10 --date 2026-06-15 --time 12:00 >"$root/tmp/report.txt"
grep -a "compaction" "$root/tmp/report.txt"
echo "== the Python module: one calculation and a table of two (pandas comes as a recommended package)"
in_root python3 -c 'import dravonel; print("dravonel", dravonel.__version__, "stop",
  dravonel.calculate(units="si", air=10, date="2026-06-15", time="12:00")["stop_time"], "min")'
in_root python3 -c 'import dravonel; print(dravonel.run_batch({"units": ["si", "english"], "air": [10, 50],
  "date": ["2026-06-15"] * 2, "time": ["12:00"] * 2})[["units", "air", "stop_time", "notice"]])'
echo "== the desktop program starts (offscreen, stopped after 5 s at its disclaimer)"
status=0
in_root timeout 5 dravonel -platform offscreen || status=$?
if [ "$status" -ne 124 ]; then
  echo "try-package-in-chroot.sh: dravonel ended with status $status instead of waiting at its disclaimer" >&2
  exit 1
fi
echo "try-package-in-chroot.sh: $(basename "$deb") installs and runs on a clean Debian 12"
