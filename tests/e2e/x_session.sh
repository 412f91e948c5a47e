# Shared by the real-window tests: a private X server with a window manager,
# the game started in it, and small checks that count passes and failures.
# Source it, then call start_session and start_game. SCREEN_SIZE, when set
# before start_session, gives the X screen another size than 1024x768.

passed=0
failed=0
check() {  # check "what" command...
  local what=$1; shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $what" >&2; fi
}
finish() {
  # What the game printed, when something went wrong.
  [ "$failed" -ne 0 ] && [ -n "${game_log:-}" ] && tail -n 60 "$game_log" >&2
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
}
# Stops the test at once: a step it cannot do leaves nothing to check.
abort() { echo "ABORTED: $*" >&2; failed=$((failed + 1)); finish; exit 1; }

# Every tool the tests call comes from dev/setup; a missing one fails the run.
for tool in Xvfb openbox xdotool xprop xwininfo xclip import convert; do
  command -v "$tool" >/dev/null || abort "$tool is not installed (dev/setup installs it)"
done

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# poll SECONDS "what it waits for" command...: runs the command until it
# succeeds; when the time runs out, says what never came and fails.
poll() {
  local limit=$1 what=$2 deadline=$(($(now_ms) + $1 * 1000))
  shift 2
  until "$@"; do
    if [ "$(now_ms)" -ge "$deadline" ]; then
      echo "TIMED OUT: waited ${limit} s for $what" >&2
      return 1
    fi
    sleep 0.05
  done
}

# A private X server with openbox on it. Another X server of the machine
# (a Wayland compositor's XWayland among them) can, for a moment, answer on
# the display number the new server was given; openbox then cannot open it,
# and the session is made again on a new server, at most three times.
start_session() {
  trap stop_session EXIT
  local attempt
  for attempt in 1 2 3; do
    try_session && return
    echo "no window manager on $DISPLAY (try $attempt of 3): $(cat "$wm_log")" >&2
    kill "$wm_pid" "$xvfb_pid" 2>/dev/null
    wait "$wm_pid" "$xvfb_pid" 2>/dev/null
  done
  abort "no X session with a window manager after three tries"
}

try_session() {
  local fd_file
  fd_file=$(mktemp)
  wm_log=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${SCREEN_SIZE:-1024x768}x24" -nolisten tcp 3>"$fd_file" 2>/dev/null &
  xvfb_pid=$!
  poll 10 "Xvfb to name its display" test -s "$fd_file" || abort "no X server"
  export DISPLAY=":$(head -n1 "$fd_file")"
  rm -f "$fd_file"
  openbox >"$wm_log" 2>&1 &
  wm_pid=$!
  # Ready when it announces what it supports (frame extents among them).
  wm_ready() { xprop -root _NET_SUPPORTED 2>/dev/null | grep -q '_NET_FRAME_EXTENTS'; }
  wm_failed() { ! kill -0 "$wm_pid" 2>/dev/null; }
  poll 20 "openbox to manage the screen" eval 'wm_ready || wm_failed' && wm_ready
}

stop_session() {
  [ -n "${game_pid:-}" ] && kill "$game_pid" 2>/dev/null
  kill "$wm_pid" "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$shots_dir"
}

. "$(dirname "${BASH_SOURCE[0]}")/frame_geometry.sh"
# The outer frame's top-left corner, as "x y".
frame_position() { read_frame "$win" && echo "$((x - l)) $((y - t))"; }

start_game() {  # start_game BINARY: sets game_pid and win
  game_log=$(mktemp)
  "$1" >"$game_log" 2>&1 &
  game_pid=$!
  win=""
  framed() {
    win=$(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | head -n1) && [ -n "$win" ] &&
      xprop -id "$win" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '='
  }
  poll 20 "the game window to appear with its frame" framed || abort "the game window never appeared"
  # The game centres its frame once the window manager has drawn it: wait
  # until the frame has held one place for half a second.
  local last="" since=0 pos
  still() {
    pos=$(frame_position) || return 1
    [ "$pos" = "$last" ] || { last=$pos; since=$(now_ms); return 1; }
    [ $(($(now_ms) - since)) -ge 500 ]
  }
  poll 10 "the window to stop moving" still || abort "the window never settled (last at $last)"
}

# Keys reach the game only once the window manager has made it active.
activate() {
  is_active() { xdotool windowactivate "$win" 2>/dev/null; [ "$(xdotool getactivewindow 2>/dev/null)" = "$win" ]; }
  poll 5 "the game window to become active" is_active || abort "the game window never became active"
}

# How long one key command of an xdotool chain takes, measured on a key the
# game ignores: the difference between a chain of eleven and a chain of one,
# so the start of the xdotool process itself drops out. The least of three
# tries: a busy machine only ever adds to it.
measure_key_cost() {
  local one eleven t0 chain=() cost
  for _ in $(seq 11); do chain+=(key --clearmodifiers alt+F12); done
  key_cost_ms=""
  for _ in 1 2 3; do
    t0=$(date +%s%N); xdotool key --clearmodifiers alt+F12; one=$(($(date +%s%N) - t0))
    t0=$(date +%s%N); xdotool "${chain[@]}"; eleven=$(($(date +%s%N) - t0))
    cost=$(((eleven - one) / 10000000))
    [ -z "$key_cost_ms" ] || [ "$cost" -lt "$key_cost_ms" ] && key_cost_ms=$cost
  done
  echo "one key command of a chain costs $key_cost_ms ms" >&2
}

