#!/usr/bin/env bash
# Prints the folder of the Wine prefix the Windows tests run in, making it
# first when there is none: quietly (no Mono or Gecko prompts, no debug
# output) and headless (no display while wineboot makes it), with the faces
# the game and Wine's own dialogs ask for mapped to IPA P Gothic, and Wine's
# Marlett (the caption buttons' glyphs) in its fonts folder.
#
#   wine_prefix.sh [unmapped]
#
# unmapped: the same prefix without the mapping, as on a Windows without the
# Japanese supplemental fonts: the faces the game asks for are missing, and
# Wine's font mapper picks among the installed ones by itself.
#
# Made once, in a few tens of seconds, and kept in the project's cache folder,
# keyed by this recipe, the kind and Wine's version: a changed recipe makes a
# new one. Source wine_env.sh for the environment to run wine in it.
set -euo pipefail
kind=${1:-mapped}
case "$kind" in mapped | unmapped) ;; *) echo "wine_prefix.sh: unknown kind '$kind'" >&2; exit 1 ;; esac
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "wine_prefix.sh: $*" >&2; exit 1; }

command -v wine >/dev/null || fail "wine is not installed (dev/setup installs it)"
. "$here/wine_env.sh"
marlett=/usr/share/wine/fonts/marlett.ttf
[ -s "$marlett" ] || fail "$marlett is missing (dev/setup installs fonts-wine)"
face=IPAPGothic
fc-list "$face" family | grep -q . || fail "no $face font (dev/setup installs fonts-ipafont-gothic)"

key=$({ cat "$0" "$here/wine_env.sh"; wine --version; echo "$kind"; } | sha256sum | cut -c1-12)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/horumina
prefix=$cache/wine-prefix-$key
# used: says the prefix is still wanted (see the end), and prints it.
used() {
  touch "$prefix/.used"
  echo "$prefix"
  exit 0
}
[ -e "$prefix/.made" ] && used

mkdir -p "$cache"
# Tests running side by side may all ask for it at once: one makes it.
exec 9>"$cache/.wine-prefix.lock"
flock 9
[ -e "$prefix/.made" ] && used

rm -rf "$prefix"
export WINEPREFIX=$prefix
log=$(mktemp)
trap 'rm -f "$log" "${reg:-}"' EXIT
run() {  # run COMMAND...: a step of the making, its output shown only on failure
  "$@" >>"$log" 2>&1 || { cat "$log" >&2; fail "'$*' failed while making $prefix"; }
}
started=$(date +%s)
echo "making the $kind Wine prefix (once; kept in $prefix)" >&2
run env -u DISPLAY -u WAYLAND_DISPLAY wine wineboot -i
run wineserver -w

if [ "$kind" = mapped ]; then
  # Windows' own regedit reads UTF-16 with a byte-order mark, which keeps the
  # full-width face name as it is.
  reg=$(mktemp --suffix=.reg)
  {
    printf '\xff\xfe'
    printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
      '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
      "\"ＭＳ Ｐゴシック\"=\"$face\"" "\"MS PGothic\"=\"$face\"" "\"MS UI Gothic\"=\"$face\"" '' |
      iconv -f UTF-8 -t UTF-16LE
  } >"$reg"
  run env -u DISPLAY -u WAYLAND_DISPLAY wine regedit /S "$(env -u DISPLAY winepath -w "$reg")"
  run wineserver -w
  grep -q '"MS UI Gothic"="IPAPGothic"' "$prefix/user.reg" || fail "the font replacements did not reach $prefix/user.reg"
else
  ! grep -q 'Fonts\\\\Replacements' "$prefix/user.reg" || fail "a stock prefix maps faces already: $prefix/user.reg"
fi

cp "$marlett" "$prefix/drive_c/windows/Fonts/marlett.ttf"
touch "$prefix/.made"
echo "made the $kind Wine prefix in $(($(date +%s) - started)) s" >&2
# Prefixes of other recipes no checkout has used for a week; other checkouts
# of the project share the cache and may be using theirs right now.
for other in "$cache"/wine-prefix-*; do
  [ "$other" = "$prefix" ] || [ -n "$(find "$other" "$other/.used" -maxdepth 0 -mtime -7 2>/dev/null)" ] ||
    rm -rf "$other"
done
used
