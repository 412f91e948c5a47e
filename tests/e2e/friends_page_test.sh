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
key() { xdotool key --clearmodifiers "$@"; }
# copies WHAT TEXT: copies the box that has the focus (reached by keyboard, so
# all selected) until the clipboard holds TEXT; the game takes the copy key
# in its own time, so an earlier copy may answer first.
copies() {
  key ctrl+c
  clipboard_is() { clip=$(xclip -o -selection clipboard 2>/dev/null); [ "$clip" = "$1" ]; }
  poll 3 "$1 to be copied from the box" clipboard_is "$2" || { echo "the clipboard held '$clip'" >&2; return 1; }
}
error_box() { box=$(xdotool search --onlyvisible --name '^horumina$' 2>/dev/null | head -n1); [ -n "$box" ]; }
no_error_box() { ! error_box; }

activate
measure_key_cost
xdotool mousemove --window "$win" 410 17 click 1  # the fifth tab
key Tab 1  # the target box
# Target 1: a stop 1.5 s after the start is in the middle of the second that hits.
timed_play alt+s alt+p 1.5
key Tab
check "Edit13 shows the whole seconds counted" copies "Edit13's seconds" 1
key Tab Tab Tab
check "Edit18 shows a hit after Tab, Tab, Tab" copies "Edit18's verdict" "当たり!!"

key shift+Tab shift+Tab shift+Tab shift+Tab a b c  # back to the target box
timed_play alt+s alt+p 2.5
check "a target that is no integer opens the error box" poll 5 "the error box" error_box
error_box && key Return
check "the error box closes with Enter" poll 5 "the error box to close" no_error_box
activate  # the focus comes back to the target box with the window
key ctrl+a 2 alt+p Tab
check "the corrected stop judges the same counted time" copies "Edit13's seconds" 2

finish
