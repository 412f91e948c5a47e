#!/usr/bin/env bash
# The game started from a shell: without any display, with --help and
# --version (which need none), and with no Japanese face to draw in.
set -u
game=$1
. "$(dirname "$0")/x_session.sh"

no_display() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }

out=$(no_display "$game" 2>&1); rc=$?
check "without a display it exits with status 1 (got $rc)" [ "$rc" = 1 ]
check "and says what is missing in one line (got: $out)" \
  [ "$out" = "horumina: no display to open the window on (DISPLAY or WAYLAND_DISPLAY is not set)" ]

# A display that is named but not there, or a window system Qt does not
# have: one line that names it, and status 1.
runtime=$(mktemp -d)
# An X display number no server of the machine has taken.
dead=57
while [ -e "/tmp/.X11-unix/X$dead" ] || [ -e "/tmp/.X$dead-lock" ]; do dead=$((dead + 1)); done
cannot_open() {  # cannot_open "what" NAME... -- command...: every NAME in one line, status 1
  local what=$1 names=() out rc
  shift
  while [ "$1" != -- ]; do names+=("$1"); shift; done
  shift
  out=$(XDG_RUNTIME_DIR=$runtime "$@" 2>&1); rc=$?
  check "$what: exits with status 1 (got $rc)" [ "$rc" = 1 ]
  check "$what: says so in one line (got: $out)" [ "$(grep -c . <<<"$out")" = 1 ]
  for name in "${names[@]}"; do
    check "$what: names $name (got: $out)" grep -qF -- "$name" <<<"$out"
  done
  check "$what: gives no advice to reinstall" [ -z "$(grep -i reinstall <<<"$out")" ]
}
cannot_open "a dead X display" ":$dead" -- no_display env DISPLAY=":$dead" "$game"
cannot_open "a dead Wayland display" wayland-gone -- no_display env WAYLAND_DISPLAY=wayland-gone "$game"
cannot_open "both dead" ":$dead" wayland-gone -- no_display env DISPLAY=":$dead" WAYLAND_DISPLAY=wayland-gone "$game"
cannot_open "an unknown window system" bogus -- no_display env QT_QPA_PLATFORM=bogus "$game"
rm -rf "$runtime"

out=$(no_display "$game" --help 2>&1); rc=$?
check "--help exits 0 without a display (got $rc)" [ "$rc" = 0 ]
check "--help shows the usage" grep -q '^Usage: horumina ' <<<"$out"
check "--help names its options" grep -q -- '--version' <<<"$out"

out=$(no_display "$game" --version 2>&1); rc=$?
check "--version exits 0 without a display (got $rc)" [ "$rc" = 0 ]
check "--version prints the version (got: $out)" grep -qx 'horumina [0-9]*\.[0-9]*\.[0-9]*' <<<"$out"

# A fontconfig that knows no face at all: the game warns once and plays on.
fonts=$(mktemp -d)
printf '<?xml version="1.0"?>\n<fontconfig><cachedir>%s</cachedir></fontconfig>\n' "$fonts" >"$fonts/fonts.conf"
log=$fonts/log
FONTCONFIG_FILE=$fonts/fonts.conf QT_QPA_PLATFORM=offscreen "$game" >"$log" 2>&1 &
pid=$!
for _ in $(seq 100); do grep -q 'fonts-ipafont-gothic' "$log" && break; sleep 0.05; done
check "without a Japanese face it warns once, naming the package ($(cat "$log"))" \
  [ "$(grep -c 'fonts-ipafont-gothic' "$log")" = 1 ]
check "and plays on" kill -0 "$pid"
kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
rm -rf "$fonts"
finish
