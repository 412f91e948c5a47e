#!/usr/bin/env bash
# The Friends Game played in a real X session through the keyboard, with
# real time passing between start and stop; the boxes are read back through
# the clipboard.
set -u
game=$1
. "$(dirname "$0")/x_session.sh"
start_session
start_game "$game"

# Keys go through XTEST to the active window, as a real keyboard's would;
# keys sent to a named window arrive without the modifiers held.
key() { xdotool key --clearmodifiers "$@"; sleep 0.1; }
# Copies the text of the box that has the focus (reached by keyboard, so all selected).
copied() { key ctrl+c; xclip -o -selection clipboard 2>/dev/null; }

# Keys reach the game only once the window manager has made it active.
activate() {
  for _ in $(seq 40); do
    xdotool windowactivate "$win" 2>/dev/null
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$win" ] && break
    sleep 0.05
  done
  sleep 0.3
}

activate
xdotool mousemove --window "$win" 410 17 click 1  # the fifth tab
sleep 0.3
key Tab  # the target box
key 1
key alt+s
sleep 1.5
key alt+p
key Tab
check "Edit13 shows the whole seconds counted" [ "$(copied)" = 1 ]
key Tab Tab Tab
check "Edit18 shows a hit after Tab, Tab, Tab" [ "$(copied)" = "当たり!!" ]

key shift+Tab shift+Tab shift+Tab shift+Tab  # back to the target box
key a b c
key alt+s
sleep 2.4
key alt+p
sleep 0.5
box=$(xdotool search --onlyvisible --name '^horumina$' 2>/dev/null | head -n1)
check "a target that is no integer opens the error box" [ -n "$box" ]
[ -n "$box" ] && key Return
sleep 0.3
check "the error box closes with Enter" [ -z "$(xdotool search --onlyvisible --name '^horumina$' 2>/dev/null)" ]
activate  # the focus comes back to the target box with the window
key ctrl+a 2
key alt+p
key Tab
judged=$(copied)
check "the corrected stop judges the same counted time (Edit13: $judged)" [ "$judged" = 2 ]

finish
