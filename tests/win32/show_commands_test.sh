#!/usr/bin/env bash
# The show commands a shortcut or "start" hands the Windows program, under
# Wine: SW_SHOWMINNOACTIVE shows only the application's task-bar entry,
# minimised, and restoring it shows the main window; SW_SHOWMAXIMIZED starts
# the main window maximised. The two starts run in the Persian and the
# Egyptian Arabic locales, whose date and clock rows must be written in one
# kind of digits, as a screen reader reads them.
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
# one_kind_of_digits SIGN: the date and the clock rows are read, SIGN (an
# extended regular expression) finds the locale's own way of writing them in
# the rows, and their digits are all Western, all Arabic-Indic or all Persian.
one_kind_of_digits() {
  local rows kinds=0 digits
  list_game || return 1
  rows=$(records window class=Static | field text | LC_ALL=C.UTF-8 grep -E '^(日付|現在の時刻) : ')
  [ "$(grep -c . <<<"$rows")" = 2 ] || { echo "no date and clock rows: $rows" >&2; return 1; }
  LC_ALL=C.UTF-8 grep -qE "$1" <<<"$rows" || { echo "not the locale's rows: $rows" >&2; return 1; }
  for digits in '[0-9]' '[\x{660}-\x{669}]' '[\x{6F0}-\x{6F9}]'; do
    LC_ALL=C.UTF-8 grep -qP "$digits" <<<"$rows" && kinds=$((kinds + 1))
  done
  [ "$kinds" = 1 ] || { echo "digits of $kinds kinds: $rows" >&2; return 1; }
}

start_wine_session
# Wine takes each program's locale from its environment.
LANG=fa_IR.UTF-8 LC_ALL=fa_IR.UTF-8 start_windows_game $SW_SHOWMINNOACTIVE
check "Persian: the date and the clock in one kind of digits" one_kind_of_digits '^日付 : [0-9۰۱۲۳۴۵۶۷۸۹]{4}/'
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

LANG=ar_EG.UTF-8 LC_ALL=ar_EG.UTF-8 start_windows_game $SW_SHOWMAXIMIZED
check "Egyptian Arabic: the date and the clock in one kind of digits" one_kind_of_digits ' (م|ص)$'
check "maximised start: the main window is maximised" has_style TForm1 $WS_MAXIMIZE
check "maximised start: the main window is shown" visible TForm1
xdotool windowactivate "$win" key --clearmodifiers alt+F4
wait_program 10
check "the maximised start ends with exit code 0" test "$program_exit" = 0
finish
