#!/usr/bin/env bash
# Unequal monitors on one X screen, where centring on the whole desktop
# would put the window across a seam or where no monitor is: its outer
# frame, as the X server has it, must stand wholly on one monitor, centred.
#
#   monitor_sets_test.sh GAME SET (the sets: monitor_sets.sh)
set -u
game=$1 set=$2
. "$(dirname "$0")/monitor_sets.sh"
monitor_set "$set" || { echo "unknown monitor set: $set" >&2; exit 2; }
. "$(dirname "$0")/x_session.sh"
command -v xrandr >/dev/null || abort "xrandr is not installed (dev/setup installs it)"
start_session
# The first monitor takes the screen's one output, which makes it the primary one.
output=screen
for i in "${!monitors[@]}"; do
  xrandr --setmonitor "M$i" "${monitors[i]}" "$output" >/dev/null || abort "no monitor M$i"
  output=none
done
[ "$(xrandr --listmonitors | head -n1)" = "Monitors: ${#monitors[@]}" ] ||
  abort "the screen is not split into ${#monitors[@]}: $(xrandr --listmonitors)"

start_game "$game"
read_frame "$win" || abort "the frame cannot be read"
on_expected_monitor "$set" $((x - l)) $((y - t)) $((x + w + r)) $((y + h + b))
stop_game
finish
