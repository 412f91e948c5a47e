#!/usr/bin/env bash
# The built game in a Wayland session (weston, headless), started as its menu
# entry starts it; its transparency button pressed through the accessibility
# bus, as a switch-access user would, for a compositor takes no injected keys,
# and the window seen to fade on the compositor's screenshots.
#
#   wayland_test.sh xwayland|native GAME SWITCH_ACCESS BLEND_COUNT
set -u
mode=$1 game=$2 switch_access=$3 blend_count=$4
. "$(dirname "$0")/x_session.sh"
. "$(dirname "$0")/wayland_session.sh"
button='透明化 (Win2000/XP 以上)'

if [ "$mode" = xwayland ]; then start_weston --xwayland; else start_weston; fi
empty=$(steady_screenshot)
start_game_in_session "$game"
check "the game's button is on the accessibility bus" "$switch_access" press "$button" 0
if [ "$mode" = xwayland ]; then
  on_xwayland() { [ -n "$(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null)" ]; }
  check "the game is an X client of XWayland's display $DISPLAY" on_xwayland
  # Why XWayland, which weston starts when its first client comes, let none in.
  on_xwayland || { echo "weston's log, ending:" >&2; tail -n 40 "$weston_log" >&2; }
fi
check_fades "$empty" steady_screenshot

check "the game still runs" kill -0 "$game_pid"
check "no opacity warning on stderr" [ -z "$(grep -i opacity "$game_log")" ]
finish
