#!/usr/bin/env bash
# Prints what the Orca screen reader speaks when keys are pressed in a Qt program: a release check
# that a blind user hears what the program means them to hear. Not part of `make test`: it needs Orca,
# takes about 15 seconds, and reads what one version of Orca says, which another may word otherwise.
#
# usage: scripts/orca-speaks.sh [PROGRAM [KEY...]]
#   PROGRAM  the program to start (default: build/dev/app/VelmarCube of this work tree)
#   KEY      keys to press in turn, in xdotool's names (ctrl+w, Escape, Tab, shift+Tab, ...)
# Prints what Orca said as the program came up and, for each key, the utterances Orca sent to speech
# after it. Exits 0 if Orca spoke something after the keys other than echoing them (or if no key was
# given), 1 if it spoke nothing, 2 if the set-up failed.
#
# Needs the packages orca, speech-dispatcher, speech-dispatcher-espeak-ng, at-spi2-core, dbus-daemon,
# python3-pyatspi, xvfb, openbox, x11-utils and xdotool (Debian 12 or 13).
#
# How it works: everything runs in a private D-Bus session (dbus-run-session) with its own runtime and
# home directories, so it neither reaches nor disturbs a desktop's screen reader or settings, on a
# private Xvfb managed by openbox (scripts/with-openbox.sh), as a window manager decides activation
# on a user's desktop. The session bus starts the accessibility bus; Orca starts next, speaking through
# speech-dispatcher and espeak-ng into ALSA's null device, and writes its debug log, where each
# utterance is a line "SPEECH OUTPUT: '...'". Orca writes that log through an ordinary buffered file;
# it is opened line-buffered here so the log can be read while Orca runs. The program starts with Qt's
# accessibility on; once Orca has presented its window and fallen quiet, each key goes in with xdotool
# and the utterances logged until Orca falls quiet again are printed. Key echoes ("left control") and
# Orca's interruptions of speech (each key press cuts off what is still being spoken) are marked, as
# they decide what a user actually hears.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [ "${1:-}" != --in-session ]; then
  program=${1:-$here/../build/dev/app/VelmarCube}
  [ $# -gt 0 ] && shift
  [ -x "$program" ] || {
    echo "orca-speaks: $program is not an executable program" >&2
    exit 2
  }
  for tool in orca speech-dispatcher dbus-run-session xdotool Xvfb openbox; do
    command -v "$tool" >/dev/null || {
      echo "orca-speaks: $tool is not installed (see the top of $0)" >&2
      exit 2
    }
  done
  work=$(mktemp -d "${TMPDIR:-/tmp}/orca-speaks.XXXXXX")
  trap 'rm -rf "$work"' EXIT
  mkdir -m 700 "$work/run" "$work/home"
  # Orca's preferences, speech-dispatcher's configuration and sockets all live under these two.
  # The session's daemons chatter on standard output and error: theirs goes to files, shown if the
  # set-up fails; the script's own output and messages go through descriptors 4 and 3.
  set +e
  XDG_RUNTIME_DIR=$work/run HOME=$work/home ORCA_SPEAKS_WORK=$work \
    timeout --kill-after=10 180 dbus-run-session -- \
    "$here/with-openbox.sh" "$0" --in-session "$(realpath "$program")" "$@" \
    3>&2 4>&1 >"$work/session.out" 2>"$work/session.err"
  status=$?
  set -e
  if [ "$status" -gt 1 ]; then
    [ "$status" = 124 ] && echo "orca-speaks: gave up after 180 seconds" >&2
    cat "$work/session.out" "$work/session.err" >&2
  fi
  exit "$status"
fi

exec 1>&4 2>&3 3>&- 4>&-
shift
program=$1
shift
work=$ORCA_SPEAKS_WORK
log=$work/orca-debug.log
pids=()
stop() {
  local pid
  for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  # Orca may hang as it shuts down; it has nothing left to say by then.
  for _ in $(seq 30); do
    kill -0 "${pids[@]}" 2>/dev/null || break
    sleep 0.1
  done
  for pid in "${pids[@]}"; do
    kill -9 "$pid" 2>/dev/null || true
  done
  # Orca spawned speech-dispatcher, which leaves the session as a daemon of its own.
  local speechd_pid=$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid
  if [ -f "$speechd_pid" ]; then
    kill "$(cat "$speechd_pid")" 2>/dev/null || true
  fi
}
trap stop EXIT

# Counts the lines of Orca's log, or 0 before Orca has written it.
lines() { if [ -f "$log" ]; then wc -l <"$log"; else echo 0; fi; }
# Waits until Orca has logged an utterance past line $1 (up to $2 seconds).
await_speech() {
  local from=$1 tries=$(($2 * 10))
  for _ in $(seq "$tries"); do
    awk -v from="$from" 'NR > from && /SPEECH OUTPUT: / {found = 1} END {exit !found}' "$log" \
      2>/dev/null && return 0
    sleep 0.1
  done
  return 1
}
# Waits until Orca's log has not grown for 1.5 seconds (up to 20 seconds).
await_quiet() {
  local before after
  before=$(lines)
  for _ in $(seq 13); do
    sleep 1.5
    after=$(lines)
    [ "$after" = "$before" ] && return 0
    before=$after
  done
}

# The accessibility bus must answer before Orca or the program looks for it.
dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
  >/dev/null
mkdir -p "$HOME/.config/speech-dispatcher"
cat >"$HOME/.config/speech-dispatcher/speechd.conf" <<'EOF'
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
Timeout 5
EOF

/usr/bin/python3 - "$log" >"$work/orca.out" 2>&1 <<'EOF' &
import builtins, runpy, sys
debug_file = sys.argv[1]
buffered_open = builtins.open
def open_line_buffered(file, mode='r', buffering=-1, *args, **kwargs):
    if file == debug_file and 'w' in mode:
        buffering = 1
    return buffered_open(file, mode, buffering, *args, **kwargs)
builtins.open = open_line_buffered
sys.argv = ['orca', '--debug-file', debug_file]
runpy.run_path('/usr/bin/orca', run_name='__main__')
EOF
pids+=($!)
# Orca says "Screen reader on" once it listens.
if ! await_speech 0 60; then
  echo "orca-speaks: Orca did not start; its output:" >&2
  cat "$work/orca.out" >&2
  exit 2
fi
await_quiet

start=$(lines)
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >"$work/program.out" 2>&1 &
pids+=($!)
if ! await_speech "$start" 60; then
  echo "orca-speaks: Orca presented nothing of $program as it started; the program's output:" >&2
  cat "$work/program.out" >&2
  exit 2
fi
await_quiet
echo "Orca $(orca --version 2>/dev/null), as $(basename "$program") started:"
awk -v from="$start" '
  NR > from && /SPEECH OUTPUT: / { sub(/^.* - SPEECH OUTPUT: /, ""); sub(/ ?\{[^{}]*\}$/, ""); print "  " $0 }
' "$log"

spoke=0
for key in "$@"; do
  from=$(lines)
  xdotool key "$key"
  sleep 1
  await_quiet
  kill -0 "${pids[1]}" 2>/dev/null || echo "orca-speaks: the program has ended" >&2
  echo "after $key:"
  # Orca handles a key event between these markers: speech there echoes the key. An interruption
  # (a key press, a window losing activation) cuts off whatever was still being spoken.
  awk -v from="$from" '
    NR <= from { next }
    /^vvvvv PROCESS ATSPI_KEY_/ { inkey = 1 }
    /^\^\^\^\^\^ PROCESS ATSPI_KEY_/ { inkey = 0 }
    /DEFAULT: Interrupting presentation/ { print "  (speech interrupted)"; next }
    /SPEECH OUTPUT: / {
      sub(/^.* - SPEECH OUTPUT: /, "")
      sub(/ ?\{[^{}]*\}$/, "")
      if (inkey) print "  " $0 " (key echo)"
      else { print "  " $0; spoken++ }
    }
    END { exit !spoken }
  ' "$log" && spoke=1
done
if [ $# -gt 0 ] && [ "$spoke" = 0 ]; then
  echo "orca-speaks: Orca spoke nothing after the keys but their echoes" >&2
  exit 1
fi
