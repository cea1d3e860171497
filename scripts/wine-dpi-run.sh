#!/usr/bin/env bash
# Runs a Windows program under Wine at another screen scale: in the prefix for that scale (Wine
# reads the scale when it starts; see zozi_use_prefix in wine-env.sh), on a virtual display of its
# own. It shares nothing with the tests at 96 dpi, nor with another scale's (its own Wine server,
# desktop and clipboard), so that the test command runs them beside each other.
#   wine-dpi-run.sh DPI PROGRAM [ARGS...]
set -euo pipefail
dpi="$1"
shift
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
zozi_use_prefix "$dpi"
trap zozi_stop_all EXIT
zozi_start_display
status=0
wine "$@" || status=$?
exit $status
