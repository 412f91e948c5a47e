#!/usr/bin/env bash
# The Windows program on unequal monitors, under Wine in a real X session:
# where centring on the whole desktop would put the window across a seam or
# where no monitor is, its outer frame, as Windows has it, must stand wholly
# on one monitor, centred on it.
#
#   monitor_sets_test.sh GAME LISTER START_SHOWN SET (the sets: ../e2e/monitor_sets.sh)
#
# The monitors are RandR monitors on one Xvfb screen (xrandr --setmonitor).
# Wine reads the monitors from RandR's outputs, where Xvfb has one, the
# whole screen; it is told not to use RandR, and then reads them through
# Xinerama, which the X server answers with the RandR monitors.
set -uo pipefail
. "$(dirname "$0")/game_session.sh"
windows_programs "$1" "$2" "$3"
set=${4:-}
. "$(dirname "$0")/../e2e/monitor_sets.sh"
monitor_set "$set" || abort "unknown monitor set: '$set'"
command -v xrandr >/dev/null || abort "xrandr is not installed (dev/setup installs it)"

# Splits the screen into the set's monitors, the first on the screen's one
# output, which makes it the primary one; then Wine is to read them through
# Xinerama. Its server is ended so that Wine's first session reads it anew.
split_screen() {
  local output=screen i
  for i in "${!monitors[@]}"; do
    xrandr --setmonitor "M$i" "${monitors[i]}" "$output" >/dev/null || { echo "no monitor M$i" >&2; return 1; }
    output=none
  done
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /t REG_SZ /d N /f >/dev/null 2>&1 ||
    { echo "cannot turn Wine's RandR off" >&2; return 1; }
  wineserver -k 2>/dev/null
  wineserver -w
}
start_wine_session split_screen

# Each monitor as "X Y W H PRIMARY", from the set and from what Wine shows a
# program: the same monitors, the first of the set the primary one.
wanted=$(for i in "${!monitors[@]}"; do
  sed -E "s|^([0-9]+)/[0-9]+x([0-9]+)/[0-9]+\+([0-9]+)\+([0-9]+)$|\3 \4 \1 \2 $((i == 0))|" <<<"${monitors[i]}"
done | sort)
shown=$(wine "$lister_exe" --monitors 2>/dev/null | awk -F'\t' '$1 == "monitor" {
  for (f = 2; f <= NF; f++) { split($f, kv, "="); v[kv[1]] = kv[2] }
  print v["x"], v["y"], v["w"], v["h"], v["primary"] }' | sort)
[ "$shown" = "$wanted" ] || abort "Wine shows the monitors as [$(paste -sd, <<<"$shown")], not [$(paste -sd, <<<"$wanted")]"

start_windows_game
list_game || abort "the game's windows are gone"
main=$(records window class=TForm1)
[ "$(grep -c . <<<"$main")" = 1 ] || abort "not one main window in the listing: $main"
read -r left top width height <<<"$(for key in x y w h; do field "$key" <<<"$main"; done | paste -sd ' ')"
[[ "$left $top $width $height" =~ ^-?[0-9]+\ -?[0-9]+\ [0-9]+\ [0-9]+$ ]] || abort "no frame in the listing: $main"
right=$((left + width)) bottom=$((top + height))
# openbox moves a frame that would straddle a seam onto one monitor, but not
# to its middle: the centre tells whether the game itself put it there.
on_expected_monitor "$set" "$left" "$top" "$right" "$bottom"
finish
