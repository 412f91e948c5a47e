#!/usr/bin/env bash
# The game as a player's desktop meets it after installing the package: the
# menu entry leads to the installed program, the icon theme has its icon at
# every size, and the program opens its window and closes cleanly.
set -u
prefix=${1:-/usr}
id=io.github.horumina.Horumina
. "$(dirname "$0")/x_session.sh"

entry=$prefix/share/applications/$id.desktop
exec_line=$(sed -n 's/^Exec=//p' "$entry")
# A player's PATH on Debian ends in /usr/local/games:/usr/games; root's has
# neither. The prefix's own games folder goes first, so a copy installed
# elsewhere on the machine is not the one found.
check "the menu entry starts the installed program (Exec=$exec_line)" \
  [ "$(PATH=$prefix/games:$PATH; command -v "$exec_line")" = "$prefix/games/horumina" ]
icon=$(sed -n 's/^Icon=//p' "$entry")
for size in 16 32 48 64 128 256; do
  check "the ${size}x${size} icon is installed" [ -s "$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png" ]
done

start_session
start_game "$prefix/games/horumina"

check "caption" [ "$(xprop -id "$win" _NET_WM_NAME)" = '_NET_WM_NAME(UTF8_STRING) = "- ホ ル ミ ナ - Ver 1.00"' ]
window_pid=$(xprop -id "$win" _NET_WM_PID | sed 's/.*= //')
check "the window belongs to the installed program ($(readlink "/proc/$window_pid/exe"))" \
  [ "$(readlink "/proc/$window_pid/exe")" = "$prefix/games/horumina" ]
# How an X desktop tells which menu entry, and so which icon, the window is.
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
check "the window's class is the menu entry's ($(xprop -id "$win" WM_CLASS))" \
  grep -q ", \"${wm_class:-none}\"\$" <<<"$(xprop -id "$win" WM_CLASS)"
check "the window has an icon" grep -q 'Icon (32 x 32)' <<<"$(xprop -id "$win" _NET_WM_ICON)"

xdotool windowactivate --sync "$win" 2>/dev/null
xdotool key --clearmodifiers alt+F4
wait_exit 5
check "Alt+F4 ends the game with exit code 0 (got '${exit_code}')" [ "$exit_code" = 0 ]

finish
