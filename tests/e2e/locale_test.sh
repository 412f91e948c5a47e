#!/usr/bin/env bash
# The game in its players' own locales and keyboards, in a real X session:
# the title in the C locale, the Japanese locale with and without the face,
# Cyrillic, Greek and Hebrew keyboard layouts and the Arabic locale's clock.
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

# Layouts with no Latin letters at all, Greek and then Hebrew alone: the keys
# of S and P give σ and π, ד and פ, and the accelerators go by the keys'
# places, with Alt and, with the focus on a button, without it.
# Before each, a trial stopped at once with the Latin keys takes the last
# success's green out of the verdict box.
play_under() {  # play_under NAME START STOP KEYCODE-39 KEYCODE-33
  xmodmap -e 'keycode 39 = s S' -e 'keycode 33 = p P'
  xdotool key --clearmodifiers alt+s alt+p
  check "$1: the verdict box cleared of green first" poll 3 "a verdict in black" shows_text_but_not 0 128 0
  xmodmap -e "keycode 39 = $4" -e "keycode 33 = $5" || abort "cannot lay out the keys for $1"
  timed_play "$2" "$3" 5.5
  check "$1: $2 starts and $3 stops the eye trial" poll 3 "the eye verdict in green" shows 0 128 0
}
play_under "a Greek layout alone" alt+Greek_sigma alt+Greek_pi "Greek_sigma Greek_SIGMA" "Greek_pi Greek_PI"
play_under "a Hebrew layout alone, the focus on a button" hebrew_daleth hebrew_pe hebrew_daleth hebrew_pe
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
# locale's own digits, the Arabic-Indic ones, and in no other kind.
LANG=ar_EG.UTF-8 LC_ALL=ar_EG.UTF-8 start_game "$game"
for row in '日付 : ' '現在の時刻 : '; do
  read=$("$switch_access" read "$row")
  arabic_indic() { LC_ALL=C.UTF-8 grep -qP '[\x{660}-\x{669}]' <<<"$read"; }
  other_digits() { LC_ALL=C.UTF-8 grep -qP '[0-9\x{6F0}-\x{6F9}]' <<<"$read"; }
  check "the Arabic locale's '$row' row in Arabic-Indic digits alone (read: $read)" eval 'arabic_indic && ! other_digits'
done
stop_game
finish
