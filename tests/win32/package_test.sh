#!/usr/bin/env bash
# What a Windows player downloads, made by dev/windows-package from EXE and
# tried under Wine in a private X session:
# - the zip holds the game, its read-me and its licence in one folder;
# - the installer, run silently for the current user and then with
#   /ALLUSERS for the machine, installs the game where its Start-menu
#   shortcut points, and the game starts from there; Apps & features' entry
#   names it, its version, publisher, icon, size and how to uninstall it;
# - the quiet uninstall string of that entry takes all of it away again,
#   leaving the prefix's files as they were before (but for Windows'
#   temporary folder, where the uninstaller runs a copy of itself) and no
#   registry entry.
#
#   package_test.sh EXE LIST_WINDOWS.EXE SHORTCUT_TARGET.EXE
#
# EXE is the game; any Win32 program with the game's caption stands in for
# it.
set -u
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
# reg_value KEY NAME: the value as reg query prints it.
reg_value() {
  wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
    awk -v name="$2" '$1 == name { sub(/^ *[^ ]+ +[^ ]+ +/, ""); print }'
}
user=$(wine cmd /c echo %USERNAME% | tr -d '\r')

for mode in user machine; do
  if [ "$mode" = user ]; then
    flags=()
    dir="C:\\users\\$user\\AppData\\Local\\Programs\\Horumina"
    start_menu="$WINEPREFIX/drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
    key="HKCU\\$uninstall_key"
  else
    flags=(/ALLUSERS)
    dir='C:\Program Files\Horumina'
    start_menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
    key="HKLM\\$uninstall_key"
  fi
  wine "$setup" /S "${flags[@]}"
  status=$?
  check "$mode: the silent install ends with exit code 0 (got $status)" [ "$status" = 0 ]
  installed=$(winepath -u "$dir" 2>/dev/null)
  check "$mode: Horumina.exe is installed in $dir" cmp -s "$installed/Horumina.exe" "$exe"
  check "$mode: its licence beside it" [ -s "$installed/LICENSE.txt" ]
  check "$mode: and its uninstaller" [ -s "$installed/uninstall.exe" ]

  link="$start_menu/Horumina.lnk"
  check "$mode: the Start menu has Horumina" [ -s "$link" ]
  shortcut=$(wine "$reader" "$(winepath -w "$link" 2>/dev/null)")
  target=$(field target <<<"$shortcut")
  check "$mode: the Start-menu entry starts the installed Horumina.exe (it starts '$target')" [ "$target" = "$dir\\Horumina.exe" ]
  check "$mode: the Start-menu entry shows the game's icon" [ "$(field icon <<<"$shortcut") $(field icon_index <<<"$shortcut")" = "$dir\\Horumina.exe 0" ]

  check "$mode: Apps & features names it Horumina" [ "$(reg_value "$key" DisplayName)" = Horumina ]
  check "$mode: and gives its version $version" [ "$(reg_value "$key" DisplayVersion)" = "$version" ]
  check "$mode: and its publisher" [ "$(reg_value "$key" Publisher)" = "The Horumina developers" ]
  check "$mode: and its icon" [ "$(reg_value "$key" DisplayIcon)" = "$dir\\Horumina.exe,0" ]
  check "$mode: and where it is" [ "$(reg_value "$key" InstallLocation)" = "$dir" ]
  size=$(reg_value "$key" EstimatedSize)
  check "$mode: and its size in KiB (got $size)" [ $((size)) -ge $(($(stat -c %s "$exe") / 1024)) ]
  check "$mode: and how to uninstall it" \
    [ "$(reg_value "$key" UninstallString)" = "\"$dir\\uninstall.exe\"${flags[*]/#/ }" ]
  quiet=$(reg_value "$key" QuietUninstallString)
  check "$mode: and how to uninstall it silently" [ "$quiet" = "\"$dir\\uninstall.exe\" /S${flags[*]/#/ }" ]

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

  # The uninstaller runs a copy of itself from the temporary folder and
  # returns at once: it is done when the game's folder and key are gone.
  uninstaller=${quiet#\"}
  uninstaller=${uninstaller%%\"*}
  read -ra args <<<"${quiet#*\" }"
  wine "$uninstaller" "${args[@]}"
  gone() { [ ! -e "$installed" ] && ! wine reg query "$key" >/dev/null 2>&1; }
  check "$mode: the quiet uninstall string takes the game's folder and its entry away" poll 30 "the uninstall" gone
  check "$mode: and the Start-menu entry" [ ! -e "$link" ]
  check "$mode: and leaves no file behind" [ "$(snapshot)" = "$before" ]
  [ "$(snapshot)" = "$before" ] || diff <(echo "$before") <(snapshot) >&2
done
finish
