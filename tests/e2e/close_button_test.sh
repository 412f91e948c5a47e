#!/usr/bin/env bash
# The Hall of Memory's close button ends the game, clicked or by Alt+C.
set -u
game=$1
. "$(dirname "$0")/x_session.sh"
start_session

# Client coordinates: the Hall of Memory's tab, and the close button's centre
# (page corner 12, 31 plus the button's 304, 168 and half its 75 x 25).
hall_tab=(236 17)
close_button=(353 211)

start_game "$game"
activate
capture
prompt=$pixels
xdotool key --clearmodifiers alt+c
wait_exit 1
check "Alt+C does nothing on the first page" [ -z "$exit_code" ]
# The keys reach the window all the same: Alt+S and Alt+P, pressed the same
# way, play the eye trial, whose verdict takes the prompt's place.
xdotool key --clearmodifiers alt+s alt+p
verdict_shown() { capture; [ "$pixels" != "$prompt" ]; }
check "Alt+S and Alt+P pressed the same way reach the window" poll 3 "the eye trial's verdict" verdict_shown
xdotool mousemove --window "$win" "${hall_tab[@]}" click 1

xdotool key --clearmodifiers alt+c
wait_exit 5
check "Alt+C on the Hall of Memory ends the game with exit code 0 (got '${exit_code}')" [ "$exit_code" = 0 ]

start_game "$game"
xdotool windowactivate --sync "$win" 2>/dev/null
xdotool mousemove --window "$win" "${hall_tab[@]}" click 1

xdotool mousemove --window "$win" "${close_button[@]}" click 1
wait_exit 5
check "a click on 閉じる(&C) ends the game with exit code 0 (got '${exit_code}')" [ "$exit_code" = 0 ]

finish
