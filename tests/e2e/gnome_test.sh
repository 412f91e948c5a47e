#!/usr/bin/env bash
# The built game on GNOME's compositor, mutter, nested in a private X server,
# on native Wayland, where the window draws its own title bar. Read off shots
# of the X server: the title bar offers no maximise button and fades with the
# window, Alt and the Cyrillic keys of S and P work as Qt's mnemonics do, and
# the error box opens over the window as its modal child.
#
#   gnome_test.sh GAME SWITCH_ACCESS BLEND_COUNT
set -u
game=$1 switch_access=$2 blend_count=$3
SCREEN_SIZE=1280x800
. "$(dirname "$0")/x_session.sh"
. "$(dirname "$0")/accessibility_bus.sh"
for tool in mutter xmodmap; do
  command -v "$tool" >/dev/null || abort "$tool is not installed (dev/setup installs it)"
done
start_session
start_accessibility_bus
# A keyboard with a Cyrillic layout first and the Latin one second, as a
# ru,us keyboard has them, on the keys of S and P (Cyrillic ы and з): mutter
# hands the X server's keyboard on to its Wayland clients.
xmodmap -e 'keycode 39 = Cyrillic_yeru Cyrillic_YERU s S' -e 'keycode 33 = Cyrillic_ze Cyrillic_ZE p P' ||
  abort "xmodmap could not set the Cyrillic keys"
export XDG_RUNTIME_DIR
XDG_RUNTIME_DIR=$(mktemp -d)
stop_gnome() {
  [ -n "${game_pid:-}" ] && kill "$game_pid" 2>/dev/null
  kill "${bus_pid:-}" "${mutter_pid:-}" 2>/dev/null
  stop_session
  rm -rf "$XDG_RUNTIME_DIR"
}
trap stop_gnome EXIT
# mutter draws through Mesa's software renderer, which keeps the shaders it
# compiles in a cache on disk. A cache of the test's own, new each run, has
# every run start as a new machine's first does: the shaders for mutter's
# background and for the game's window are compiled while the test waits.
MESA_SHADER_CACHE_DIR=$XDG_RUNTIME_DIR MUTTER_DEBUG_DUMMY_MODE_SPECS=1200x760 mutter --nested --wayland --no-x11 --wayland-display=wayland-gnome \
  >"$XDG_RUNTIME_DIR/mutter.log" 2>&1 &
mutter_pid=$!
poll 20 "mutter to open its Wayland display" test -S "$XDG_RUNTIME_DIR/wayland-gnome" ||
  { cat "$XDG_RUNTIME_DIR/mutter.log" >&2; abort "mutter did not start"; }
# mutter's output is a window of the X server's, where openbox puts it; the
# shots are of the whole X screen.
# Uncompressed: a PNG of the screen takes over a second to write.
SHOT_KIND=ppm
shoot() { import -window root "$1"; }
crop() {  # crop SHOT W H X Y: prints the path of that part of the shot
  local part=${1%.ppm}-$2x$3+$4+$5.ppm
  convert "$1" -crop "$2x$3+$4+$5" +repage "$part" && echo "$part"
}
# The X screen stays black where mutter's output has not been drawn yet: the
# desktop's shot waits until its middle shows mutter's background.
mutter_drawn() {
  local shot
  shot=$(mktemp -p "$shots_dir" XXXXXX.ppm) && shoot "$shot" &&
    [ "$(convert "$shot" -crop 1x1+640+400 -format '%[fx:mean > 0]' info:)" = 1 ]
}
poll 20 "mutter to draw its output" mutter_drawn || abort "mutter never drew its output on the X screen"
empty=$(steady_shot shoot)
shot_now() { local f; f=$(mktemp -p "$shots_dir" XXXXXX.ppm) && shoot "$f" && echo "$f"; }

game_log=$(mktemp)
env -u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY=wayland-gnome "$game" >"$game_log" 2>&1 &
game_pid=$!
button='透明化 (Win2000/XP 以上)'
"$switch_access" press "$button" 0 || abort "the game never came on the accessibility bus"
on_bus=$(now_ms)
# The window, title bar and border included: what it changed on the screen,
# read off SHOT into bw bh bx by; true when all of the window is there.
window_in() {
  read -r bw bh bx by < <(compare "$empty" "$1" -compose src -highlight-color white -lowlight-color black miff:- 2>/dev/null |
    convert miff:- -trim -format '%w %h %X %Y' info: 2>/dev/null | tr -d '+')
  [ -n "${by:-}" ] && [ "$bw" -ge 494 ] && [ "$bh" -ge 265 ]
}
# The game is on the bus before its window is on the screen: mutter first
# compiles the shaders that draw a new window (with no shader cache, as on a
# new machine, that alone takes some tenths of a second, longer on a busy
# one), then zooms the window in. The screen may hold still in the meantime.
window_drawn() { window_in "$(shot_now)"; }
poll 20 "mutter to draw the game's window" window_drawn ||
  abort "the game's window is not on the screen (found ${bw:-nothing}x${bh:-nothing})"
