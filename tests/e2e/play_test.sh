#!/usr/bin/env bash
# Plays the built game in a real X session with real keys and real time, and
# reads the verdicts off the screen by their colours.
set -u
game=$1
. "$(dirname "$0")/x_session.sh"
start_session
start_game "$game"
xdotool windowactivate --sync "$win" 2>/dev/null

read -r cx cy < <(xwininfo -id "$win" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}')
# Pages start 12, 31 into the window; the verdict box stands at 136, 48 on both
# training pages, 233 x 20.
has_colour() {  # has_colour R G B: does the verdict box show text near that colour?
  import -window root -crop "233x20+$((cx + 12 + 136))+$((cy + 31 + 48))" +repage png:- 2>/dev/null |
    convert png:- txt:- | tr -c '0-9\n' ' ' |
    awk -v r="$1" -v g="$2" -v b="$3" 'function d(x, y) { return x > y ? x - y : y - x }
      NF >= 5 && d($3, r) <= 24 && d($4, g) <= 24 && d($5, b) <= 24 { n++ } END { exit !(n >= 3) }'
}

# Mind's Eye: the focus starts on the start button; stop at about 5.5 s.
not() { ! "$@"; }
check "the eye prompt is not green before the trial" not has_colour 0 128 0
xdotool key --clearmodifiers s
sleep 5.5
xdotool key --clearmodifiers p
sleep 0.3
check "an eye stop at 5.5 s is a success, painted green" has_colour 0 128 0

# Heart's Voice: stop at about 3.55 s, the tenths digit 5, a success in sky blue.
xdotool mousemove $((cx + 8 + 120)) $((cy + 8 + 10)) click 1
sleep 0.3
check "nothing sky blue before the voice trial" not has_colour 166 202 240
xdotool key --clearmodifiers alt+s
sleep 3.55
xdotool key --clearmodifiers alt+p
sleep 0.3
check "a voice stop at 3.55 s is a success, painted sky blue" has_colour 166 202 240

xdotool key --clearmodifiers alt+F4
wait_exit 5
check "closed with exit code 0 (got '${exit_code}')" [ "$exit_code" = 0 ]
finish
