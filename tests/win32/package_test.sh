#!/usr/bin/env bash
# What a Windows player downloads, made by dev/windows-package from EXE and
# tried under Wine in a private X session:
# - the zip holds the game, its read-me and its licence in one folder;
# - the installer, run silently for the current user and then with
#   /ALLUSERS for the machine, into a folder of the player's choosing (/D,
#   with blanks and Japanese in its name), installs the game where its
#   Start-menu shortcut points, and the game starts from there; Apps &
#   features' entry names it, its version, publisher, icon, size and how to
#   uninstall it;
# - run again with no /D (an update), it replaces the game in that folder
#   and makes no second copy; run with another /D, it refuses and leaves
#   the first install as it was;
# - the quiet uninstall string of that entry takes all of it away again,
#   leaving the prefix's files as they were before (but for Windows'
#   temporary folder, where the uninstaller runs a copy of itself) and no
#   registry entry;
# - with nothing installed, the installer with no /D installs in the mode's
#   own folder.
#
#   package_test.sh EXE LIST_WINDOWS.EXE SHORTCUT_TARGET.EXE
#
# EXE is the game; any Win32 program with the game's caption stands in for
# it.
set -u
# The folders' names are passed to Wine and read back in UTF-8.
[ "$(locale charmap 2>/dev/null)" = UTF-8 ] || export LC_ALL=C.UTF-8
exe=$1
lister=$2
reader=$3
. "$(dirname "$0")/wine_session.sh"
project=$(cd "$here_win32/../.." && pwd)
version=$(sed -n 's/^project(horumina VERSION \([0-9.]*\).*/\1/p' "$project/CMakeLists.txt")

work=$(mktemp -d)
cleanup_work() { rm -rf "$work"; }
trap cleanup_work EXIT
cp "$exe" "$work/Horumina.exe"
bash "$project/dev/windows-package" "$work/Horumina.exe" "$work/out" || abort "dev/windows-package failed"
setup=$work/out/Horumina-$version-x64-setup.exe
zip=$work/out/Horumina-$version-x64.zip
[ -s "$setup" ] && [ -s "$zip" ] || abort "dev/windows-package made no $(basename "$setup") and $(basename "$zip")"

check "the zip holds Horumina/ with the game, its read-me and its licence" \
  [ "$(unzip -Z1 "$zip" | sort | paste -sd ' ')" = "Horumina/ Horumina/Horumina.exe Horumina/LICENSE.txt Horumina/README.txt" ]
check "the zip's Horumina.exe is the game" cmp -s <(unzip -p "$zip" Horumina/Horumina.exe) "$exe"
readme=$(unzip -p "$zip" Horumina/README.txt)
check "the read-me is plain text with CRLF line ends" \
  eval '[[ "$(unzip -p "$zip" Horumina/README.txt | file -b -)" == *text*CRLF* ]]'
check "the read-me names the version and says how to start the game" \
  eval '[[ $readme == *"$version"* && $readme == *"Start Horumina.exe"* ]]'

start_wine_session
trap 'stop_wine_session; cleanup_work' EXIT
# The prefix's files, but for the temporary folders.
snapshot() { (cd "$WINEPREFIX/drive_c" && find . -path './users/*/Temp' -prune -o -path './windows/temp' -prune -o -print | sort); }
before=$(snapshot)

uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Horumina'
# read_entry KEY: sets values to the key's values, one "NAME<tab>VALUE" a
# line (a DWORD as 0x...), empty when there is no such key. reg export
# writes UTF-16, which keeps the Japanese that reg query prints as '?'.
read_entry() {
  rm -f "$work/entry.reg"
  values=""
  wine reg export "$1" "$(winepath -w "$work/entry.reg" 2>/dev/null)" /y >/dev/null 2>&1 || return 0
  values=$(iconv -f UTF-16 -t UTF-8 "$work/entry.reg" | tr -d '\r' |
    sed -n -e 's/^"\([^"]*\)"=dword:\([0-9a-f]*\)$/\1\t0x\2/p' -e 's/^"\([^"]*\)"="\(.*\)"$/\1\t\2/p' |
    sed 's/\\\(.\)/\1/g')
}
# reg_value NAME: that value of the key read last.
reg_value() { awk -F'\t' -v name="$1" '$1 == name { print $2 }' <<<"$values"; }
user=$(wine cmd /c echo %USERNAME% | tr -d '\r')

