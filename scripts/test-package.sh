#!/usr/bin/env bash
# Checks the Debian package the way a user's machine meets it: the desktop entry and the metainfo
# validate, lintian finds no error; then, as root, apt-get installs it, VelmarCube started from an
# ordinary user's PATH opens its window (with its icon) under Xvfb, and apt-get remove takes it away.
# usage: scripts/test-package.sh velmarcube_VERSION_ARCH.deb [SCREENSHOT.png]
set -euo pipefail
deb=$(realpath "${1:?the .deb}")
shot=$(realpath -m "${2:-/tmp/velmarcube-installed.png}")
for tool in desktop-file-validate appstreamcli lintian xvfb-run import xprop; do
  command -v "$tool" >/dev/null || {
    echo "test-package: needs $tool (apt-get install desktop-file-utils appstream lintian xvfb imagemagick x11-utils)" >&2
    exit 1
  }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "== contents"
dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/org.velmar.VelmarCube.desktop"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.velmar.VelmarCube.metainfo.xml"
for size in 16 32 48 64 128 256; do
  test -s "$work/root/usr/share/icons/hicolor/${size}x${size}/apps/org.velmar.VelmarCube.png"
done
echo "== lintian"
lintian --fail-on error "$deb"

if [ "$(id -u)" -ne 0 ]; then
  echo "test-package: installing needs root; the checks above passed" >&2
  exit 0
fi
echo "== install"
env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
test -x /usr/games/VelmarCube
user=velmarcube-test
id "$user" >/dev/null 2>&1 || useradd -m "$user"
echo "== run from a user's PATH"
# A login shell, as a desktop session gives: its PATH holds /usr/games.
runuser -l "$user" -c 'xvfb-run -a -s "-screen 0 1280x1024x24" sh -c "
  command -v VelmarCube
  VelmarCube & app=\$!
  sleep 4
  xprop -name \"Velmar'"'"'s Cube - 3D\" _NET_WM_ICON | head -c 120; echo
  import -window root -crop 466x567+407+228 +repage /tmp/velmarcube-installed.png
  kill \$app
"' >"$work/run.log" 2>&1 || true
cat "$work/run.log" | grep -v "XDG_RUNTIME_DIR" || true
grep -q "^/usr/games/VelmarCube" "$work/run.log" || { echo "test-package: VelmarCube is not on the user's PATH" >&2; exit 1; }
grep -q "_NET_WM_ICON(CARDINAL) = " "$work/run.log" || { echo "test-package: the window has no icon" >&2; exit 1; }
cp "/tmp/velmarcube-installed.png" "$shot"
echo "saved $shot"
echo "== remove"
env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq velmarcube >/dev/null
test ! -e /usr/games/VelmarCube
userdel -r "$user" 2>/dev/null || true
echo "test-package: all checks passed"
