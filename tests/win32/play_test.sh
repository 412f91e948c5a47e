#!/usr/bin/env bash
# The Windows program played with real keys under Wine, as a player plays
# it: the eye and voice trials with stops aimed at the middle of their
# windows (the voice trial with Alt and the keys of S and P under a Russian
# layout), the Friends Game's hit and its error box for a target that is no
# integer (closed with Enter, the focus back in the target), the bonus, the
# hall's reveal at 500 points, the hidden trial's live readout, and the
# close button ending the program with exit code 0. Every text is read back
# from the game's windows as a screen reader reads them.
#   play_test.sh GAME LISTER START_SHOWN
set -uo pipefail
. "$(dirname "$0")/game_session.sh"
windows_programs "$1" "$2" "$3"

# A Russian keyboard in front of the US one, as setxkbmap -layout ru,us lays
# it out, on the keys of S and P (Cyrillic ы and з); Xvfb takes no layout
# from setxkbmap, and xmodmap gives the keys the symbols it would.
command -v xmodmap >/dev/null || abort "xmodmap is not installed (dev/setup installs it)"
russian_keys() {
  xmodmap -e 'keycode 39 = Cyrillic_yeru Cyrillic_YERU s S' -e 'keycode 33 = Cyrillic_ze Cyrillic_ZE p P' &&
    [ "$(xmodmap -pke | grep -E '^keycode +39 =')" = 'keycode  39 = Cyrillic_yeru Cyrillic_YERU s S' ]
}
start_wine_session russian_keys
start_windows_game
activate
measure_key_cost

# Mind's Eye: the focus starts on Button1, whose S starts the trial; a stop
# at 5.5 s lies in the middle of the 5.00 to 5.99 window.
timed_play s p 5.5
check "the eye trial is judged a success" shows " 貴 様 は す ご い ぞ ! !　ジ ャ ス ト だ !"
check "the eye total counts it" shows "1　回 、 見 切 っ た !"
check "the eye run counts it" shows "1　H i t !"

# Heart's Voice: the tab strip's Right brings it to the front; a stop at
# 0.55 s lies in the middle of the tenths digit 5, played with Alt and the
# Russian keys of S and P. At 8 points the gate text shows, and a success
# counts all the same.
turn_to 1 Right
timed_play alt+Cyrillic_yeru alt+Cyrillic_ze 0.55
check "the voice page keeps its gate below 100 points" poll 3 "the gate text" shows "100Pointまで修行してから参れ"
check "Alt+ы and Alt+з play the voice trial, counted beside the eye's" test "$(count_of "1　回 、 見 切 っ た !")" = 2

# Friends Game, four pages on with wrap-around from the first: Tab puts the
# focus in the target with its text selected. Target 0 and a stop with no
# start is a hit, which shows the bonus button.
turn_to 4 Left
xdotool key --clearmodifiers Tab 0 alt+p
check "a stop with no start hits target 0" shows "当たり!!"
check "the hit shows the bonus button" shown "裏技(笑)"
xdotool key --clearmodifiers ctrl+a a b c alt+p
error_box() { list_game && [ -n "$(records window class=Static "text='abc' は整数ではありません.")" ]; }
check "a target that is no integer raises the error box" poll 5 "the error box" error_box
box=$(records window class=\#32770 | head -n1)
check "the error box is captioned by the title" test "$(field text <<<"$box")" = Horumina
check "the error box belongs to the application window" \
  test "$(field owner <<<"$box")" = "$(records window class=TApplication | field hwnd)"
main_disabled() { list_game && [ "$(records window class=TForm1 | field enabled)" = 0 ]; }
check "the main window is disabled while the box is open" main_disabled
xdotool key --clearmodifiers Return
box_gone() { list_game && [ -z "$(records window class=\#32770)" ]; }
check "Enter closes the error box" poll 5 "the box to close" box_gone
check "the focus is back in the target" focused_on abc

# Mystery Domain, one page back: Tab reaches the bonus button, Enter takes it.
turn_to 3 Left Left
xdotool key --clearmodifiers Tab Return
check "the bonus hides its button" hidden "裏技(笑)"
# Hall of Memory: 8 + 115 + 500 points, shown by the score button, open the domain.
turn_to 2 Right Right
xdotool key --clearmodifiers Tab Return
check "the hall shows the points" shows 623
check "the hall reveals the domain's button from 500 points" shown "【隠し】 神の領域"
xdotool key --clearmodifiers Tab Return
turn_to 3 Left Left
check "the domain shows its readout" shown "偽神 : 「かかって来い..」"
xdotool key --clearmodifiers alt+s
readout_runs() {
  list_game && records window class=Edit | field text | grep -Eq '^[0-9]+ : [0-9] :[0-9] $' &&
    [ "$(records window class=Edit | field text | grep -E '^[0-9]+ : [0-9] :[0-9] $')" != "0 : 0 :0 " ]
}
check "the hidden trial's readout runs" poll 5 "the live readout" readout_runs
xdotool key --clearmodifiers alt+p
verdict() { list_game && { [ -n "$(records window text=敗北)" ] || [ -n "$(records window text=勝利)" ]; }; }
check "the hidden trial is judged" poll 5 "the verdict" verdict

# Back on the hall, Alt+C clicks the close button.
turn_to 2 Right Right
xdotool key --clearmodifiers alt+c
wait_program 10
check "the close button ends the program with exit code 0" test "$program_exit" = 0
finish
