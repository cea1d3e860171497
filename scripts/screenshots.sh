#!/usr/bin/env bash
# Takes the screenshots kept in docs/: the main window at 96 and 144 dpi and the About window.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
source scripts/wine-env.sh
zozi_build_program_windows
trap zozi_stop_all EXIT
zozi_start_display

shoot() {  # DPI OUTPUT [COMMAND CAPTION]
  local dpi="$1" out="$2" geometry
  shift 2
  zozi_use_prefix "$dpi"
  wine "$ZOZI_EXE" >/dev/null 2>&1 &
  geometry=$(zozi_shoot_window "$out" "Corvel Editor Zozi" "$@") ||
    { echo "no window to take $out from" >&2; return 1; }
  echo "$out ($geometry)"
  wineserver -k
}

shoot 96 docs/screenshot-96dpi.png
shoot 144 docs/screenshot-144dpi.png
shoot 96 docs/about-96dpi.png 205 About