# install [FOLDER]: runs the installer silently in this mode, into FOLDER
# when given (/D); sets status. NSIS takes /D's folder as the rest of the
# command line, unquoted: given as words, Wine joins them with single blanks
# and quotes none of them.
install() {
  local words=()
  [ $# -eq 0 ] || read -ra words <<<"/D=$1"
  wine "$setup" /S "${flags[@]}" "${words[@]}"
  status=$?
}
# read_shortcut: sets shortcut to what the Start-menu entry holds, and
# target to what it starts.
read_shortcut() {
  shortcut=$(wine "$reader" "$(winepath -w "$link" 2>/dev/null)")
  target=$(field target <<<"$shortcut")
}
# uninstall WHAT: runs the entry's quiet uninstall string and checks that
# it takes the game's folder, its entry and its shortcut away, leaving no
# file behind.
uninstall() {
  local quiet uninstaller args
  read_entry "$key"
  quiet=$(reg_value QuietUninstallString)
  # The uninstaller runs a copy of itself from the temporary folder and
  # returns at once: it is done when the game's folder and key are gone.
  uninstaller=${quiet#\"}
  uninstaller=${uninstaller%%\"*}
  read -ra args <<<"${quiet#*\" }"
  wine "$uninstaller" "${args[@]}"
  gone() { [ ! -e "$installed" ] && ! wine reg query "$key" >/dev/null 2>&1; }
  check "$mode: the quiet uninstall string takes $1's folder and its entry away" poll 30 "the uninstall" gone
  check "$mode: and the Start-menu entry" [ ! -e "$link" ]
  check "$mode: and leaves no file behind" [ "$(snapshot)" = "$before" ]
  [ "$(snapshot)" = "$before" ] || diff <(echo "$before") <(snapshot) >&2
}

for mode in user machine; do
  if [ "$mode" = user ]; then
    flags=()
    programs="C:\\users\\$user\\AppData\\Local"
    default="$programs\\Programs\\Horumina"
    start_menu="$WINEPREFIX/drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
    key="HKCU\\$uninstall_key"
  else
    flags=(/ALLUSERS)
    programs='C:\Program Files'
    default="$programs\\Horumina"
    start_menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
    key="HKLM\\$uninstall_key"
  fi
  # The player's folders, in one that is there before and after.
  dir="$programs\\ホルミナ の ゲーム"
  other="$programs\\ホルミナ 別の 場所"
  install "$dir"
  check "$mode: the silent install ends with exit code 0 (got $status)" [ "$status" = 0 ]
  installed=$(winepath -u "$dir" 2>/dev/null)
  check "$mode: Horumina.exe is installed in $dir" cmp -s "$installed/Horumina.exe" "$exe"
  check "$mode: its licence beside it" [ -s "$installed/LICENSE.txt" ]
  check "$mode: and its uninstaller" [ -s "$installed/uninstall.exe" ]

  link="$start_menu/Horumina.lnk"
  check "$mode: the Start menu has Horumina" [ -s "$link" ]
  read_shortcut
  check "$mode: the Start-menu entry starts the installed Horumina.exe (it starts '$target')" [ "$target" = "$dir\\Horumina.exe" ]
  check "$mode: the Start-menu entry shows the game's icon" [ "$(field icon <<<"$shortcut") $(field icon_index <<<"$shortcut")" = "$dir\\Horumina.exe 0" ]

  read_entry "$key"
  check "$mode: Apps & features names it Horumina" [ "$(reg_value DisplayName)" = Horumina ]
  check "$mode: and gives its version $version" [ "$(reg_value DisplayVersion)" = "$version" ]
  check "$mode: and its publisher" [ "$(reg_value Publisher)" = "The Horumina developers" ]
  check "$mode: and its icon" [ "$(reg_value DisplayIcon)" = "$dir\\Horumina.exe,0" ]
  check "$mode: and where it is" [ "$(reg_value InstallLocation)" = "$dir" ]
  size=$(reg_value EstimatedSize)
  check "$mode: and its size in KiB (got $size)" [ $((size)) -ge $(($(stat -c %s "$exe") / 1024)) ]
  check "$mode: and how to uninstall it" [ "$(reg_value UninstallString)" = "\"$dir\\uninstall.exe\"${flags[*]/#/ }" ]
  check "$mode: and how to uninstall it silently" \
    [ "$(reg_value QuietUninstallString)" = "\"$dir\\uninstall.exe\" /S${flags[*]/#/ }" ]

  start_program "$target"
  listing=$(wine "$lister" --wait 20)
  check "$mode: the game started from the Start-menu entry's target shows its window" \
    [ "$(records process | field exe)" = Horumina.exe ]
  win=$(xdotool search --name 'ホ ル ミ ナ' 2>/dev/null | head -n1)
  xdotool windowactivate --sync "$win" 2>/dev/null
  xdotool key --clearmodifiers alt+F4
  wait_program 10
  check "$mode: and ends with exit code 0 on Alt+F4 (got '$program_exit')" [ "$program_exit" = 0 ]
  [ -z "$program_exit" ] && kill "$program_pid" 2>/dev/null

  # An update: the installer run again with no /D. The installed game is
  # spoilt first, so that the update has to replace it.
  : >"$installed/Horumina.exe"
  install
  check "$mode: run again with no /D, the install ends with exit code 0 (got $status)" [ "$status" = 0 ]
  check "$mode: it replaces Horumina.exe in $dir" cmp -s "$installed/Horumina.exe" "$exe"
  check "$mode: and makes no second copy in $default" [ ! -e "$(winepath -u "$default" 2>/dev/null)" ]
  read_entry "$key"
  check "$mode: the entry still says where it is" [ "$(reg_value InstallLocation)" = "$dir" ]
  check "$mode: and how to uninstall it" [ "$(reg_value UninstallString)" = "\"$dir\\uninstall.exe\"${flags[*]/#/ }" ]
  read_shortcut
  check "$mode: and the Start-menu entry starts it there (it starts '$target')" [ "$target" = "$dir\\Horumina.exe" ]

  # Another folder than the installed game's is refused (ERROR_ALREADY_EXISTS).
  install "$other"
  check "$mode: run again with another /D, the installer refuses with exit code 183 (got $status)" [ "$status" = 183 ]
  check "$mode: and installs nothing in $other" [ ! -e "$(winepath -u "$other" 2>/dev/null)" ]
  read_entry "$key"
  check "$mode: and leaves the entry at $dir" [ "$(reg_value UninstallString)" = "\"$dir\\uninstall.exe\"${flags[*]/#/ }" ]

  uninstall "$dir"

  # With nothing installed, no /D means the mode's own folder.
  install
  installed=$(winepath -u "$default" 2>/dev/null)
  check "$mode: with no /D, Horumina.exe is installed in $default (exit code $status)" \
    eval '[ "$status" = 0 ] && cmp -s "$installed/Horumina.exe" "$exe"'
  read_entry "$key"
  check "$mode: and the entry says so" [ "$(reg_value InstallLocation)" = "$default" ]
  uninstall "$default"
done
finish
