#!/usr/bin/env bash
# list_windows reads back what a program of known windows (fixture_window)
# made, under Wine in a private X session: the windows and their owners,
# classes, texts, rectangles, styles and ids, the tab control's captions and
# selection, the focus and the layered alpha; and the alpha as the X server
# shows it. The fixture then ends with exit code 0 on Alt+F4.
#
#   list_windows_test.sh LIST_WINDOWS.EXE FIXTURE_WINDOW.EXE
set -u
lister=$1
fixture=$2
. "$(dirname "$0")/wine_session.sh"
start_wine_session

start_program "$fixture"
listing=$(wine "$lister" --wait 20) || abort "list_windows found no window captioned with the game's caption: $listing"
echo "$listing"
one() { records "$@" | head -n1; }

check "the process is named" [ "$(one process | field exe)" = fixture_window.exe ]
main=$(one window class=HoruminaFixtureMain)
application=$(one window class=HoruminaFixtureApplication)
check "the main window is listed once, top-level" [ "$(records window class=HoruminaFixtureMain depth=0 | wc -l)" = 1 ]
check "the main window's caption" [ "$(field text <<<"$main")" = "- ホ ル ミ ナ - Ver 1.00" ]
check "the application window's title" [ "$(field text <<<"$application")" = Horumina ]
check "the application window owns the main window" [ "$(field owner <<<"$main")" = "$(field hwnd <<<"$application")" ]
check "the main window is on the screen where it was put" [ "$(field x <<<"$main") $(field y <<<"$main")" = "100 80" ]
check "the main window's client area" [ "$(field client_w <<<"$main") $(field client_h <<<"$main")" = "320 200" ]
# WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME
check "the main window's style" [ "$(field style <<<"$main")" = 0x94C80080 ]
# WS_EX_LAYERED | WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME
check "the main window's extended style" [ "$(field exstyle <<<"$main")" = 0x80101 ]
check "the main window's alpha" [ "$(field alpha <<<"$main")" = 200 ]
check "a window that is not layered has no alpha" [ "$(field alpha <<<"$application")" = - ]

main_hwnd=$(field hwnd <<<"$main")
tab=$(one window class=SysTabControl32)
check "the tab control is a child of the main window" [ "$(field parent <<<"$tab") $(field depth <<<"$tab")" = "$main_hwnd 1" ]
check "the tab control's rectangle in the main window's client area" \
  [ "$(field x <<<"$tab") $(field y <<<"$tab") $(field w <<<"$tab") $(field h <<<"$tab")" = "8 8 304 184" ]
check "the tab control's id" [ "$(field id <<<"$tab")" = 100 ]
tab_hwnd=$(field hwnd <<<"$tab")
check "the tab control has three items, the third selected" [ "$(one tab hwnd="$tab_hwnd" | field count) $(one tab hwnd="$tab_hwnd" | field selected)" = "3 2" ]
check "the tab captions, a backslash escaped" \
  [ "$(records tabitem hwnd="$tab_hwnd" | field text | paste -sd '|')" = '～ 心 の 目 ～|タブ\\二|フレンズゲーム' ]

label=$(one window class=Static)
check "the label's text, rectangle and id" \
  [ "$(field text <<<"$label") $(field x <<<"$label") $(field y <<<"$label") $(field w <<<"$label") $(field h <<<"$label") $(field id <<<"$label")" = "ラベル 20 50 120 16 101" ]
edit=$(one window class=Edit)
check "the edit box's text, its tab escaped" [ "$(field text <<<"$edit")" = '入力\tです' ]
# WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL: made with WS_BORDER too,
# which an edit box takes off its style to draw the border itself.
check "the edit box's style" [ "$(field style <<<"$edit")" = 0x50010080 ]
check "the button's text" [ "$(one window class=Button | field text)" = "ボタン(&B)" ]
check "the controls in their Z order, the order they were made in" \
  [ "$(records window parent="$main_hwnd" | field class | paste -sd ' ')" = "SysTabControl32 Static Edit Button" ]
# The keys of each line, by kind: one set of keys for each kind.
signatures=$(awk -F'\t' '{ k = $1; for (f = 2; f <= NF; f++) k = k " " substr($f, 1, index($f, "=") - 1); print k }' <<<"$listing" | sort -u)
check "every line of a kind has the same keys" [ -z "$(awk '{ print $1 }' <<<"$signatures" | uniq -d)" ]
check "the focus is on the edit box, the main window active" \
  [ "$(one focus | field focus) $(one focus | field active)" = "$(field hwnd <<<"$edit") $main_hwnd" ]

win=$(xdotool search --name 'ホ ル ミ ナ' 2>/dev/null | head -n1)
check "Wine shows the alpha as the X window's opacity (200 of 255)" \
  [ "$(xprop -id "$win" _NET_WM_WINDOW_OPACITY 2>/dev/null | awk '{ print $3 }')" = $((200 * 0xFFFFFFFF / 255)) ]

xdotool windowactivate --sync "$win" 2>/dev/null
xdotool key --clearmodifiers alt+F4
wait_program 10
check "Alt+F4 ends the fixture with exit code 0 (got '$program_exit')" [ "$program_exit" = 0 ]
finish
