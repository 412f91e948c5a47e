#!/usr/bin/env bash
# Runs a command as a screen reader's desktop would host it: a private X
# server with a window manager, a session bus and the accessibility bus, and
# Qt's bridge to it switched on.
set -u
# The build finds the bus launcher; where it lives differs between systems.
launcher=${AT_SPI_BUS_LAUNCHER:?the build names the accessibility-bus launcher}
[ -x "$launcher" ] || { echo "no accessibility-bus launcher at $launcher" >&2; exit 1; }
. "$(dirname "$0")/x_session.sh"
start_session
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# The buses' daemons outlive nothing but must not hold on to our output:
# they write elsewhere, and the command's output is passed on at the end.
out=$(mktemp)
OUT="$out" LAUNCHER="$launcher" dbus-run-session -- bash -c '
  "$LAUNCHER" --launch-immediately & launcher=$!
  bus_up() { dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress; }
  for _ in $(seq 200); do bus_up && break; sleep 0.05; done
  bus_up || { echo "ABORTED: the accessibility bus never came up" >"$OUT"; exit 1; }
  "$@" >"$OUT" 2>&1; rc=$?
  kill "$launcher"; exit "$rc"' bus "$@" </dev/null >/dev/null 2>&1
rc=$?
cat "$out"
rm -f "$out"
exit "$rc"
