#!/usr/bin/env bash
# Makes the Debian package and checks it: the files it must hold, the desktop entry and metainfo validators,
# the version in the control file, changelog, metainfo and the installed command line program, and lintian
# (any error fails). Every problem is listed; the exit status is 1 when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

problems=()
problem() { problems+=("$1"); echo "check-package.sh: PROBLEM: $1" >&2; }

deb=$(tools/package.sh | tail -n 1)
echo "== package: $deb"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

project_version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/CMakeCache.txt)
version=$(dpkg-deb -f "$deb" Version)
[ "$version" = "$project_version" ] || problem "package version \"$version\" is not the project's \"$project_version\""
[ "$(basename "$deb")" = "dravonel_${version}_$(dpkg --print-architecture).deb" ] ||
  problem "package file name $(basename "$deb") is not dravonel_<version>_<architecture>.deb"
echo "== control"
dpkg-deb -f "$deb" Package Version Architecture Depends Section Maintainer
depends=$(dpkg-deb -f "$deb" Depends)
for dependency in libc6 libqt6widgets6 qt6-qpa-plugins; do
  [[ ", $depends" == *", $dependency "* || ", $depends," == *", $dependency,"* ]] ||
    problem "Depends lacks $dependency (is dpkg-shlibdeps from dpkg-dev installed?)"
done
# The Python module is built for one interpreter version.
for dependency in "python3 (>= 3.11)" "python3 (<< 3.12)"; do
  [[ ", $depends," == *", $dependency,"* ]] || problem "Depends lacks $dependency"
done

echo "== contents"
dpkg-deb -c "$deb" | tee "$work/contents.txt"
awk '{print $NF}' "$work/contents.txt" | sed 's|^\./|/|' >"$work/paths.txt"
has() { grep -qxF "$1" "$work/paths.txt"; }

mapfile -t desktop_files < <(grep -E '^/usr/share/applications/[^/]+\.desktop$' "$work/paths.txt" || true)
if [ ${#desktop_files[@]} -ne 1 ]; then
  problem "expected one desktop entry in /usr/share/applications, found ${#desktop_files[@]}"
  app_id=missing
else
  app_id=$(basename "${desktop_files[0]}" .desktop)
fi
expected=(/usr/bin/dravonel /usr/bin/dravonel-cli
  "/usr/share/applications/$app_id.desktop" "/usr/share/metainfo/$app_id.metainfo.xml"
  "/usr/share/icons/hicolor/scalable/apps/$app_id.svg"
  /usr/share/man/man1/dravonel.1.gz /usr/share/man/man1/dravonel-cli.1.gz
  /usr/share/doc/dravonel/copyright /usr/share/doc/dravonel/changelog.gz)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
python_dir=/usr/lib/python3/dist-packages/dravonel
extension_suffix=$(/usr/bin/python3 -c 'import sysconfig; print(sysconfig.get_config_var("EXT_SUFFIX"))')
expected+=("$python_dir/__init__.py" "$python_dir/_dravonel$extension_suffix")
for path in "${expected[@]}"; do
  has "$path" || problem "the package lacks $path"
done

dpkg-deb -x "$deb" "$work/root"
root="$work/root"
echo "== desktop-file-validate"
if [ -f "$root/usr/share/applications/$app_id.desktop" ]; then
  desktop-file-validate "$root/usr/share/applications/$app_id.desktop" || problem "desktop-file-validate refuses the desktop entry"
fi
echo "== appstreamcli validate --no-net, validate-tree --no-net"
if [ -f "$root/usr/share/metainfo/$app_id.metainfo.xml" ]; then
  appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml" || problem "appstreamcli refuses the metainfo"
  # The installed tree as a whole: the metainfo's launchable must name the desktop entry beside it.
  appstreamcli validate-tree --no-net "$root" || problem "appstreamcli validate-tree refuses the installed files"
  release=$(grep -o -m 1 '<release version="[^"]*"' "$root/usr/share/metainfo/$app_id.metainfo.xml" | cut -d'"' -f2)
  [ "$release" = "$version" ] || problem "the newest metainfo release is \"$release\", not $version"
fi
if [ -f "$root/usr/share/doc/dravonel/changelog.gz" ]; then
  head_line=$(zcat "$root/usr/share/doc/dravonel/changelog.gz" | head -n 1)
  [[ "$head_line" == "dravonel ($version) "* ]] || problem "the newest changelog entry is \"$head_line\", not version $version"
fi
for size in 16 22 24 32 48 64 128 256; do
  png="$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
  [ ! -f "$png" ] || file "$png" | grep -q "PNG image data, $size x $size," || problem "$png is not $size x $size pixels"
done

echo "== installed dravonel-cli --version"
short_version=$(echo "$version" | cut -d. -f1,2)
cli_version=$("$root/usr/bin/dravonel-cli" --version) || problem "the packaged dravonel-cli --version failed"
echo "$cli_version"
[ "$cli_version" = "dravonel-cli $short_version" ] || problem "the packaged dravonel-cli prints \"$cli_version\""

echo "== installed Python module"
python_check='import dravonel; r = dravonel.calculate(units="si", air=10, date="2026-06-15", time="12:00"); print("dravonel", dravonel.__version__, "stop", r["stop_time"], "min")'
if python_line=$(PYTHONPATH="$root/usr/lib/python3/dist-packages" PYTHONDONTWRITEBYTECODE=1 /usr/bin/python3 -c "$python_check"); then
  echo "$python_line"
  [[ "$python_line" == "dravonel $version stop "* ]] || problem "the packaged Python module prints \"$python_line\""
else
  problem "the packaged Python module cannot be imported or run"
fi

echo "== lintian"
if ! lintian --fail-on error --tag-display-limit 0 "$deb"; then
  problem "lintian reports errors (lines starting with E: above)"
fi

if [ ${#problems[@]} -gt 0 ]; then
  echo "check-package.sh: FAILED, ${#problems[@]} problem(s) with $deb:" >&2
  printf '  - %s\n' "${problems[@]}" >&2
  exit 1
fi
echo "check-package.sh: $deb is complete and lintian reports no errors"
