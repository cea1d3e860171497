#!/usr/bin/env bash
# Sets up what is missing, builds the program and starts it under Wine. Without a display it
# runs on a virtual display, saves a screenshot and prints where. ZOZI_DPI=144 (or any other
# screen scale in dpi) runs it at that scale, in the prefix for it; the default is 96.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
source scripts/wine-env.sh
zozi_build_program_windows

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1 && [ "${ZOZI_HEADLESS:-0}" != 1 ]; then
  zozi_use_prefix "${ZOZI_DPI:-96}"
  exec wine "$ZOZI_EXE"
fi

trap zozi_stop_all EXIT
zozi_start_display
zozi_use_prefix "${ZOZI_DPI:-96}"
zozi_start_wine
wine "$ZOZI_EXE" >/dev/null 2>&1 &
app=$!
# Wait for the window itself: the probe finds it by its caption and waits until it has been
# painted.
shot="$ZOZI_ROOT/build/screenshot.png"
if ! zozi_shoot_window "$shot" "Corvel Editor Zozi" >/dev/null; then
  echo "The window did not appear; the screenshot shows the whole display." >&2
  import -window root "$shot"
fi
echo "The program is running on the virtual display $DISPLAY; screenshot: $shot"
kill "$app" 2>/dev/null || true
