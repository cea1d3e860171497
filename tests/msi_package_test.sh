#!/usr/bin/env bash
# The Windows Installer package under Wine, in the prefix the other tests share: installs it,
# checks what it put where, starts the installed program, replaces it with another build of the
# same version, upgrades that with a newer package, refuses the older one over the newer,
# uninstalls, and checks that nothing of it is left. The prefix is left as it was found,
# whatever happens.
#   msi_package_test.sh CPACK BUILD-DIR MSI-SCRIPT ICON WINDOW-PROBE MESSAGE-BOX-ANSWER
# MSI-SCRIPT is packaging/msi.cmake, which makes the other two packages as cpack makes the first.
set -euo pipefail
cpack=$1 build=$2 msi_script=$3 icon=$4 probe=$5 answer=$6
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"
# A shortcut made in the prefix would otherwise be copied into the host's own menus.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winemenubuilder.exe=d"

product="Corvel Editor Zozi"
version=1.21.25
newer_version=1.21.26
publisher="Corvel Editor Zozi team"
help_link="https://corvel-zozi.example.org"
downgrade_message="A newer version of Corvel Editor Zozi is already installed. Uninstall it first to install this older version."
uninstall_keys=('HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall'
                'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall')

work="$build/msi-check"
rm -rf "$work"
mkdir -p "$work"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
step() { echo "-- $*"; }
win() { winepath -w "$1" 2>/dev/null; }
unix() { winepath -u "$1" 2>/dev/null; }

# msiexec, quiet, with a verbose log; prints nothing, returns its exit code.
msiexec_quiet() {
  local log="$1"
  shift
  wine msiexec "$@" /qn /l*v "$(win "$log")" >/dev/null 2>&1
}

