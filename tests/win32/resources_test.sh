#!/usr/bin/env bash
# Horumina.exe carries its resources: the manifest (Common Controls 6,
# per-monitor DPI awareness, no elevation), the icon with its 256-pixel
# picture, and the version information, read out of its resource section
# without running it.
#
#   resources_test.sh OBJCOPY HORUMINA.EXE VERSION
set -u
objcopy=$1
program=$2
version=$3
passed=0
failed=0
check() {  # check "what" command...
  local what=$1
  shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $what" >&2; fi
}
section=$(mktemp)
trap 'rm -f "$section"' EXIT
"$objcopy" -O binary --only-section=.rsrc "$program" "$section" || { echo "FAILED: no resource section in $program" >&2; exit 1; }
has() { LC_ALL=C grep -aqF -- "$1" "$section"; }
# An ASCII text as Windows keeps it in its resources, in UTF-16: each
# character followed by a zero byte.
has_utf16() {
  local pattern="" i c
  for ((i = 0; i < ${#1}; i++)); do
    c=${1:i:1}
    [[ $c == [A-Za-z0-9] ]] || c="\\$c"
    pattern+="$c\\x00"
  done
  LC_ALL=C grep -aqP -- "$pattern" "$section"
}

check "the manifest asks for Common Controls 6" has 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"'
check "the manifest declares per-monitor DPI awareness (V2, then V1)" has '>PerMonitorV2, PerMonitor</dpiAwareness>'
check "the manifest declares per-monitor DPI awareness for Windows 8.1" has '>true/pm</dpiAware>'
check "the manifest asks for no elevation" has 'level="asInvoker"'
check "the icon holds its 256-pixel picture" has $'\x89PNG'
check "the version information names the file" has_utf16 Horumina.exe
check "the version information gives the version $version" has_utf16 "$version"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
