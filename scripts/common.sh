# Shared settings for the project's scripts (sourced, not run).
ZOZI_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export ZOZI_ROOT
# The project's own Wine prefix, never ~/.wine.
export WINEPREFIX="${WINEPREFIX:-$ZOZI_ROOT/build/wine/prefix}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installer prompts: the program needs neither.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