# timed_play START STOP SECONDS: presses START, then STOP so that the two
# presses land SECONDS apart, in one xdotool chain: the chain's own sleep is
# shortened by what the first key command costs after its press.
timed_play() {
  local pause
  pause=$(awk -v s="$3" -v c="$key_cost_ms" 'BEGIN {printf "%.3f", s - c / 1000}')
  echo "stop aimed at $3 s after the start: sleeping $pause s between the keys" >&2
  # The test's finger keeps time whatever else the machine does: as root
  # the chain runs at a real-time priority, so a busy machine delays only
  # the game, as it would delay it for a player.
  if [ "$(id -u)" -eq 0 ]; then
    chrt -f 10 xdotool key --clearmodifiers "$1" sleep "$pause" key --clearmodifiers "$2"
  else
    xdotool key --clearmodifiers "$1" sleep "$pause" key --clearmodifiers "$2"
  fi
}

# The verdict box of the training pages, read off the screen. Pages start
# 12, 31 into the window; the box stands at 136, 48 on both pages, 233 x 20.
capture() {  # reads the verdict box into $pixels, one "R G B" line a pixel
  local cx cy n
  read -r cx cy < <(xwininfo -id "$win" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}')
  pixels=$(import -window root -crop "233x20+$((cx + 12 + 136))+$((cy + 31 + 48))" +repage png:- 2>/dev/null |
    convert png:- txt:- 2>/dev/null | sed -n 's/^[0-9]*,[0-9]*: *(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p')
  n=$(grep -c . <<<"$pixels")
  [ "$n" -eq $((233 * 20)) ] || abort "reading the verdict box off the screen gave $n pixels, not 233 x 20"
}
near() {  # near R G B: how many captured pixels lie near that colour
  awk -v r="$1" -v g="$2" -v b="$3" 'function d(x, y) { return x > y ? x - y : y - x }
    d($1, r) <= 24 && d($2, g) <= 24 && d($3, b) <= 24 { n++ } END { print n + 0 }' <<<"$pixels"
}
shows() { capture; [ "$(near "$@")" -ge 3 ]; }
# The box shows dark text and none in the colour: the colour is seen to be
# absent from a box that was read, not assumed absent from one that was not.
shows_text_but_not() { capture; [ "$(near 0 0 0)" -ge 3 ] && [ "$(near "$@")" -lt 3 ]; }

# steady_shot SHOOTER...: runs SHOOTER with the path of a new PNG added until
# two shots in a row agree, so that nothing is caught half drawn, and prints
# the path of the last; fails the test when the screen never holds still.
# SHOT_KIND names another kind of picture file (ppm: no compression, many
# times faster to write for a shooter that can).
shots_dir=$(mktemp -d)
steady_shot() {
  local previous="" next
  for _ in $(seq 50); do
    next=$(mktemp -p "$shots_dir" "XXXXXX.${SHOT_KIND:-png}")
    if "$@" "$next" 2>/dev/null && [ -n "$previous" ] &&
      [ "$(compare -metric AE "$previous" "$next" null: 2>&1)" = 0 ]; then
      echo "$next"
      return
    fi
    previous=$next
    sleep 0.1
  done
  abort "the screen never held still for two shots"
}

# check_fades EMPTY SHOOTER...: three presses of the translucency button
# through the accessibility bus must show most of the window blended at 210
# of 255 over EMPTY, a shot of the desktop without the window; SHOOTER...
# prints the path of a steady shot. Needs $switch_access and $blend_count.
check_fades() {
  local empty=$1 before after changed blended
  shift
  before=$("$@")
  check "three presses go through the accessibility bus" "$switch_access" press '透明化 (Win2000/XP 以上)' 3
  after=$("$@")
  read -r _ changed _ blended < <("$blend_count" "$empty" "$before" "$after" 210)
  echo "pixels changed: ${changed:-none}, of them blended at 210 of 255: ${blended:-none}"
  check "at least 80000 pixels of the window change (${changed:-none})" [ "${changed:-0}" -ge 80000 ]
  check "at least 80000 show the window blended over the desktop at 210 of 255 (${blended:-none})" \
    [ "${blended:-0}" -ge 80000 ]
}

# Ends a game the test is done with, so that the next one starts alone.
stop_game() {
  kill "$game_pid" 2>/dev/null
  wait "$game_pid" 2>/dev/null
  game_pid=""
}

wait_exit() {  # wait_exit SECONDS: sets exit_code, empty when still running
  exit_code=""
  gone() { ! kill -0 "$game_pid" 2>/dev/null; }
  # Quiet: a game that is meant to go on running times out here on purpose.
  if poll "$1" "the game to end" gone 2>/dev/null; then
    wait "$game_pid"; exit_code=$?; game_pid=""
  fi
}
