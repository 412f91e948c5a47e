#!/usr/bin/env bash
# The Friends Game's error box in a real X session, read through the
# accessibility bus as a screen reader reads it: a target typed with markup
# in it shows exactly as typed, not as the markup would draw.
#
#   error_box_test.sh GAME SWITCH_ACCESS
set -u
game=$1 switch_access=$2
# A session bus of its own, for the accessibility bus to stand on.
[ -n "${ERROR_BOX_TEST_BUS:-}" ] || ERROR_BOX_TEST_BUS=1 exec dbus-run-session -- bash "$0" "$@"
launcher=${AT_SPI_BUS_LAUNCHER:?the build names the accessibility-bus launcher}
. "$(dirname "$0")/x_session.sh"
[ -x "$launcher" ] || abort "no accessibility-bus launcher at $launcher"
start_session
"$launcher" --launch-immediately >/dev/null 2>&1 &
bus_pid=$!
trap 'kill "$bus_pid" 2>/dev/null; stop_session' EXIT
# Assistive technology is listening, as a screen reader's desktop says.
poll 5 "the accessibility bus" "$switch_access" enable || abort "no accessibility bus in the session"
start_game "$game"
activate

key() { xdotool key --clearmodifiers "$@"; }
error_box() { box=$(xdotool search --onlyvisible --name '^horumina$' 2>/dev/null | head -n1); [ -n "$box" ]; }
xdotool mousemove --window "$win" 410 17 click 1  # the fifth tab
key Tab less b greater alt+p  # "<b>" over the target, then the stop
check "a target that is no integer opens the error box" poll 5 "the error box" error_box
check "the box reads \"'<b>' は整数ではありません.\" on the accessibility bus" \
  "$switch_access" press "'<b>' は整数ではありません." 0
error_box && key Return
check "the game still runs" kill -0 "$game_pid"
finish
