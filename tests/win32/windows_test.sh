#!/usr/bin/env bash
# The Windows program's windows as a screen reader reads them, under Wine in
# a real X session: every control of every page against the page tables,
# the frame, the owner and the title, the focus at start (table_check); then
# the translucency steps as the window manager sees them, and Alt+F4 ending
# the program with exit code 0; then all of the tables again on a screen of
# 144 pixels per inch, where the window scales by half, and once more after
# the window is told it has moved to a monitor of 96 pixels per inch and
# back again.
#   windows_test.sh GAME LISTER START_SHOWN TABLE_CHECK
set -uo pipefail
. "$(dirname "$0")/game_session.sh"
windows_programs "$1" "$2" "$3"
table_check_exe=$4
[ -s "$table_check_exe" ] || abort "$table_check_exe is missing"

start_wine_session
start_windows_game
read -r desktop_w desktop_h < <(desktop_size)
list_game || abort "the game's windows are gone"
check "every window as the tables and the layout say" tables_hold "$desktop_w" "$desktop_h"

# The window manager learns the window's opacity from Wine as
# _NET_WM_WINDOW_OPACITY, 0xffffffff for opaque; fully opaque it may drop it.
opacity() { xprop -id "$win" _NET_WM_WINDOW_OPACITY | sed -n 's/.*= //p'; }
opacity_is() {  # opacity_is ALPHA
  local want=$(($1 * 0xffffffff / 255)) got
  got=$(opacity)
  [ "${got:-4294967295}" = "$want" ] || { echo "opacity ${got:-none}, expected $want ($1 of 255)" >&2; return 1; }
}
activate
check "opaque at start" opacity_is 255
# The icon is given to the window just after its first frame.
icon_sizes() { xprop -id "$win" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | sort -u | tr '\n' ' '; }
has_icons() { [ "$(icon_sizes)" = "Icon (16 x 16) Icon (32 x 32) " ]; }
check "the window shows the game's icon, 16 and 32 pixels ($(icon_sizes))" poll 5 "the icon" has_icons
# From Button1, which has the focus at start, Tab reaches the transparency
# button past the stop button; Space clicks it.
xdotool key --clearmodifiers Tab Tab
check "the focus on the transparency button" focused_on "透明化 (Win2000/XP 以上)"
xdotool key --clearmodifiers space
check "first click: 230 of 255" poll 5 "opacity 230" opacity_is 230
for _ in $(seq 21); do xdotool key --clearmodifiers space; done
check "the 22nd click: 20 of 255" poll 5 "opacity 20" opacity_is 20
xdotool key --clearmodifiers space
check "the 23rd click: opaque again" poll 5 "opacity 255" opacity_is 255

xdotool key --clearmodifiers alt+F4
wait_program 10
check "Alt+F4 ends the program with exit code 0" test "$program_exit" = 0

# Keys pressed the moment the window is mapped, while the pages behind the
# first are still being made, are handled once they are: the eye trial
# started and stopped at once shows its verdict, the time it was stopped at.
start_program "$start_shown_exe" 1 "$(winepath -w "$game_exe")"
win=$(timeout 30 xdotool search --sync --onlyvisible --name '^- ホ ル ミ ナ - Ver 1\.00$' | head -n1)
[ -n "$win" ] || abort "the game's main window never appeared"
xdotool windowactivate --sync "$win" key --clearmodifiers s p
judged_at_once() { list_game && records window class=Edit | field text | grep -Eq '^[0-9]+ : [0-9] : [0-9]$'; }
check "keys pressed at once start and stop the eye trial" poll 5 "the eye trial's verdict" judged_at_once
xdotool windowactivate "$win" key --clearmodifiers alt+F4
wait_program 10
check "the game started at once ends with exit code 0" test "$program_exit" = 0

# At 144 pixels per inch the window font is some 18 pixels high, and every
# place, size and font of the window grows by the ratio of its real height
# to 12: by half or a little more, as the face rounds its height.
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1 ||
  abort "cannot set the screen's pixels per inch"
start_windows_game
list_game || abort "the game's windows are gone"
check "the window grows by half or more at 144 pixels per inch" \
  test "$(records window class=TForm1 | field client_w)" -ge $((494 * 3 / 2))
check "every window as the tables say, scaled alike" tables_hold "$desktop_w" "$desktop_h"

# Windows tells a window that has moved to a monitor of other pixels per
# inch with WM_DPICHANGED (Wine never does): the window lays itself out
# again at that monitor's scale, its frame's corner where Windows suggests
# it (the lister suggests the corner where the frame stands).
corner() { echo "$(records window class=TForm1 | field x) $(records window class=TForm1 | field y)"; }
before=$(corner)
rescaled() {  # rescaled DPI: the window told of DPI, then held against the tables; sets client_w
  listing=$(wine "$lister_exe" --wait 5 --dpi-changed "$1" 2>/dev/null) || { echo "$listing" >&2; return 1; }
  client_w=$(records window class=TForm1 | field client_w)
  tables_hold --moved || return 1
  [ "$(corner)" = "$before" ] || { echo "the frame moved from $before to $(corner)" >&2; return 1; }
}
check "at 96 pixels per inch every window as the tables say, unscaled" eval \
  'rescaled 96 && [ "$client_w" = 494 ]'
check "back at 144 every window scaled by half or more again" eval \
  'rescaled 144 && [ "$client_w" -ge $((494 * 3 / 2)) ]'
xdotool windowactivate "$win" key --clearmodifiers alt+F4
wait_program 10
check "the scaled window ends with exit code 0 too" test "$program_exit" = 0
finish