echo "the window was whole on the screen $(($(now_ms) - on_bus)) ms after the game came on the bus" >&2
before=$(steady_shot shoot)
window_in "$before" || abort "the game's window is no longer whole on the screen (found ${bw:-nothing}x${bh:-nothing})"
border=$(((bw - 494) / 2))
title=$((bh - 265 - 2 * border))
echo "window at $bx,$by, ${bw}x${bh}: border $border, title bar $title px" >&2
[ "$title" -ge 16 ] || abort "the window has no title bar of its own ($title px)"

# The buttons stand at the right of the title bar: count the marks drawn there,
# runs of columns with dark pixels.
marks=$(convert "$(crop "$before" 100 "$title" $((bx + bw - border - 100)) $((by + border)))" txt:- |
  sed -n 's/^\([0-9]*\),[0-9]*: *(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3 \4/p' |
  awk '$2 + $3 + $4 < 300 {dark[$1] = 1} END {for (x = 0; x < 100; x++) {if (dark[x] && !dark[x - 1] && !dark[x - 2] && !dark[x - 3]) n++}; print n + 0}')
check "the title bar offers one button, close ($marks marks at its right end)" [ "$marks" = 1 ]

# The fading reaches the title bar: the part of it between the icon and the
# caption blends over the desktop as the rest of the window does.
check "three presses go through the accessibility bus" "$switch_access" press "$button" 3
strip() { crop "$1" 120 $((title - 8)) $((bx + border + 40)) $((by + border + 4)); }
# A slow game (a sanitizer's build) may hold still between two steps of the
# fading: the last step is waited for, for up to 5 s.
for _ in $(seq 10); do
  faded=$(steady_shot shoot)
  read -r _ changed _ blended < <("$blend_count" "$(strip "$empty")" "$(strip "$before")" "$(strip "$faded")" 210)
  [ "${blended:-0}" -ge $((120 * (title - 8) / 2)) ] && break
  sleep 0.5
done
check "the title bar blends over the desktop at 210 of 255 ($blended of $((120 * (title - 8))) pixels, $changed changed)" \
  [ "${blended:-0}" -ge $((120 * (title - 8) / 2)) ]

# Alt and the Cyrillic keys of S and P start and stop the eye trial, as Qt's
# own mnemonics take them: its verdict box turns from the prompt to a verdict.
# Clicked first on the margin left of the notebook, where no control is, for
# the keyboard's focus.
verdict_box() { crop "$1" 233 20 $((bx + 12 + 136)) $((by + title + 31 + 48)); }
xdotool mousemove $((bx + 4)) $((by + title + 100)) click 1
prompt=$(verdict_box "$(shot_now)")
xdotool key alt+Cyrillic_yeru sleep 0.2 key alt+Cyrillic_ze
judged() { [ "$(compare -metric AE "$prompt" "$(verdict_box "$(shot_now)")" null: 2>&1)" -ge 100 ]; }
check "Alt with the Cyrillic keys of S and P starts and stops the eye trial" poll 5 "a verdict in the eye page's box" judged

# A target that is no number gives the error box at the stop.
changed_over_window() {  # changed_over_window SHOT SHOT: pixels that differ over the window
  compare -metric AE "$(crop "$1" "$bw" "$bh" "$bx" "$by")" "$(crop "$2" "$bw" "$bh" "$bx" "$by")" null: 2>&1
}
xdotool mousemove $((bx + border + 430)) $((by + border + title + 18)) click 1   # the Friends Game's tab
xdotool mousemove $((bx + border + 70)) $((by + border + title + 58)) click 1 key End BackSpace BackSpace BackSpace type x   # its target, emptied without selecting: a selection goes to the clipboard, whose data Qt's Wayland plug-in leaves unfreed at exit
# A caret blinks in the page from here on: the shots are single ones, and
# the box is seen by how much of the window it changes.
typed=$(shot_now)
[ "$(changed_over_window "$faded" "$typed")" -ge 20000 ] || abort "the Friends Game page never came to the front"
# By the accelerators: the voice page's buttons bear the same names.
xdotool key alt+s alt+p
box_over_window() { error=$(shot_now) && [ "$(changed_over_window "$error" "$typed")" -ge 20000 ]; }
check "the error box shows over the window" poll 5 "the error box over the window" box_over_window
all=$(compare -metric AE "$error" "$typed" null: 2>&1)
inside=$(changed_over_window "$error" "$typed")
echo "after the error: $inside pixels changed over the window, $((all - inside)) beside it" >&2
check "and nowhere beside it ($((all - inside)) pixels)" [ $((all - inside)) -le 500 ]
# Its OK takes the Enter key, and the window shows its page again.
xdotool key Return
box_gone() { [ "$(changed_over_window "$(shot_now)" "$typed")" -lt 2000 ]; }
check "Enter closes the error box" poll 5 "the error box to close" box_gone
check "the game still runs" kill -0 "$game_pid"
# The cross at the title bar's right end ends the game.
xdotool mousemove $((bx + bw - border - 12)) $((by + border + title / 2)) click 1
wait_exit 5
check "its close button ends the game with exit code 0 (${exit_code:-still running})" [ "$exit_code" = 0 ]
finish
