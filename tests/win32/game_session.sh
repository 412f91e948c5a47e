# Shared by the real-window tests of the game itself under Wine: the Wine
# session of the Windows tests (wine_session.sh), the game started in it as
# a shortcut with a given show command would start it, and its windows read
# back with list_windows as a screen reader reads them. Source it, give it
# the programs with windows_programs, then call start_wine_session and
# start_windows_game.
. "$(dirname "${BASH_SOURCE[0]}")/wine_session.sh"

windows_programs() {  # windows_programs GAME LISTER START_SHOWN
  game_exe=$1 lister_exe=$2 start_shown_exe=$3
  local program
  for program in "$game_exe" "$lister_exe" "$start_shown_exe"; do
    [ -s "$program" ] || abort "$program is missing"
  done
}

# The game's main window as an X window, shown or not.
main_window() { xdotool search --name '^- ホ ル ミ ナ - Ver 1\.00$' 2>/dev/null | head -n1; }

# start_windows_game [SHOW_COMMAND]: starts the game with that show command
# (SW_SHOWNORMAL when none is given), waits until list_windows sees it, and
# sets win to its main window.
start_windows_game() {
  start_program "$start_shown_exe" "${1:-1}" "$(winepath -w "$game_exe")"
  poll 30 "the game's windows" list_game || abort "the game's windows never appeared"
  win=$(main_window)
  [ -n "$win" ] || abort "no X window for the game's main window"
}

# Reads the game's windows into $listing.
list_game() { listing=$(wine "$lister_exe" --wait 5 2>/dev/null) && [ -n "$listing" ]; }

# tables_hold [ARG...]: the windows in $listing as the tables and the layout
# say, by table_check ($table_check_exe) with those arguments; what it found
# on the error output.
tables_hold() {
  local report held
  report=$(printf '%s\n' "$listing" | wine "$table_check_exe" "$@")
  held=$?
  printf '%s\n' "$report" | grep -v '^$' >&2
  return $held
}

shows() {  # shows TEXT: some window of the game reads exactly TEXT
  list_game && [ -n "$(records window "text=$1")" ] || { echo "no window reads \"$1\"" >&2; return 1; }
}
own_visibility() {  # own_visibility TEXT: 1 or 0, the window reading TEXT shown by its own style
  local style
  list_game && style=$(records window "text=$1" | head -n1 | field style) && [ -n "$style" ] &&
    echo $(((style & 0x10000000) != 0))
}
shown() { [ "$(own_visibility "$1")" = 1 ]; }  # shown TEXT, though its page be behind
hidden() { [ "$(own_visibility "$1")" = 0 ]; }  # hidden TEXT
focused_on() {  # focused_on TEXT: the focus is on the window reading TEXT
  local hwnd focus
  list_game || return 1
  hwnd=$(records window "text=$1" | head -n1 | field hwnd)
  focus=$(records focus | field focus)
  [ -n "$hwnd" ] && [ "$focus" = "$hwnd" ] || { echo "the focus is on $focus, not on \"$1\" (${hwnd:-none})" >&2; return 1; }
}

# Clicks the first tab, which brings the first page to the front with the
# focus on the tab strip; the arrows turn the pages from there.
to_tab_strip() {
  list_game || abort "the game's windows are gone"
  local main tabs border top
  main=$(records window class=TForm1)
  tabs=$(records window class=SysTabControl32)
  # The client area sits inside the frame by the frame's width on the left
  # and at the bottom; the caption takes the rest at the top.
  border=$((($(field w <<<"$main") - $(field client_w <<<"$main")) / 2))
  top=$(($(field h <<<"$main") - $(field client_h <<<"$main") - border))
  xdotool mousemove $(($(field x <<<"$main") + border + $(field x <<<"$tabs") + 20)) \
    $(($(field y <<<"$main") + top + $(field y <<<"$tabs") + 10)) click 1
}

# turn_to PAGE KEY...: clicks the first tab, presses the keys (arrows, which
# turn the pages from the tab strip), and waits until page PAGE (0 for the
# first) is in front.
turn_to() {
  local page=$1
  shift
  to_tab_strip
  xdotool key --clearmodifiers "$@"
  in_front() { list_game && [ "$(records tab | field selected)" = "$page" ]; }
  poll 5 "page $((page + 1)) in front" in_front || abort "page $((page + 1)) never came to the front"
}

count_of() {  # count_of TEXT: how many windows of the game read exactly TEXT
  list_game && records window "text=$1" | grep -c .
}

# The desktop's size, as the game measures it: "WIDTH HEIGHT".
desktop_size() { xwininfo -root | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }'; }
