# Shared by the tests that read or press the game's controls as assistive
# technology does: a session bus of the test's own, and on it the
# accessibility bus. Source it first (it runs the calling script again inside
# the session bus), then call start_accessibility_bus; $switch_access names
# the tool that talks to it.

[ -n "${TEST_SESSION_BUS:-}" ] || TEST_SESSION_BUS=1 exec dbus-run-session -- bash "$0" "$@"

start_accessibility_bus() {  # sets bus_pid
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  bus_pid=$!
  # Assistive technology is listening, as a switch-access user's desktop says.
  for _ in $(seq 100); do "$switch_access" enable 2>/dev/null && break; sleep 0.05; done
  "$switch_access" enable || { echo "ABORTED: the accessibility bus never came up" >&2; exit 1; }
}
