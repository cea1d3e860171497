#!/usr/bin/env bash
# Takes the screenshots kept in docs/: the main window at 96 and 144 dpi and the About window.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
source scripts/wine-env.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$(nproc)" --target CorvelEditorZozi window_probe
exe="$ZOZI_ROOT/build/windows/ui/CorvelEditorZozi.exe"
probe="$ZOZI_ROOT/build/windows/tests/window_probe.exe"
trap zozi_stop_all EXIT
zozi_start_display

shoot() {  # DPI OUTPUT [COMMAND CAPTION]
  local dpi="$1" out="$2"
  shift 2
  zozi_use_prefix "$dpi"
  wine "$exe" >/dev/null 2>&1 &
  local geometry
  geometry=$(wine "$probe" "Corvel Editor Zozi" "$@" | tr -d '\r')
  import -window root -crop "$geometry" +repage "$out"
  echo "$out ($geometry)"
  wineserver -k
}

shoot 96 docs/screenshot-96dpi.png
shoot 144 docs/screenshot-144dpi.png
shoot 96 docs/about-96dpi.png 205 About
