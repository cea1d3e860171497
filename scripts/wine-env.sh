# Prepares the virtual display and the project's Wine prefixes (sourced, not run).
#   zozi_start_display   start Xvfb on a free display and export DISPLAY
#   zozi_use_prefix DPI  use the prefix for screen scale DPI (96 = 100 %) and prepare it once:
#                        $ZOZI_PREFIX_BASE at 96, $ZOZI_PREFIX_BASE-<DPI>dpi at any other scale
#   zozi_prepare_prefix  prepare the prefix in use ($WINEPREFIX) once: fonts, Calibri mapped to
#                        Carlito, a virtual desktop
#   zozi_start_wine      keep wineserver up and warm, so no test waits for Wine's helpers
#   zozi_stop_all        stop Wine and the display
#   zozi_shoot_window OUT PROBE-ARGS...
#                        wait for a window, save a picture of it and print its geometry
#
# A prefix keeps everything of its own inside its folder: the registry files written to set it up
# and the stamps that mark it ready, so prefixes at different scales share nothing. A stamp is
# written only once every step before it has succeeded; a set-up that fails leaves none, and the
# next run starts it again.
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

# Imports a .reg file into the prefix in use and waits until Wine's server has saved the registry.
zozi_import_reg() {  # FILE
  if ! wine regedit /S "$(winepath -w "$1")" >/dev/null 2>&1; then
    echo "regedit could not import $1 into $WINEPREFIX" >&2
    return 1
  fi
  wineserver -w
}

# Whether each line is in one of the prefix's registry files (user.reg or system.reg). regedit
# exits with 0 even when it read nothing, so what it wrote is checked where Wine saved it.
zozi_registry_has() {  # FILE LINE...
  local file="$WINEPREFIX/$1" line
  shift
  for line in "$@"; do
    if ! grep -qxF -- "$line" "$file" 2>/dev/null; then
      echo "$file lacks $line" >&2
      return 1
    fi
  done
}

# Screen scale of the prefix in use in dots per inch (96 = 100 %), set once.
zozi_set_dpi() {  # DPI
  local dpi="$1" hex reg stamp
  stamp="$WINEPREFIX/.zozi-dpi-$dpi"
  if [ -f "$stamp" ]; then return 0; fi
  hex=$(printf '%08x' "$dpi")
  reg="$WINEPREFIX/zozi-dpi.reg"
  cat >"$reg" <<REG || return 1
REGEDIT4

[HKEY_CURRENT_USER\\Control Panel\\Desktop]
"LogPixels"=dword:$hex

[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts]
"LogPixels"=dword:$hex
REG
  zozi_import_reg "$reg" || return 1
  zozi_registry_has user.reg "\"LogPixels\"=dword:$hex" || return 1
  zozi_registry_has system.reg "\"LogPixels\"=dword:$hex" || return 1
  touch "$stamp"
}

zozi_prepare_prefix() {
  local stamp="$WINEPREFIX/.zozi-prefix-v1"
  if [ -f "$stamp" ]; then return 0; fi
  echo "Preparing the Wine prefix at $WINEPREFIX (once)..."
  mkdir -p "$(dirname "$WINEPREFIX")" || return 1
  if ! wineboot -i >/dev/null 2>&1; then
    echo "wineboot could not create the prefix at $WINEPREFIX" >&2
    return 1
  fi
  wineserver -w
  if [ ! -f "$WINEPREFIX/system.reg" ] || [ ! -d "$WINEPREFIX/drive_c/windows" ]; then
    echo "wineboot left no usable prefix at $WINEPREFIX" >&2
    return 1
  fi
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  mkdir -p "$fonts" || return 1
  # Message boxes and caption buttons draw with Tahoma and Marlett.
  cp -f /usr/share/wine/fonts/tahoma*.ttf /usr/share/wine/fonts/marlett.ttf "$fonts/" || return 1
  # Calibri is not free: Carlito has the same metrics. Installing it is not enough, Wine must be
  # told to use it for Calibri.
  cp -f /usr/share/fonts/truetype/crosextra/Carlito-*.ttf "$fonts/" || return 1
  local reg="$WINEPREFIX/zozi-setup.reg"
  cat >"$reg" <<'REG' || return 1
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
  zozi_import_reg "$reg" || return 1
  zozi_registry_has user.reg '"Calibri"="Carlito"' '"Desktop"="Default"' \
    '"Default"="1280x1024"' '"ShowCrashDialog"=dword:00000000' || return 1
  zozi_registry_has system.reg '"Calibri"="Carlito"' \
    '"Carlito (TrueType)"="Carlito-Regular.ttf"' \
    '"Carlito Bold (TrueType)"="Carlito-Bold.ttf"' || return 1
  touch "$stamp"
}

# Uses the prefix for a screen scale, exported as WINEPREFIX, and prepares it once. Wine reads the
# scale when it starts, so each scale has a prefix of its own.
zozi_use_prefix() {  # DPI
  local dpi="$1"
  if ! [[ "$dpi" =~ ^[1-9][0-9]*$ ]]; then
    echo "zozi_use_prefix: not a screen scale in dpi: '$dpi'" >&2
    return 1
  fi
  if [ "$dpi" = 96 ]; then
    export WINEPREFIX="$ZOZI_PREFIX_BASE"
  else
    export WINEPREFIX="$ZOZI_PREFIX_BASE-${dpi}dpi"
  fi
  zozi_prepare_prefix || return 1
  if [ "$dpi" != 96 ]; then
    zozi_set_dpi "$dpi" || return 1
  fi
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

# Waits for a window with the window probe ($ZOZI_PROBE, see zozi_build_program_windows): by its
# caption, or the caption of the window a menu command opens. Saves the screen area of the window
# as OUT and prints its geometry; fails, saving nothing, when no window appeared.
zozi_shoot_window() {  # OUT PROBE-ARGS...
  local out="$1" geometry
  shift
  geometry=$(wine "$ZOZI_PROBE" "$@" 2>/dev/null | tr -d '\r') || true
  if [ -z "$geometry" ]; then return 1; fi
  import -window root -crop "$geometry" +repage "$out" || return 1
  echo "$geometry"
}