# "{7E17D9B8-7B8A-4F11-9EDB-7090C67C6609}" as the installer's registry keys write it:
# 8B9D71E7A8B711F4E9BD07096CC76690.
squished() {
  local g=${1//[\{\}]/}
  IFS=- read -r a b c d e <<<"$g"
  printf '%s%s%s%s%s\n' "$(rev <<<"$a")" "$(rev <<<"$b")" "$(rev <<<"$c")" \
    "$(sed 's/\(.\)\(.\)/\2\1/g' <<<"$d")" "$(sed 's/\(.\)\(.\)/\2\1/g' <<<"$e")"
}

reg_value() {
  wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^    $2    REG_[A-Z_]*    //p"
}

# The uninstall entries named after the product, one "KEY" a line, per user or per machine (Wine
# writes a per-user product's entry under HKLM).
uninstall_entries() {
  local root
  for root in "${uninstall_keys[@]}"; do
    wine reg query "$root" /s 2>/dev/null | tr -d '\r' | awk -v name="$product" '
      /^HKEY_/ { key = $0 }
      $1 == "DisplayName" && $2 == "REG_SZ" && substr($0, index($0, "REG_SZ") + 10) == name {
        print key
      }'
  done
}

# Every mention of the product in the registry, as exported lines: its name, and its product
# codes (braced and squished) once known.
product_codes=""
remember_product_code() {
  local code=$1
  product_codes="${product_codes:+$product_codes|}${code//[\{\}]/}|$(squished "$code")"
}
registry_mentions() {
  local out="$1" key
  : >"$out"
  for key in HKEY_CURRENT_USER HKEY_LOCAL_MACHINE; do
    wine regedit /E "$(win "$work/export.reg")" "$key" >/dev/null 2>&1 || fail "cannot export $key"
    iconv -f UTF-16 -t UTF-8 "$work/export.reg" | tr -d '\r' |
      grep -i -E -e 'corvel' ${product_codes:+-e "$product_codes"} >>"$out" || true
  done
}

uninstall_all() {
  local key
  for key in $(uninstall_entries | sed 's/.*\\//'); do
    msiexec_quiet "$work/cleanup.log" /x "$key" || echo "could not uninstall $key" >&2
  done
}

# Whatever this test installed goes, and the program it started ends, even when it fails.
cleanup() {
  local status=$?
  wine taskkill /f /im CorvelEditorZozi.exe >/dev/null 2>&1 || true
  wine taskkill /f /im msiexec.exe >/dev/null 2>&1 || true
  uninstall_all
  exit $status
}

# Where a per-user install puts the program and its shortcut.
profile=$(unix "$(wine cmd /c echo %USERPROFILE% 2>/dev/null | tr -d '\r')")
[ -d "$profile" ] || fail "no user profile in the prefix ($profile)"
program_dir="$profile/AppData/Local/Programs/$product"
shortcut="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/$product.lnk"

step "the packages"
(cd "$build" && "$cpack" -G ZIP -B "$work/out" >"$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log"; fail "cpack failed"; }
msi="$work/out/CorvelEditorZozi-1.21.0025-x64.msi"
[ -f "$msi" ] || { cat "$work/cpack.log"; fail "cpack made no $(basename "$msi") (is wixl installed?)"; }
# No elevation: the summary's word count says the package needs no administrator rights (8).
word_count=$(msiinfo suminfo "$msi" | sed -n 's/^Source: \([0-9]*\).*/\1/p')
((word_count & 8)) || fail "the package asks for administrator rights (word count $word_count)"
# The files shipped in the zip.
mkdir -p "$work/files"
python3 -m zipfile -e "$work/out/CorvelEditorZozi-1.21.0025-win64.zip" "$work/files"

# A package of the shipped files with the help file changed, at the version given, made by the
# build's own step with the settings cpack gives it (the build's CPackConfig.cmake).
#   other_package NAME VERSION: makes $work/NAME.msi from the files in $work/NAME/
other_package() {
  local name=$1 package_version=$2
  mkdir -p "$work/$name"
  cp "$work/files/CorvelEditorZozi.exe" "$work/files/Corvel_Editor_Zazo_Help.chm" "$work/$name/"
  echo "help of the $name package" >>"$work/$name/Corvel_Editor_Zazo_Help.chm"
  cat >"$work/$name.cmake" <<EOF
include("$build/CPackConfig.cmake")
set(CPACK_TEMPORARY_DIRECTORY "$work/$name")
set(CPACK_PACKAGE_DIRECTORY "$work")
set(CPACK_ZOZI_MSI_FILE_NAME "$name.msi")
set(CPACK_ZOZI_MSI_VERSION "$package_version")
include("$msi_script")
EOF
  cmake -P "$work/$name.cmake" >"$work/$name-package.log" 2>&1 ||
    { cat "$work/$name-package.log"; fail "could not make the $name package"; }
}
product_code_of() {
  msiinfo export "$1" Property | tr -d '\r' | sed -n 's/^ProductCode\t//p'
}
# Another build of the same version, as the Windows job's package is beside the release's: its
# files differ, and so does its product code.
other_package same "$version"
# A newer version.
other_package newer "$newer_version"

step "a clean start"
trap cleanup EXIT
if [ -n "$(uninstall_entries)" ]; then
  echo "removing $product, left installed by an earlier run"
  uninstall_all
fi
[ ! -e "$program_dir" ] || fail "$program_dir exists before the install"
(cd "$WINEPREFIX/drive_c" && find . | sort) >"$work/files-before.txt"
registry_mentions "$work/registry-before.txt"

step "install $version"
msiexec_quiet "$work/install.log" /i "$(win "$msi")" || fail "the install failed, see $work/install.log"
code=$(grep -a -o 'ProductCode = {[-0-9A-F]*}' "$work/install.log" | head -n1 | sed 's/.* = //')
[ -n "$code" ] || fail "no product code in $work/install.log"
remember_product_code "$code"
for f in CorvelEditorZozi.exe Corvel_Editor_Zazo_Help.chm; do
  cmp -s "$work/files/$f" "$program_dir/$f" || fail "$program_dir/$f is not the packaged $f"
done
[ -f "$shortcut" ] || fail "no shortcut $shortcut"
# The shortcut's target and working folder, read from the link itself.
mapfile -t link < <(python3 - "$shortcut" <<'PY'
import struct, sys
data = open(sys.argv[1], "rb").read()
flags = struct.unpack_from("<I", data, 0x14)[0]
pos = 0x4C
if flags & 0x1:  # the item id list
    pos += 2 + struct.unpack_from("<H", data, pos)[0]
target = ""
if flags & 0x2:  # the link info: local base path and common suffix, ANSI
    size, _, info_flags, _, base, _, suffix = struct.unpack_from("<7I", data, pos)
    def ansi(at):
        return data[at:data.index(b"\0", at)].decode("latin-1")
    if info_flags & 0x1:
        target = ansi(pos + base) + ansi(pos + suffix)
    pos += size
strings = {}
for bit, name in ((0x4, "name"), (0x8, "relative"), (0x10, "workdir"), (0x20, "args"), (0x40, "icon")):
    if flags & bit:
        count = struct.unpack_from("<H", data, pos)[0]
        strings[name] = data[pos + 2:pos + 2 + 2 * count].decode("utf-16-le")
        pos += 2 + 2 * count
print(target)
print(strings.get("workdir", ""))
PY
)
expected_exe="$(win "$program_dir/CorvelEditorZozi.exe")"
[ "${link[0]}" = "$expected_exe" ] || fail "the shortcut points at '${link[0]}', not '$expected_exe'"
[ "${link[1]%\\}" = "$(win "$program_dir")" ] || fail "the shortcut starts in '${link[1]}'"
# The entry in the list of installed programs.
entries=$(uninstall_entries)
[ "$(wc -l <<<"$entries")" = 1 ] && [ "${entries##*\\}" = "$code" ] ||
  fail "uninstall entries [$entries], expected one for $code"
[ "$(reg_value "$entries" DisplayName)" = "$product" ] || fail "DisplayName"
[ "$(reg_value "$entries" DisplayVersion)" = "$version" ] ||
  fail "DisplayVersion $(reg_value "$entries" DisplayVersion), expected $version"
[ "$(reg_value "$entries" Publisher)" = "$publisher" ] || fail "Publisher"
[ "$(reg_value "$entries" HelpLink)" = "$help_link" ] || fail "HelpLink"
# Installed for this user only, with the program's icon for the list.
user_product="HKCU\\Software\\Microsoft\\Installer\\Products\\$(squished "$code")"
icon_file=$(reg_value "$user_product" ProductIcon)
[ -n "$icon_file" ] || fail "no per-user registration with an icon under $user_product"
cmp -s "$icon" "$(unix "$icon_file")" || fail "the product icon $icon_file is not the program's icon"

step "the installed program starts and closes"
wine "${link[0]}" >/dev/null 2>&1 &
program=$!
wine "$probe" "$product" >/dev/null 2>&1 || fail "the installed program showed no window"
wine taskkill /im CorvelEditorZozi.exe >/dev/null 2>&1 || fail "could not ask the program to close"
for _ in $(seq 1 300); do
  kill -0 "$program" 2>/dev/null || break
  sleep 0.1
done
! kill -0 "$program" 2>/dev/null || fail "the program did not close within 30 s"
wait "$program" || fail "the program closed with status $?"

step "another build of $version replaces it"
same_code=$(product_code_of "$work/same.msi")
[ -n "$same_code" ] && [ "$same_code" != "$code" ] ||
  fail "the other build of $version has the product code '$same_code', expected one of its own"
msiexec_quiet "$work/same.log" /i "$(win "$work/same.msi")" || fail "the install failed, see $work/same.log"
remember_product_code "$same_code"
entries=$(uninstall_entries)
[ "$(wc -l <<<"$entries")" = 1 ] && [ "${entries##*\\}" = "$same_code" ] ||
  fail "after the other build: uninstall entries [$entries], expected one for $same_code"
[ "$(reg_value "$entries" DisplayVersion)" = "$version" ] || fail "DisplayVersion after the other build"
! wine reg query "$user_product" >/dev/null 2>&1 || fail "the first build is still registered: $user_product"
cmp -s "$work/same/Corvel_Editor_Zazo_Help.chm" "$program_dir/Corvel_Editor_Zazo_Help.chm" ||
  fail "the other build left the first build's help file"
cmp -s "$work/same/CorvelEditorZozi.exe" "$program_dir/CorvelEditorZozi.exe" && [ -f "$shortcut" ] ||
  fail "the other build lost the program or the shortcut"

step "upgrade to $newer_version"
msiexec_quiet "$work/upgrade.log" /i "$(win "$work/newer.msi")" || fail "the upgrade failed, see $work/upgrade.log"
newer_code=$(product_code_of "$work/newer.msi")
remember_product_code "$newer_code"
entries=$(uninstall_entries)
[ "$(wc -l <<<"$entries")" = 1 ] && [ "${entries##*\\}" = "$newer_code" ] ||
  fail "after the upgrade: uninstall entries [$entries], expected one for $newer_code"
[ "$(reg_value "$entries" DisplayVersion)" = "$newer_version" ] || fail "DisplayVersion after the upgrade"
cmp -s "$work/newer/Corvel_Editor_Zazo_Help.chm" "$program_dir/Corvel_Editor_Zazo_Help.chm" ||
  fail "the upgrade left the old help file"
[ -f "$program_dir/CorvelEditorZozi.exe" ] && [ -f "$shortcut" ] || fail "the upgrade lost the program or shortcut"

step "$version over $newer_version is refused, with the reason"
# Wine's installer keeps the reason out of a quiet install's log: with the basic interface it
# shows it in a message box, as a user would see it.
wine msiexec /i "$(win "$msi")" /qb /l*v "$(win "$work/downgrade.log")" >/dev/null 2>&1 &
installer=$!
shown=$(wine "$answer" "Install Failed" 2>/dev/null | tr -d '\r') || fail "the refusal showed no message"
[ "$shown" = "$downgrade_message" ] || fail "the refusal says '$shown', expected '$downgrade_message'"
if wait "$installer"; then fail "the older package installed over the newer one"; fi
entries=$(uninstall_entries)
[ "${entries##*\\}" = "$newer_code" ] && [ "$(reg_value "$entries" DisplayVersion)" = "$newer_version" ] ||
  fail "the refused downgrade changed what is installed: [$entries]"
cmp -s "$work/newer/Corvel_Editor_Zazo_Help.chm" "$program_dir/Corvel_Editor_Zazo_Help.chm" ||
  fail "the refused downgrade changed the files"

step "uninstall"
msiexec_quiet "$work/uninstall.log" /x "$newer_code" || fail "the uninstall failed, see $work/uninstall.log"
[ -z "$(uninstall_entries)" ] || fail "an uninstall entry is left: $(uninstall_entries)"
[ ! -e "$program_dir" ] || fail "$program_dir is left"
[ ! -e "$shortcut" ] || fail "the shortcut is left"
# Nothing else either: the same files as before the install, except the installer's own (empty)
# folders, and no trace of the product in the registry.
(cd "$WINEPREFIX/drive_c" && find . | sort) |
  grep -v -x -E '\./windows/Installer|\./users/[^/]*/AppData/Roaming/Microsoft/Installer' >"$work/files-after.txt" || true
grep -v -x -E '\./windows/Installer|\./users/[^/]*/AppData/Roaming/Microsoft/Installer' \
  "$work/files-before.txt" >"$work/files-before-kept.txt" || true
diff "$work/files-before-kept.txt" "$work/files-after.txt" || fail "files left or lost in the prefix (above)"
registry_mentions "$work/registry-after.txt"
diff "$work/registry-before.txt" "$work/registry-after.txt" || fail "registry entries left (above)"
echo "-- everything installed was removed"
