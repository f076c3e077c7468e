#!/usr/bin/env bash
# Runs a command on a private Xvfb managed by openbox, a real EWMH window manager, so that frames,
# title-bar closes, maximising and activation are the window manager's. Both are always stopped after.
# usage: scripts/with-openbox.sh COMMAND [ARGS...]
set -euo pipefail
for tool in Xvfb openbox xprop; do
  command -v "$tool" >/dev/null || {
    echo "with-openbox: $tool is not installed (scripts/install-deps.sh installs it)" >&2
    exit 1
  }
done
work=$(mktemp -d "${TMPDIR:-/tmp}/velmar-openbox.XXXXXX")
pids=()
stop() {
  local pid
  for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap stop EXIT
trap 'exit 130' INT TERM

source "$(dirname "$0")/private-xvfb.sh"
start_private_xvfb "$work/xvfb.log" || { pids+=("$XVFB_PID"); exit 1; }
pids+=("$XVFB_PID")
openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
# The window manager is up once it has announced itself on the root window.
for _ in $(seq 300); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id" || {
  echo "with-openbox: openbox did not start" >&2
  cat "$work/openbox.log" >&2
  exit 1
}
set +e
env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$@"
status=$?
set -e
exit "$status"
