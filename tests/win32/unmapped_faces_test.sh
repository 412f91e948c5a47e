#!/usr/bin/env bash
# The Windows program in a Wine prefix that maps no face, as on a Windows
# without the Japanese supplemental fonts, where the font mapper left to
# itself takes a fixed-pitch face: every window against the tables, with
# every tab on the strip and no scroll arrows (table_check); then the front
# end's own check that its face is proportional and the labels of a fixed
# size keep to one line in their boxes (front_end_tests).
#   unmapped_faces_test.sh GAME LISTER START_SHOWN TABLE_CHECK FRONT_END_TESTS
set -uo pipefail
. "$(dirname "$0")/game_session.sh"
windows_programs "$1" "$2" "$3"
table_check_exe=$4 front_end_exe=$5
for program in "$table_check_exe" "$front_end_exe"; do
  [ -s "$program" ] || abort "$program is missing"
done

wine_prefix_kind=unmapped
start_wine_session
start_windows_game
read -r desktop_w desktop_h < <(desktop_size)
list_game || abort "the game's windows are gone"
check "every window as the tables and the layout say" tables_hold "$desktop_w" "$desktop_h"
xdotool windowactivate "$win" key --clearmodifiers alt+F4
wait_program 10
check "the game ends with exit code 0" test "$program_exit" = 0

# The one test, and it must have run: a filter that matches none passes.
face_report=$(wine "$front_end_exe" --gtest_filter='Win32Look.TheLayoutFace*' 2>&1)
face_exit=$?
check "the face is proportional and the fixed labels keep to one line (one test, run)" \
  eval '[ "$face_exit" = 0 ] && grep -q "^\[  PASSED  \] 1 test\." <<<"$face_report"'
printf '%s\n' "$face_report" | grep -E '^\[  (PASSED|FAILED) |Failure|Expected|Which is|breaks|cut|fixed-pitch' >&2
finish
