# Shared by the real-window tests: a private X server with a window manager,
# the game started in it, and small checks that count passes and failures.
# Source it, then call start_session and start_game.

passed=0
failed=0
check() {  # check "what" command...
  local what=$1; shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $what" >&2; fi
}
finish() {
  # What the game printed, when something went wrong.
  [ -n "${game_log:-}" ] && tail -n 60 "$game_log" >&2
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}

start_session() {
  local fd_file
  fd_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fd_file" 2>/dev/null &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$fd_file" ] && break; sleep 0.05; done
  export DISPLAY=":$(head -n1 "$fd_file")"
  rm -f "$fd_file"
  openbox >/dev/null 2>&1 &
  wm_pid=$!
  # Ready when it announces what it supports (frame extents among them).
  for _ in $(seq 100); do xprop -root _NET_SUPPORTED 2>/dev/null | grep -q '_NET_FRAME_EXTENTS' && break; sleep 0.05; done
  sleep 0.2
  trap stop_session EXIT
}

stop_session() {
  [ -n "${game_pid:-}" ] && kill "$game_pid" 2>/dev/null
  kill "$wm_pid" "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
}

start_game() {  # start_game BINARY: sets game_pid and win
  game_log=$(mktemp)
  "$1" >"$game_log" 2>&1 &
  game_pid=$!
  win=""
  for _ in $(seq 200); do
    win=$(xdotool search --name 'ホ ル ミ ナ' 2>/dev/null | head -n1) && [ -n "$win" ] &&
      xprop -id "$win" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '=' && break
    sleep 0.05
  done
  [ -n "$win" ] || { echo "the game window never appeared" >&2; exit 1; }
  sleep 0.3  # let the window settle where it was centred
}

wait_exit() {  # wait_exit SECONDS: sets exit_code, empty when still running
  exit_code=""
  for _ in $(seq $(($1 * 20))); do
    if ! kill -0 "$game_pid" 2>/dev/null; then
      wait "$game_pid"; exit_code=$?; game_pid=""; return
    fi
    sleep 0.05
  done
}
