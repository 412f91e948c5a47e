#!/usr/bin/env bash
# The game in its players' own locales and keyboards, in a real X session:
# the title in the C locale, the Japanese locale with and without the face,
# a Cyrillic keyboard layout and the Arabic locale's clock.
#
#   locale_test.sh GAME SWITCH_ACCESS
set -u
game=$1 switch_access=$2
. "$(dirname "$0")/x_session.sh"
. "$(dirname "$0")/accessibility_bus.sh"
command -v xmodmap >/dev/null || abort "xmodmap is not installed (dev/setup installs it)"
start_session
start_accessibility_bus
trap 'kill "$bus_pid"; stop_session' EXIT
title='- ホ ル ミ ナ - Ver 1.00'

# The old title property of a game started in the C locale, read by a tool
# that knows UTF-8: its type says how to read it.
LC_ALL=C start_game "$game"
wm_name=$(LC_ALL=C.UTF-8 xprop -id "$win" WM_NAME)
check "WM_NAME says what it holds (got: $wm_name)" \
  [ "$wm_name" = "WM_NAME(UTF8_STRING) = \"$title\"" -o "$wm_name" = "WM_NAME(COMPOUND_TEXT) = \"$title\"" ]

# A Russian keyboard in front of the US one: Alt with the keys that carry S
# and P (Cyrillic ы and з) start and stop the eye trial, played for a success.
# Xvfb takes no layout from setxkbmap (it keeps us, and says nothing), so the
# two keys are given the symbols a ru,us layout gives them: Russian first,
# Latin second, on the keys of S and P.
xmodmap -e 'keycode 39 = Cyrillic_yeru Cyrillic_YERU s S' -e 'keycode 33 = Cyrillic_ze Cyrillic_ZE p P' ||
  abort "cannot lay out the keys"
[ "$(xmodmap -pke | grep -E '^keycode +39 =')" = 'keycode  39 = Cyrillic_yeru Cyrillic_YERU s S' ] ||
  abort "the key of S carries no ы: $(xmodmap -pke | grep -E '^keycode +39 =')"
activate
measure_key_cost
timed_play alt+Cyrillic_yeru alt+Cyrillic_ze 5.5
check "Alt+ы starts and Alt+з stops the eye trial under a Russian layout" poll 3 "the eye verdict in green" shows 0 128 0
xmodmap -e 'keycode 39 = s S' -e 'keycode 33 = p P'
stop_game

warning='no Japanese face found'
LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 start_game "$game"
check "the Japanese locale with the face installed: no warning ($(cat "$game_log"))" [ -z "$(grep "$warning" "$game_log")" ]
stop_game

# The same with the face hidden from fontconfig.
fonts=$(mktemp -d)
cat >"$fonts/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <include>/etc/fonts/fonts.conf</include>
  <selectfont><rejectfont>
    <pattern><patelt name="family"><string>IPAPGothic</string></patelt></pattern>
    <pattern><patelt name="family"><string>IPAGothic</string></patelt></pattern>
  </rejectfont></selectfont>
</fontconfig>
CONF
FONTCONFIG_FILE=$fonts/fonts.conf LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 start_game "$game"
check "the Japanese locale without the face: the warning ($(cat "$game_log"))" [ -n "$(grep "$warning" "$game_log")" ]
stop_game
rm -rf "$fonts"

# The date and the clock rows as a screen reader reads them, each in the
# locale's digits: one kind of digits in both.
LANG=ar_EG.UTF-8 LC_ALL=ar_EG.UTF-8 start_game "$game"
rows="$("$switch_access" read '日付 : ')$("$switch_access" read '現在の時刻 : ')"
kinds=0
for digits in '[0-9]' '[\x{660}-\x{669}]' '[\x{6F0}-\x{6F9}]'; do
  LC_ALL=C.UTF-8 grep -qP "$digits" <<<"$rows" && kinds=$((kinds + 1))
done
check "the Arabic locale's date and clock in one kind of digits (read: $rows)" [ "$kinds" = 1 ]
stop_game
finish
