#!/usr/bin/env bash
# Two monitors side by side on one X screen of 3840 x 1080, with the game
# scaled up three ways: centred on the whole screen its outer frame would
# straddle the seam, so, as the X server has it, it must stand at the middle
# of the primary monitor, the left one, and wholly on it.
set -u
game=$1
SCREEN_SIZE=3840x1080
. "$(dirname "$0")/x_session.sh"
for tool in xrandr xrdb; do
  command -v "$tool" >/dev/null || abort "$tool is not installed (dev/setup installs it)"
done
start_session
xrandr --setmonitor LEFT 1920/508x1080/286+0+0 screen >/dev/null || abort "no monitor LEFT"
xrandr --setmonitor RIGHT 1920/508x1080/286+1920+0 none >/dev/null || abort "no monitor RIGHT"
[ "$(xrandr --listmonitors | head -n1)" = "Monitors: 2" ] || abort "the screen is not split in two: $(xrandr --listmonitors)"

# The outer frame's middle within 2 px of the left monitor's, and no edge off it.
centred_on_left() {
  local what=$1 left top right bottom
  read_frame "$win" || { check "$what: the frame can be read" false; return; }
  left=$((x - l)) top=$((y - t)) right=$((x + w + r)) bottom=$((y + h + b))
  echo "$what: frame $left,$top to $right,$bottom" >&2
  check "$what: frame centred at 960,540 (centre $(((left + right) / 2)),$(((top + bottom) / 2)))" \
    [ $((left + right - 1920)) -ge -4 -a $((left + right - 1920)) -le 4 -a $((top + bottom - 1080)) -ge -4 -a $((top + bottom - 1080)) -le 4 ]
  check "$what: frame wholly on the left monitor" [ "$left" -ge 0 -a "$top" -ge 0 -a "$right" -le 1920 -a "$bottom" -le 1080 ]
}

QT_SCALE_FACTOR=2 start_game "$game"
centred_on_left "QT_SCALE_FACTOR=2"
stop_game

echo 'Xft.dpi: 192' | xrdb -merge
start_game "$game"
centred_on_left "Xft.dpi: 192"
stop_game
xrdb -remove

# Each monitor its own factor, either way round.
for factors in "LEFT=2;RIGHT=1" "LEFT=1;RIGHT=2"; do
  QT_SCREEN_SCALE_FACTORS=$factors start_game "$game"
  centred_on_left "QT_SCREEN_SCALE_FACTORS=$factors"
  stop_game
done
finish
