#!/usr/bin/env bash
# Unequal monitors on one X screen, where centring on the whole desktop
# would put the window across a seam or where no monitor is: its outer
# frame, as the X server has it, must stand wholly on one monitor, centred.
#
#   monitor_sets_test.sh GAME SET
#     side_by_side  1920x1080, 1280x1024 and 1024x768, tops aligned: on the
#                   second, which holds the desktop's middle
#     portrait      1920x1080 and a portrait 1080x1920 below and to its
#                   right: the middle is on neither and as near to both, so
#                   on the primary one, the first
set -u
game=$1 set=$2
case "$set" in
  side_by_side)
    SCREEN_SIZE=4224x1080
    monitors=("1920/508x1080/286+0+0" "1280/338x1024/270+1920+0" "1024/270x768/203+3200+0")
    expected=(1920 0 1280 1024) ;;
  portrait)
    SCREEN_SIZE=3000x3000
    monitors=("1920/508x1080/286+0+0" "1080/286x1920/508+1920+1080")
    expected=(0 0 1920 1080) ;;
  *) echo "unknown monitor set: $set" >&2; exit 2 ;;
esac
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
read -r mx my mw mh <<<"${expected[*]}"
read_frame "$win" || abort "the frame cannot be read"
left=$((x - l)) top=$((y - t)) right=$((x + w + r)) bottom=$((y + h + b))
echo "$set: frame $left,$top to $right,$bottom" >&2
check "$set: frame wholly on the monitor at $mx,$my" \
  [ "$left" -ge "$mx" -a "$top" -ge "$my" -a "$right" -le $((mx + mw)) -a "$bottom" -le $((my + mh)) ]
check "$set: frame centred on it at $((mx + mw / 2)),$((my + mh / 2)) (centre $(((left + right) / 2)),$(((top + bottom) / 2)))" \
  [ $((left + right - 2 * mx - mw)) -ge -4 -a $((left + right - 2 * mx - mw)) -le 4 -a \
    $((top + bottom - 2 * my - mh)) -ge -4 -a $((top + bottom - 2 * my - mh)) -le 4 ]
stop_game
finish
