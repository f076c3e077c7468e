#!/usr/bin/env bash
# Starts a private D-Bus session with its own accessibility bus, the program with Qt's accessibility
# on, and the AT-SPI checks against it; everything it started ends with it, and it gives up after two
# minutes rather than hang. Usage: run-screen-reader-test.sh <VelmarCube binary>
set -euo pipefail
if [ -z "${VELMAR_IN_PRIVATE_SESSION:-}" ]; then
  export VELMAR_IN_PRIVATE_SESSION=1
  # The accessibility bus's socket lives in the runtime directory, else in ~/.cache, where another
  # session's bus (a desktop's, or one an earlier test woke through GTK) would share its path.
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
  timeout --kill-after=10 120 dbus-run-session -- "$0" "$@"
  exit
fi
here=$(dirname "$0")
# Qt looks for the accessibility bus as the program starts: wake the bus launcher through D-Bus and wait
# until the bus answers with its address, so the program never races the launcher.
dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" &
export VELMAR_PROGRAM_PID=$!
trap 'kill $VELMAR_PROGRAM_PID 2>/dev/null || true' EXIT
/usr/bin/python3 "$here/screen_reader_view.py"
