#!/usr/bin/env bash
# The show commands a shortcut or "start" hands the Windows program, under
# Wine: SW_SHOWMINNOACTIVE shows only the application's task-bar entry,
# minimised, and restoring it shows the main window; SW_SHOWMAXIMIZED starts
# the main window maximised.
#   show_commands_test.sh GAME LISTER START_SHOWN
set -uo pipefail
. "$(dirname "$0")/game_session.sh"
windows_programs "$1" "$2" "$3"
SW_SHOWMAXIMIZED=3 SW_SHOWMINNOACTIVE=7 WS_MINIMIZE=0x20000000 WS_MAXIMIZE=0x01000000

style_of() { list_game && records window "class=$1" | field style; }
has_style() {  # has_style CLASS BIT: the window of that class has the style bit
  local style
  style=$(style_of "$1") && [ -n "$style" ] && [ $((style & $2)) -ne 0 ]
}
visible() { list_game && [ "$(records window "class=$1" | field visible)" = 1 ]; }
normal_state() {  # normal_state CLASS: neither minimised nor maximised
  local style
  style=$(style_of "$1") && [ -n "$style" ] && [ $((style & (WS_MINIMIZE | WS_MAXIMIZE))) -eq 0 ]
}
unmapped() { xwininfo -id "$win" | grep -q 'Map State: IsUnMapped'; }

start_wine_session
start_windows_game $SW_SHOWMINNOACTIVE
check "minimised start: the task-bar entry is shown" visible TApplication
check "minimised start: the task-bar entry is minimised" has_style TApplication $WS_MINIMIZE
check "minimised start: the main window is not shown" unmapped
application=$(xdotool search --name '^Horumina$' | head -n1)
[ -n "$application" ] || abort "no X window for the application's task-bar entry"
xdotool windowactivate "$application"
check "restoring the entry shows the main window" poll 5 "the main window" visible TForm1
check "the main window then shows in its normal state" normal_state TForm1
check "the restored window has the focus on its first button" focused_on "スタート(&S)"
xdotool windowactivate "$win" key --clearmodifiers alt+F4
wait_program 10
check "the minimised start ends with exit code 0" test "$program_exit" = 0

start_windows_game $SW_SHOWMAXIMIZED
check "maximised start: the main window is maximised" has_style TForm1 $WS_MAXIMIZE
check "maximised start: the main window is shown" visible TForm1
xdotool windowactivate "$win" key --clearmodifiers alt+F4
wait_program 10
check "the maximised start ends with exit code 0" test "$program_exit" = 0
finish
