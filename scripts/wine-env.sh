# Prepares the virtual display and the project's Wine prefix (sourced, not run).
#   zozi_start_display   start Xvfb on a free display and export DISPLAY
#   zozi_prepare_prefix  create the prefix once: fonts, Calibri mapped to Carlito, a virtual desktop
#   zozi_start_wine      keep wineserver up and warm, so no test waits for Wine's helpers
#   zozi_stop_all        stop Wine and the display
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ZOZI_XVFB_PID=""

zozi_start_display() {
  local n
  for n in $(seq 91 140); do
    if [ ! -e "/tmp/.X${n}-lock" ] && [ ! -e "/tmp/.X11-unix/X${n}" ]; then
      Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
      ZOZI_XVFB_PID=$!
      export DISPLAY=":$n"
      # Wait for the server itself rather than for a fixed time.
      local i
      for i in $(seq 1 100); do
        if xdpyinfo >/dev/null 2>&1; then return 0; fi
        sleep 0.1
      done
      echo "Xvfb did not start on :$n" >&2
      return 1
    fi
  done
  echo "no free X display number" >&2
  return 1
}

# Screen scale of the prefix in dots per inch (96 = 100 %).
zozi_set_dpi() {
  local dpi="$1" hex
  hex=$(printf '%08x' "$dpi")
  cat >"$WINEPREFIX/../dpi.reg" <<REG
REGEDIT4

[HKEY_CURRENT_USER\\Control Panel\\Desktop]
"LogPixels"=dword:$hex

[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts]
"LogPixels"=dword:$hex
REG
  wine regedit /S "$(winepath -w "$WINEPREFIX/../dpi.reg")" >/dev/null 2>&1
  wineserver -w
}

zozi_prepare_prefix() {
  local stamp="$WINEPREFIX/.zozi-prefix-v1"
  mkdir -p "$(dirname "$WINEPREFIX")"
  if [ -f "$stamp" ]; then return 0; fi
  echo "Preparing the Wine prefix at $WINEPREFIX (once)..."
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  mkdir -p "$fonts"
  # Message boxes and caption buttons draw with Tahoma and Marlett.
  cp -f /usr/share/wine/fonts/tahoma*.ttf /usr/share/wine/fonts/marlett.ttf "$fonts/" 2>/dev/null || true
  # Calibri is not free: Carlito has the same metrics. Installing it is not enough, Wine must be
  # told to use it for Calibri.
  cp -f /usr/share/fonts/truetype/crosextra/Carlito-*.ttf "$fonts/"
  cat >"$WINEPREFIX/../setup.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Calibri"="Carlito"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"Calibri"="Carlito"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\Fonts]
"Carlito (TrueType)"="Carlito-Regular.ttf"
"Carlito Bold (TrueType)"="Carlito-Bold.ttf"

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1280x1024"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000
REG
  wine regedit /S "$(winepath -w "$WINEPREFIX/../setup.reg")" >/dev/null 2>&1
  wineserver -w
  touch "$stamp"
}

zozi_start_wine() {
  wineserver -p
  wine cmd /c exit >/dev/null 2>&1 || true
}

zozi_stop_all() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "$ZOZI_XVFB_PID" ]; then
    kill "$ZOZI_XVFB_PID" 2>/dev/null || true
    wait "$ZOZI_XVFB_PID" 2>/dev/null || true
    ZOZI_XVFB_PID=""
  fi
}
