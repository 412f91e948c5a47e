#!/usr/bin/env bash
# Runs a Windows program under Wine in the tests' quiet prefix, with no
# display, and exits with its exit code: CTest's emulator for the programs of
# the Windows build (CMAKE_CROSSCOMPILING_EMULATOR). Tests that need windows
# make a session of their own (wine_session.sh).
set -euo pipefail
here=$(dirname "$0")
prefix=$(bash "$here/wine_prefix.sh")
. "$here/wine_env.sh"
export WINEPREFIX=$prefix
unset DISPLAY WAYLAND_DISPLAY
# The prefix's server and Wine's own background processes are started apart
# from the program, with none of its output: CTest waits for whatever holds
# a test's output open, and they would hold it until they end. The server
# stays 30 s after its last program, so tests run one after another share it
# (a program then starts in well under a second), and then ends by itself.
if wineserver -p30 2>/dev/null; then
  wine wineboot </dev/null >/dev/null 2>&1
fi
exec wine "$@"
