#!/usr/bin/env bash
# Runs a Windows program under Wine at another screen scale: in the prefix for that scale (Wine
# reads the scale when it starts; see zozi_use_prefix in wine-env.sh), on the display the caller
# set up.
#   wine-dpi-run.sh DPI PROGRAM [ARGS...]
set -euo pipefail
dpi="$1"
shift
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
zozi_use_prefix "$dpi"
status=0
wine "$@" || status=$?
wineserver -k >/dev/null 2>&1 || true
exit $status
