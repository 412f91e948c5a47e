#!/usr/bin/env bash
# The built game in a real X session, looked at from outside as a player's
# desktop sees it.
set -u
game=$1
. "$(dirname "$0")/x_session.sh"
start_session
start_game "$game"

check "caption" [ "$(xprop -id "$win" _NET_WM_NAME)" = '_NET_WM_NAME(UTF8_STRING) = "- ホ ル ミ ナ - Ver 1.00"' ]

# start_game has waited for the frame to settle where the game put it.
frame_centred "$win" && centred=yes || centred=no
check "client size 494 x 265 (was ${w} x ${h})" [ "$w" = 494 -a "$h" = 265 ]
check "outer frame centred on the 1024 x 768 desktop (frame at $((x - l)),$((y - t)))" [ "$centred" = yes ]

# The program's one window, with its own entry in task bars and switchers.
check "an ordinary window ($(xprop -id "$win" _NET_WM_WINDOW_TYPE))" \
  [ "$(xprop -id "$win" _NET_WM_WINDOW_TYPE)" = '_NET_WM_WINDOW_TYPE(ATOM) = _NET_WM_WINDOW_TYPE_NORMAL' ]
check "transient for no other window" grep -q 'not found' <<<"$(xprop -id "$win" WM_TRANSIENT_FOR)"

hints=$(xprop -id "$win" WM_NORMAL_HINTS)
check "not resizable" grep -q 'program specified minimum size: 494 by 265' <<<"$hints"
check "not resizable (max)" grep -q 'program specified maximum size: 494 by 265' <<<"$hints"

# Motif hints: flags, functions, decorations. No minimise (8) or maximise (16).
functions=$(xprop -id "$win" _MOTIF_WM_HINTS | sed 's/.*= //' | cut -d, -f2 | tr -d ' ')
check "no minimise or maximise box (functions $functions)" [ $((functions & 24)) -eq 0 -a $((functions & 32)) -ne 0 ]

# The window's opacity in 255ths, "none" when it has none set.
opacity() {
  local v
  v=$(xprop -id "$win" _NET_WM_WINDOW_OPACITY | sed -n 's/.*= //p')
  [ -n "$v" ] && echo $(((v + 8421504) / 16843009)) || echo none
}
opacity_is() { [ "$(opacity)" = "$1" ]; }
activate
check "opaque at start (got $(opacity))" [ "$(opacity)" = 255 -o "$(opacity)" = none ]
# The focus starts on Button1; two Tabs reach the transparency button.
xdotool key --clearmodifiers Tab Tab space
check "one click of the transparency button gives 230 of 255" poll 3 "opacity 230" opacity_is 230
xdotool key --clearmodifiers space space
check "two more clicks give 210" poll 3 "opacity 210" opacity_is 210

xdotool key --clearmodifiers alt+F4
wait_exit 5
check "Alt+F4 ends the game with exit code 0 (got '${exit_code}')" [ "$exit_code" = 0 ]

finish
