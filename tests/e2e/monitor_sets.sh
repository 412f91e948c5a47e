# The monitor sets the placement tests open the game on, Qt's and Windows'
# alike, as RandR monitors on one X screen. Source it, then:
#
#   monitor_set SET     sets SCREEN_SIZE, monitors (xrandr --setmonitor
#                       geometries, the first the primary one) and expected
#                       (the monitor the frame must stand on: X Y W H)
#     side_by_side      1920x1080, 1280x1024 and 1024x768, tops aligned: on
#                       the second, which holds the desktop's middle
#     portrait          1920x1080 and a portrait 1080x1920 below and to its
#                       right: the middle is on neither and as near to both,
#                       so on the primary one, the first
#   on_expected_monitor SET LEFT TOP RIGHT BOTTOM
#                       checks that the outer frame stands wholly on the
#                       expected monitor and centred on it within 2 pixels
monitor_set() {
  case "$1" in
    side_by_side)
      SCREEN_SIZE=4224x1080
      monitors=("1920/508x1080/286+0+0" "1280/338x1024/270+1920+0" "1024/270x768/203+3200+0")
      expected=(1920 0 1280 1024) ;;
    portrait)
      SCREEN_SIZE=3000x3000
      monitors=("1920/508x1080/286+0+0" "1080/286x1920/508+1920+1080")
      expected=(0 0 1920 1080) ;;
    *) return 1 ;;
  esac
}

on_expected_monitor() {
  local set=$1 left=$2 top=$3 right=$4 bottom=$5 mx my mw mh
  read -r mx my mw mh <<<"${expected[*]}"
  echo "$set: frame $left,$top to $right,$bottom" >&2
  check "$set: frame wholly on the monitor at $mx,$my ${mw}x$mh" \
    [ "$left" -ge "$mx" -a "$top" -ge "$my" -a "$right" -le $((mx + mw)) -a "$bottom" -le $((my + mh)) ]
  # Twice the centre within 4 of twice the monitor's.
  check "$set: frame centred on it at $((mx + mw / 2)),$((my + mh / 2)) (centre $(((left + right) / 2)),$(((top + bottom) / 2)))" \
    [ $((left + right - 2 * mx - mw)) -ge -4 -a $((left + right - 2 * mx - mw)) -le 4 -a \
      $((top + bottom - 2 * my - mh)) -ge -4 -a $((top + bottom - 2 * my - mh)) -le 4 ]
}
