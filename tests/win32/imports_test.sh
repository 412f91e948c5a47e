#!/usr/bin/env bash
# Each program of the Windows build imports only DLLs that come with
# Windows itself: no libgcc, libstdc++, winpthread or libjpeg DLL to ship
# beside it. Prints each program's imports.
#
#   imports_test.sh OBJDUMP PROGRAM.exe...
set -u
objdump=$1
shift
# Windows' own DLLs a program of ours may reasonably use, in lower case;
# api-ms-win-crt-* and ucrtbase are the Universal C Runtime of Windows 10
# (MSYS2's UCRT64 builds import it).
system_dlls=" kernel32.dll user32.dll gdi32.dll comctl32.dll winmm.dll msvcrt.dll ucrtbase.dll advapi32.dll
  shell32.dll ole32.dll oleaut32.dll uxtheme.dll imm32.dll dwmapi.dll shcore.dll comdlg32.dll version.dll "
failed=0
for program in "$@"; do
  dlls=$("$objdump" -p "$program" | awk '/DLL Name:/ { print $3 }') || { echo "FAILED: cannot read $program" >&2; failed=1; continue; }
  echo "$(basename "$program"): $(echo $dlls)"
  [ -n "$dlls" ] || { echo "FAILED: $program imports nothing" >&2; failed=1; }
  for dll in $dlls; do
    lower=${dll,,}
    case $lower in api-ms-win-crt-*.dll) continue ;; esac
    [[ $system_dlls == *" $lower "* ]] || { echo "FAILED: $(basename "$program") imports $dll, which is not one of the DLLs Windows comes with" >&2; failed=1; }
  done
done
exit $failed
