#!/usr/bin/env bash
# Proves the tree on another Debian release: a fresh `debootstrap --variant=minbase DIST` chroot gets a
# copy of the tree and runs `make test` in it, as a new machine would (install-deps brings in the rest).
# With --deb FILE it also installs that package there and starts it under Xvfb. Needs root and
# debootstrap; the mirror is the one this machine's apt uses. Prints how long each step took.
# usage: scripts/test-in-chroot.sh DIST [--deb FILE.deb] [--keep]
set -euo pipefail
dist=${1:?usage: test-in-chroot.sh DIST [--deb FILE.deb] [--keep]}
shift
deb=
keep=0
while [ $# -gt 0 ]; do
  case $1 in
    --deb) deb=$(realpath "${2:?--deb needs a file}"); shift 2 ;;
    --keep) keep=1; shift ;;
    *) echo "test-in-chroot: unknown argument $1" >&2; exit 2 ;;
  esac
done
[ "$(id -u)" -eq 0 ] || { echo "test-in-chroot: needs root (debootstrap, chroot, mounts)" >&2; exit 1; }
command -v debootstrap >/dev/null || { echo "test-in-chroot: needs debootstrap (apt-get install debootstrap)" >&2; exit 1; }
tree=$(cd "$(dirname "$0")/.." && pwd)

# The first Debian mirror this machine's apt knows, in either source format.
mirror=$(grep -rhoE '(URIs:|^deb)[[:space:]]+[^[:space:]]*/debian/?([[:space:]]|$)' /etc/apt/sources.list \
           /etc/apt/sources.list.d/ 2>/dev/null | grep -v security | head -n 1 | awk '{print $2}' || true)
[ -n "$mirror" ] || { echo "test-in-chroot: no Debian mirror found in /etc/apt" >&2; exit 1; }

root=$(mktemp -d "/var/tmp/velmar-chroot-$dist.XXXXXX")
# mktemp keeps its folder to root alone; as the chroot's / it must let every user in (the package test
# starts the program as an ordinary user).
chmod 755 "$root"
mounts=()
cleanup() {
  local i
  for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
    umount -l "${mounts[i]}" 2>/dev/null || true
  done
  if [ "$keep" -eq 0 ]; then
    rm -rf --one-file-system "$root"
  else
    echo "test-in-chroot: kept $root"
  fi
}
trap cleanup EXIT
bind() {
  mkdir -p "$root$2"
  mount "${@:3}" "$1" "$root$2"
  mounts+=("$root$2")
}
step() {
  local name=$1 start=$SECONDS
  shift
  echo "== $name"
  "$@"
  echo "== $name: $((SECONDS - start)) s"
}

quiet_debootstrap() {
  debootstrap --variant=minbase "$dist" "$root" "$mirror" >"$root.debootstrap.log" 2>&1 \
    || { tail -n 30 "$root.debootstrap.log" >&2; return 1; }
  rm -f "$root.debootstrap.log"
}
step "debootstrap $dist" quiet_debootstrap
bind /proc /proc --bind
bind /sys /sys --bind
bind /dev /dev --bind
bind /dev/pts /dev/pts --bind
mkdir -p "$root/dev/shm"
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true

# The tree as a clone would have it: tracked files plus what is staged or changed, no build folders.
mkdir -p "$root/src"
(cd "$tree" && git ls-files -co --exclude-standard -z | xargs -0 tar -cf - --) | tar -C "$root/src" -xf -

inside() {
  chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin /bin/bash -c "$1"
}
step "make and its helpers" inside 'apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends make ca-certificates >/dev/null'
step "make test (with install-deps)" inside 'cd /src && make test'
inside 'echo "versions: $(. /etc/os-release; echo "$PRETTY_NAME"), gcc $(gcc -dumpfullversion), Qt $(dpkg-query -W -f="\${Version}" libqt6core6* 2>/dev/null | head -c 20)"'

if [ -n "$deb" ]; then
  cp "$deb" "$root/tmp/"
  step "install and start $(basename "$deb")" inside "cd /src && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq lintian imagemagick x11-utils >/dev/null && bash scripts/test-package.sh /tmp/$(basename "$deb") /tmp/installed.png"
  cp "$root/tmp/installed.png" "/tmp/velmarcube-installed-$dist.png" && echo "saved /tmp/velmarcube-installed-$dist.png"
fi
echo "test-in-chroot: $dist passed"
