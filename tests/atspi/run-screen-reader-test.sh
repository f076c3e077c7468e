#!/usr/bin/env bash
# Starts a private D-Bus session with its own accessibility bus, the program with Qt's accessibility
# on, and the AT-SPI checks against it; everything it started ends with it, and it gives up after two
# minutes rather than hang. Usage: run-screen-reader-test.sh <VelmarCube binary>
set -euo pipefail
if [ -z "${VELMAR_IN_PRIVATE_SESSION:-}" ]; then
  export VELMAR_IN_PRIVATE_SESSION=1
  exec timeout --kill-after=10 120 dbus-run-session -- "$0" "$@"
fi
here=$(dirname "$0")
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" &
program=$!
trap 'kill $program $launcher 2>/dev/null || true' EXIT
/usr/bin/python3 "$here/screen_reader_view.py"
