#!/usr/bin/env bash
# Runs a command with Qt's accessibility on from its start, as on a screen reader's desktop: inside a
# private D-Bus session whose accessibility bus answers before the command starts; it gives up after
# two minutes rather than hang. Usage: run-with-accessibility.sh <command> [arguments...]
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
# Qt looks for the accessibility bus as the program starts: wake the bus launcher through D-Bus and wait
# until the bus answers with its address, so the program never races the launcher.
dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
