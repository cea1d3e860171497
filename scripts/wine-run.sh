#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own prefix (CTest's cross-compiling
# emulator). The prefix and the display are prepared by scripts/wine-env.sh.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
mkdir -p "$(dirname "$WINEPREFIX")"
exec wine "$@"
