# Prepares the virtual display and the project's Wine prefixes (sourced, not run).
#   zozi_start_display   start Xvfb on a free display and export DISPLAY
#   zozi_use_prefix DPI  use the prefix for screen scale DPI (96 = 100 %) and prepare it once:
#                        $ZOZI_PREFIX_BASE at 96, $ZOZI_PREFIX_BASE-<DPI>dpi at any other scale,
#                        a copy of the one at 96 with its scale set
#   zozi_prepare_prefixes
#                        prepare the prefixes at every scale the tests use (96, 120, 144, 192)
#                        and a second one at 96 ($ZOZI_PREFIX_BASE-second), for tests that run
#                        beside the others on a display of their own
#   zozi_use_second_prefix
#                        use that second prefix at 96 dpi, a copy of the first
#   zozi_prepare_prefix  prepare the prefix in use ($WINEPREFIX) once: fonts, Calibri mapped to
#                        Carlito, a virtual desktop
#   zozi_lock_prefixes   hold the prefixes at $ZOZI_PREFIX_BASE* for this run, waiting for any
#                        other run that holds them (zozi_use_prefix takes them)
#   zozi_start_wine      keep wineserver up and warm, so no test waits for Wine's helpers
#   zozi_stop_all        stop Wine and the display
#   zozi_shoot_window OUT PROBE-ARGS...
#                        wait for a window, save a picture of it and print its geometry
#
# A prefix keeps everything of its own inside its folder: the registry files written to set it up
# and the stamps that mark it ready, so prefixes at different scales share nothing. A stamp is
# written only once every step before it has succeeded; a set-up that fails leaves none, and the
# next run starts it again.
#
# The prefixes are shared by the clones on the machine (common.sh), and a prefix is one Wine
# session: one wineserver, one desktop, one clipboard, one registry, which two runs at once would
# share and break for each other. So a run holds them, from its first use of a prefix to its end
# (flock on $ZOZI_PREFIX_BASE.lock), and a second run waits. Holding them costs that second run
# the Wine part of the first, about as long as sharing the two processors would; a copy of the
# prefixes for each clone would cost a copy in every fresh clone and a wineboot or a copy more on
# every new Wine version, and leave clones apart from what the shared ones are.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ZOZI_XVFB_PID=""
# The lock's descriptor, when this run or the one that started it holds the prefixes.
ZOZI_LOCK_FD="${ZOZI_LOCK_FD:-}"

# The lock is held through an open file: the long-lived programs started below (Xvfb, a
# persistent wineserver) get the descriptor closed, so that none of them holds it after the run.
zozi_lock_prefixes() {
  # Held by the run that started this one (a test started by CTest under wine-ctest.sh).
  if [ "${ZOZI_PREFIX_LOCK:-}" = "$ZOZI_PREFIX_BASE" ]; then return 0; fi
  if [ -z "$ZOZI_LOCK_FD" ]; then zozi_open_prefix_lock || return 1; fi
  if ! flock -n "$ZOZI_LOCK_FD"; then
    echo "Waiting for another run to finish with the Wine prefixes at $ZOZI_PREFIX_BASE..."
    flock "$ZOZI_LOCK_FD" || return 1
  fi
  export ZOZI_PREFIX_LOCK="$ZOZI_PREFIX_BASE" ZOZI_LOCK_FD
}

# Opens the lock without taking it: a subshell that takes it then takes it for this shell too
# (the lock belongs to the open file, which they share), so a step in the background can wait
# for it while the run goes on.
zozi_open_prefix_lock() {
  mkdir -p "$(dirname "$ZOZI_PREFIX_BASE")" || return 1
  exec {ZOZI_LOCK_FD}>>"$ZOZI_PREFIX_BASE.lock" || return 1
}

# Runs a command with the lock's descriptor closed.
zozi_without_lock() {
  if [ -n "$ZOZI_LOCK_FD" ]; then
    "$@" {ZOZI_LOCK_FD}>&-
  else
    "$@"
  fi
}

zozi_start_display() {
  # Xvfb chooses a free display number itself and writes it to a descriptor: no two starts, even
  # at the same moment, get one display.
  local number_file i
  number_file=$(mktemp) || return 1
  # Started as a simple command, so that $! is the server's own process, which zozi_stop_all ends.
  if [ -n "$ZOZI_LOCK_FD" ]; then
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" {ZOZI_LOCK_FD}>&- \
      >/dev/null 2>&1 &
  else
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
  fi
  ZOZI_XVFB_PID=$!
  # Wait for the server itself rather than for a fixed time.
  for i in $(seq 1 100); do
    if [ -s "$number_file" ]; then
      export DISPLAY=":$(tr -d '\n' <"$number_file")"
      rm -f "$number_file"
      if xdpyinfo >/dev/null 2>&1; then return 0; fi
      echo "Xvfb does not answer on $DISPLAY" >&2
      return 1
    fi
    if ! kill -0 "$ZOZI_XVFB_PID" 2>/dev/null; then break; fi
    sleep 0.1
  done
  rm -f "$number_file"
  echo "Xvfb did not start" >&2
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
# scale when it starts, so each scale has a prefix of its own: a copy of the one at 96 dpi (one
# wineboot for all), with its scale set.
zozi_use_prefix() {  # DPI
  local dpi="$1"
  if ! [[ "$dpi" =~ ^[1-9][0-9]*$ ]]; then
    echo "zozi_use_prefix: not a screen scale in dpi: '$dpi'" >&2
    return 1
  fi
  zozi_lock_prefixes || return 1
  export WINEPREFIX="$ZOZI_PREFIX_BASE"
  zozi_prepare_prefix || return 1
  if [ "$dpi" = 96 ]; then return 0; fi
  zozi_copy_prefix "$ZOZI_PREFIX_BASE-${dpi}dpi" || return 1
  zozi_set_dpi "$dpi" || return 1
}

# Copies the prepared prefix at 96 dpi to COPY, once, and uses it.
zozi_copy_prefix() {  # COPY
  local copy="$1"
  if [ ! -f "$copy/.zozi-prefix-v1" ]; then
    echo "Copying the Wine prefix at 96 dpi to $copy (once)..."
    # Wine saves the registry when its server stops: stop the one at 96 dpi first, if any.
    WINEPREFIX="$ZOZI_PREFIX_BASE" wineserver -k >/dev/null 2>&1 || true
    rm -rf "$copy" "$copy.tmp" || return 1
    cp -a "$ZOZI_PREFIX_BASE" "$copy.tmp" || return 1
    rm -f "$copy.tmp"/.zozi-dpi-* || return 1
    mv "$copy.tmp" "$copy" || return 1
  fi
  export WINEPREFIX="$copy"
}

zozi_use_second_prefix() {
  zozi_use_prefix 96 || return 1
  zozi_copy_prefix "$ZOZI_PREFIX_BASE-second"
}

zozi_prepare_prefixes() {
  local dpi
  for dpi in 96 120 144 192; do
    zozi_use_prefix "$dpi" || return 1
  done
  zozi_use_second_prefix || return 1
  export WINEPREFIX="$ZOZI_PREFIX_BASE"
}

zozi_start_wine() {
  zozi_without_lock wineserver -p
  wine cmd /c exit >/dev/null 2>&1 || true
}

zozi_stop_all() {
  # Only in prefixes this run holds: a run that stops before it has them (waiting for them, say)
  # leaves the Wine of the run that has them alone.
  if [ "${ZOZI_PREFIX_LOCK:-}" = "$ZOZI_PREFIX_BASE" ]; then
    wineserver -k >/dev/null 2>&1 || true
  fi
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
