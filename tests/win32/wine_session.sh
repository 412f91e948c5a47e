# Shared by the Windows tests that show windows: the Linux tests' private X
# session (Xvfb with openbox, and their check, poll and finish helpers), and
# a private copy of the tests' Wine prefix for Wine to show windows in.
# Source it, then call start_wine_session.
#
# The copy is the cached prefix hard-linked, its registry copied, so a test
# may install and change what it likes and leaves the cache as it was; it
# gets a Wine server of its own, whose display is this session's, whatever
# other tests run beside it in the cached prefix without one.

here_win32=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here_win32/../e2e/x_session.sh"
. "$here_win32/wine_env.sh"

# start_wine_session [SETUP...]: SETUP runs in the X session before Wine
# first opens it, as Wine reads the keyboard map only then. The copy is of
# the prefix of the kind wine_prefix_kind names (see wine_prefix.sh), the
# mapped one unless it is set.
start_wine_session() {
  local cached
  cached=$(bash "$here_win32/wine_prefix.sh" "${wine_prefix_kind:-mapped}") || abort "no Wine prefix"
  # Copies a test killed on its time limit could not delete.
  find "$(dirname "$cached")" -mindepth 1 -maxdepth 1 -name 'wine-private.*' -mmin +1440 -exec rm -rf {} +
  WINEPREFIX=$(mktemp -d "$(dirname "$cached")/wine-private.XXXXXX")
  export WINEPREFIX
  trap stop_wine_session EXIT
  # A hard link where the cache and the copy share a file system, else a copy.
  cp -al "$cached/." "$WINEPREFIX/" 2>/dev/null || cp -a "$cached/." "$WINEPREFIX/" || abort "cannot copy $cached"
  local reg
  for reg in "$WINEPREFIX"/*.reg; do
    cp --remove-destination "$cached/$(basename "$reg")" "$reg"
  done
  start_session
  # start_session set a trap of its own; this one stops the session too.
  trap stop_wine_session EXIT
  [ $# -eq 0 ] || "$@" || abort "cannot set up the X session: $*"
  # Wine's own background processes start once, apart from the tests'
  # output, with this session's display.
  wine wineboot </dev/null >/dev/null 2>&1 || abort "wineboot failed in $WINEPREFIX"
}

stop_wine_session() {
  [ -n "${program_pid:-}" ] && kill "$program_pid" 2>/dev/null
  local private=""
  case ${WINEPREFIX:-} in */wine-private.*) private=$WINEPREFIX ;; esac
  if [ -n "$private" ]; then
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
  fi
  [ -z "${xvfb_pid:-}" ] || stop_session
  [ -z "$private" ] || rm -rf "$private"
}

# start_program EXE [ARG...]: starts a Windows program; sets program_pid and
# program_log.
start_program() {
  program_log=$(mktemp)
  wine "$@" >"$program_log" 2>&1 &
  program_pid=$!
}

# wait_program SECONDS: sets program_exit to the program's exit code, empty
# when it is still running.
wait_program() {
  program_exit=""
  program_gone() { ! kill -0 "$program_pid" 2>/dev/null; }
  if poll "$1" "the program to end" program_gone 2>/dev/null; then
    wait "$program_pid" && program_exit=0 || program_exit=$?
    program_pid=""
  fi
}

# Reading list_windows' output, kept in $listing: records KIND [KEY=VALUE...]
# prints the lines of that kind whose fields have those values; field KEY
# reads a field of the line on its input.
records() {
  local kind=$1
  shift
  awk -F'\t' -v kind="$kind" -v n=$# -v wanted="$(printf '%s\t' "$@")" '
    BEGIN { split(wanted, want, "\t") }
    $1 == kind {
      for (i = 1; i <= n; i++) {
        found = 0
        for (f = 2; f <= NF; f++) if ($f == want[i]) found = 1
        if (!found) next
      }
      print
    }' <<<"$listing"
}
field() {
  awk -F'\t' -v key="$1" '{ for (f = 2; f <= NF; f++) if (index($f, key "=") == 1) print substr($f, length(key) + 2) }'
}
