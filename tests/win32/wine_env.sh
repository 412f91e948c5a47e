# The environment every wine of the tests runs in: no debug output, no
# prompts to install Mono or Gecko (mscoree and mshtml disabled), 64-bit
# Windows. Sourced by wine_prefix.sh and by whatever runs wine in the prefix
# it prints.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
