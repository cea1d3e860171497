#!/usr/bin/env bash
# Runs a Windows program under Wine at another screen scale: in a prefix of its own for that
# scale (Wine reads the scale when it starts), on the display the caller set up.
#   wine-dpi-run.sh DPI PROGRAM [ARGS...]
set -euo pipefail
dpi="$1"
shift
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$root/build/wine/prefix}-${dpi}dpi"
source "$root/scripts/wine-env.sh"
zozi_prepare_prefix
if [ ! -f "$WINEPREFIX/.zozi-dpi-$dpi" ]; then
  zozi_set_dpi "$dpi"
  touch "$WINEPREFIX/.zozi-dpi-$dpi"
fi
status=0
wine "$@" || status=$?
wineserver -k >/dev/null 2>&1 || true
exit $status
