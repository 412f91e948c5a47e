#!/usr/bin/env bash
# The built game on sway (headless, drawn by pixman) through sway's XWayland,
# as a sway player meets it: its transparency button pressed through the
# accessibility bus, and the window seen to fade on sway's own screenshots.
# sway refuses to run as root, so it runs as an unprivileged user made for
# the test and lets the test's own user onto its XWayland.
#
#   sway_test.sh GAME SWITCH_ACCESS BLEND_COUNT
set -u
game=$1 switch_access=$2 blend_count=$3
. "$(dirname "$0")/x_session.sh"
. "$(dirname "$0")/accessibility_bus.sh"
for tool in sway grim useradd runuser xhost; do
  command -v "$tool" >/dev/null || abort "$tool is not installed (dev/setup installs it)"
done
[ "$(id -u)" -eq 0 ] || abort "the test makes a user to run sway as, and so runs as root"
player=horumina-sway
id "$player" >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$player" ||
  abort "cannot make the user $player"

runtime=$(mktemp -d)
chown "$player" "$runtime"
chmod 700 "$runtime"
cat >"$runtime/config" <<CONF
output HEADLESS-1 mode 1024x768 position 0 0
xwayland enable
exec sh -c 'xhost +si:localuser:root && echo "\$DISPLAY" >$runtime/display'
CONF
stop_sway() {
  [ -n "${game_pid:-}" ] && kill "$game_pid" 2>/dev/null
  kill "${bus_pid:-}" "${sway_pid:-}" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$runtime" "$shots_dir"
}
trap stop_sway EXIT
runuser -u "$player" -- env -i PATH="$PATH" HOME="$runtime" XDG_RUNTIME_DIR="$runtime" WLR_BACKENDS=headless \
  WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 sway --config "$runtime/config" >"$runtime/sway.log" 2>&1 &
sway_pid=$!
sway_up() { [ -s "$runtime/display" ] && ls "$runtime"/wayland-* >/dev/null 2>&1; }
poll 20 "sway to start with XWayland" sway_up || { cat "$runtime/sway.log" >&2; abort "sway did not start"; }
export WAYLAND_DISPLAY DISPLAY
WAYLAND_DISPLAY=$(ls "$runtime"/wayland-* | grep -v lock | head -n1)
DISPLAY=$(cat "$runtime/display")
start_accessibility_bus

empty=$(steady_shot grim)
game_log=$(mktemp)
XDG_RUNTIME_DIR=$runtime env -u QT_QPA_PLATFORM "$game" >"$game_log" 2>&1 &
game_pid=$!
button='透明化 (Win2000/XP 以上)'
check "the game's button is on the accessibility bus" "$switch_access" press "$button" 0
check "the game plays through XWayland" [ -n "$(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null)" ]
check_fades "$empty" steady_shot grim
check "the game still runs" kill -0 "$game_pid"
finish
