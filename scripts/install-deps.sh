#!/usr/bin/env bash
# Installs the Debian packages VelmarCube needs to build, run and test, and only those that are missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build
  qt6-base-dev libqt6opengl6-dev qt6-svg-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth libgl1-mesa-dri
  xdotool libx11-dev desktop-file-utils appstream
  python3-pyatspi at-spi2-core dbus-daemon
  weston qt6-wayland openbox x11-utils qt6-gtk-platformtheme
)
# Wanted where the archive has them, not needed for make test: the formatter the tree is formatted with
# (Debian 13 no longer has this version; the format check runs on Debian 12).
optional=(clang-format-14)

# What is installed, and what installed packages provide (Debian 13's qt6-base-dev provides
# libqt6opengl6-dev, which is no package of its own there).
present=" $(dpkg-query -W -f='${db:Status-Abbrev} ${Package} ${Provides}\n' 2>/dev/null |
  awk '/^ii/ { $1 = ""; print }' | sed 's/([^)]*)//g; s/,/ /g' | tr -s ' \n' '  ') "
missing=()
for pkg in "${packages[@]}"; do
  [[ $present == *" $pkg "* ]] || missing+=("$pkg")
done
for pkg in "${optional[@]}"; do
  [[ $present == *" $pkg "* ]] || ! apt-cache show "$pkg" >/dev/null 2>&1 || missing+=("$pkg")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "install-deps: missing Debian packages: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    runner=(sudo -n)
  else
    echo "install-deps: not root; run this first:" >&2
    echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
else
  runner=()
fi

echo "install-deps: running apt-get update, then apt-get install -y ${missing[*]}"
"${runner[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${runner[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
echo "install-deps: done"
