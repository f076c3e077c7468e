#!/usr/bin/env bash
# Runs a command as a Wayland client of a private headless weston: its own XDG_RUNTIME_DIR and socket,
# screenshots allowed (weston-screenshooter), QT_QPA_PLATFORM=wayland. Weston is always stopped after.
# usage: scripts/with-weston.sh [--scale N] -- COMMAND [ARGS...]
set -euo pipefail
scale=1
while [ $# -gt 0 ]; do
  case $1 in
    --scale) scale=${2:?--scale needs a number}; shift 2 ;;
    --) shift; break ;;
    *) break ;;
  esac
done
[ $# -gt 0 ] || { echo "with-weston: no command" >&2; exit 2; }

if ! command -v weston >/dev/null || ! command -v weston-screenshooter >/dev/null; then
  # On Debian install-deps brings weston in, so its absence is a fault; elsewhere the test is skipped.
  if command -v dpkg >/dev/null; then
    echo "with-weston: weston is not installed (scripts/install-deps.sh installs it)" >&2
    exit 1
  fi
  echo "with-weston: no weston here; skipped" >&2
  exit 77
fi

runtime=$(mktemp -d "${TMPDIR:-/tmp}/velmar-weston.XXXXXX")
chmod 700 "$runtime"
socket=wayland-velmar-$$
weston_pid=
stop() {
  if [ -n "$weston_pid" ]; then
    kill "$weston_pid" 2>/dev/null || true
    wait "$weston_pid" 2>/dev/null || true
  fi
  rm -rf "$runtime"
}
trap stop EXIT
trap 'exit 130' INT TERM

# Weston 12 renamed its backend and renderer options (Debian 12 has 10, Debian 13 has 14).
if [ "$(weston --version | sed -n 's/^weston \([0-9]*\).*/\1/p')" -ge 12 ] 2>/dev/null; then
  headless=(--backend=headless --renderer=pixman)
else
  headless=(--backend=headless-backend.so --use-pixman)
fi
# Twice as large at scale 2, so the window has the same room in logical pixels.
XDG_RUNTIME_DIR=$runtime weston --debug "${headless[@]}" --idle-time=0 \
  --socket="$socket" --width=$((1024 * scale)) --height=$((768 * scale)) --scale="$scale" \
  --log="$runtime/weston.log" </dev/null >/dev/null 2>&1 &
weston_pid=$!
# Clients may connect once weston has made its socket; give up after 20 s.
for _ in $(seq 200); do
  [ -S "$runtime/$socket" ] && break
  kill -0 "$weston_pid" 2>/dev/null || break
  sleep 0.1
done
if [ ! -S "$runtime/$socket" ]; then
  echo "with-weston: weston did not start; its log:" >&2
  cat "$runtime/weston.log" >&2 2>/dev/null || true
  exit 1
fi

# A headless weston has no seat: Qt 6.4's Wayland input method then fails on its missing input device
# when a popup opens, so the tests go without one.
client() {
  env -u DISPLAY QT_IM_MODULE=none XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland \
    VELMAR_SCREENSHOT_DIR="$runtime" "$@" 2>&1 | tee "$runtime/client.log"
  return "${PIPESTATUS[0]}"
}
set +e
client "$@"
status=$?
# Qt 6.4's Wayland client now and then lets go of a window's frame callback twice, and libwayland aborts
# on its own assertion (seen once in a sanitizer run, slow enough to widen the race). That abort, and
# nothing else, earns the command one more run.
if [ "$status" -eq 134 ] && grep -q "wl_proxy_unref: Assertion" "$runtime/client.log"; then
  echo "with-weston: the client aborted in libwayland (Qt's frame-callback race); running it once more" >&2
  client "$@"
  status=$?
fi
set -e
exit "$status"
