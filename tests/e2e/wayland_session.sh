# Shared by the Wayland tests: a private headless weston whose output can be
# photographed, optionally with XWayland, and a session bus with the
# accessibility bus on it. Source it after x_session.sh (for check and
# finish), then call start_weston.

. "$(dirname "${BASH_SOURCE[0]}")/accessibility_bus.sh"

start_weston() {  # start_weston [--xwayland]: exports WAYLAND_DISPLAY, and DISPLAY for XWayland
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
  weston_log=$XDG_RUNTIME_DIR/weston.log
  # No panel, no animations, no blanking: a screenshot shows only the
  # game's window on a plain background.
  printf '%s\n' '[core]' 'idle-time=0' '[shell]' 'panel-position=none' 'background-color=0xff3366aa' \
    'animation=none' 'startup-animation=none' 'close-animation=none' 'focus-animation=none' >"$XDG_RUNTIME_DIR/weston.ini"
  weston --backend=headless-backend.so --use-pixman --debug --socket=wayland-test --width=1024 --height=768 \
    --config="$XDG_RUNTIME_DIR/weston.ini" "$@" >"$weston_log" 2>&1 &
  weston_pid=$!
  unset DISPLAY
  for _ in $(seq 200); do [ -S "$XDG_RUNTIME_DIR/wayland-test" ] && break; sleep 0.05; done
  [ -S "$XDG_RUNTIME_DIR/wayland-test" ] || { cat "$weston_log" >&2; echo "weston did not start" >&2; exit 1; }
  export WAYLAND_DISPLAY=wayland-test
  if [ "${1:-}" = --xwayland ]; then
    local display=""
    for _ in $(seq 200); do
      display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$weston_log") && [ -n "$display" ] && break
      sleep 0.05
    done
    [ -n "$display" ] || { cat "$weston_log" >&2; echo "weston started no XWayland" >&2; exit 1; }
    export DISPLAY=$display
  fi
  start_accessibility_bus
  trap stop_weston EXIT
}

stop_weston() {
  [ -n "${game_pid:-}" ] && kill "$game_pid" 2>/dev/null
  kill "$bus_pid" "$weston_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$XDG_RUNTIME_DIR"
}

# Starts the game as the session's menu entry would: nothing but the
# session's own environment, no platform chosen. Sets game_pid and game_log.
start_game_in_session() {
  game_log=$(mktemp)
  env -u QT_QPA_PLATFORM -u QT_LINUX_ACCESSIBILITY_ALWAYS_ON "$1" >"$game_log" 2>&1 &
  game_pid=$!
}

# Prints the path of a screenshot of the output, taken once two in a row
# agree, so that nothing is caught half drawn.
steady_screenshot() {
  local previous="" shot dir
  for _ in $(seq 50); do
    dir=$(mktemp -d -p "$XDG_RUNTIME_DIR")
    (cd "$dir" && weston-screenshooter >/dev/null 2>&1)
    shot=$(ls "$dir"/*.png 2>/dev/null | head -n1)
    if [ -n "$shot" ] && [ -n "$previous" ] && [ "$(compare -metric AE "$previous" "$shot" null: 2>&1)" = 0 ]; then
      echo "$shot"
      return
    fi
    previous=$shot
    sleep 0.1
  done
  echo "no steady screenshot of the output" >&2
}
