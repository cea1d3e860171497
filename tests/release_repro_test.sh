#!/usr/bin/env bash
# The release is the same bytes wherever and whenever it is built: builds the committed HEAD (not
# the working tree's uncommitted changes) with scripts/release.sh from a clone at a path of
# another length, at least a second later, in another time zone, with another umask and (when
# run as root) by another user, and compares every file with a first release of HEAD. A
# difference fails it, naming the file and the first differing byte's offset.
#   release_repro_test.sh [--built] [REPOSITORY]   (default: the one this script is in)
# The first release is a second clean clone's, built here; with --built, the one that
# scripts/release.sh has just built in REPOSITORY itself (its dist/), when that is HEAD's: its
# build/release/sources.txt names HEAD and neither a change nor a stray file (an untracked or
# ignored file outside build/ and dist/, which a build could pick up: the help pages are every
# file of docs/help/). A release of other sources would differ from HEAD's by its sources, so then
# it builds two clones as without --built.
set -euo pipefail
built=0
if [ "${1:-}" = --built ]; then
  built=1
  shift
fi
repo=$(cd "${1:-$(dirname "$0")/..}" && pwd)
work=$(mktemp -d)
chmod 755 "$work"
trap 'rm -rf "$work"' EXIT
# Git on the repository even when another user owns it (a CI container's checkout).
git config -f "$work/gitconfig" --add safe.directory "$repo"
git config -f "$work/gitconfig" --add safe.directory "$repo/.git"
repo_git() { GIT_CONFIG_GLOBAL="$work/gitconfig" git "$@"; }

build() { # folder, time zone, umask, user
  local as=()
  repo_git clone -q "$repo" "$1"
  if [ "$4" != "$(id -un)" ]; then
    chown -R "$4" "$1"
    as=(setpriv --reuid="$4" --regid="$(id -g "$4")" --clear-groups env HOME="$1")
  fi
  (cd "$1" && umask "$3" && TZ="$2" "${as[@]}" bash scripts/release.sh >"$1.log" 2>&1) ||
    { tail -n 30 "$1.log"; echo "FAIL: the release in $1 failed"; exit 1; }
}
other_user=$(id -un)
if [ "$(id -u)" = 0 ]; then other_user=nobody; fi
head=$(repo_git -C "$repo" rev-parse HEAD)

if [ "$(id -un)" = "$other_user" ]; then by="by $(id -un)"; else by="by $(id -un) and $other_user"; fi
if [ -n "$(repo_git -C "$repo" status --porcelain --untracked-files=no)" ]; then
  echo "note: the uncommitted changes in $repo are not part of this test"
fi
if ((built)) && [ "$(cat "$repo/build/release/sources.txt" 2>/dev/null)" = "$head" ]; then
  one="$repo/dist"
  echo "release of ${head:0:7}: $one against a clean build, $by"
  # Another path length, time zone and umask than the first release's.
  second="$work/a-clean-clone"
  while [ ${#second} = ${#repo} ]; do second+=x; done
  zone=Pacific/Kiritimati mask=077
  if [ "${TZ:-}" = "$zone" ]; then zone=UTC; fi
  if [ "$(umask)" = 0077 ]; then mask=022; fi
else
  if ((built)); then
    echo "note: $repo/dist is not a release of the committed HEAD (see $repo/build/release/sources.txt)"
  fi
  echo "release of ${head:0:7}, built twice, $by"
  build "$work/a" UTC 022 "$(id -un)"
  sleep 1
  one="$work/a/dist"
  second="$work/second-clone-at-a-longer-path" zone=Pacific/Kiritimati mask=077
fi
build "$second" "$zone" "$mask" "$other_user"
two="$second/dist"

status=0
if [ "$(ls "$one")" != "$(ls "$two")" ]; then
  echo "FAIL: the two releases hold different files:"
  diff <(ls "$one") <(ls "$two") || true
  status=1
fi
for file in $(ls "$one"); do
  [ -f "$two/$file" ] || continue
  if difference=$(cmp "$one/$file" "$two/$file" 2>&1); then
    echo "same: $file"
  elif byte=$(sed -n 's/.* differ: byte \([0-9]*\),.*/\1/p' <<<"$difference") && [ "$byte" ]; then
    echo "FAIL: $file differs, first at offset $((byte - 1))" # cmp counts from 1
    status=1
  else
    echo "FAIL: $file differs: $difference"
    status=1
  fi
done
[ "$(ls "$one" | wc -l)" = 5 ] || { echo "FAIL: expected five files in dist/"; status=1; }
(cd "$one" && sha256sum --quiet -c SHA256SUMS) || {
  echo "FAIL: SHA256SUMS does not match"
  status=1
}
# The .msi's codes follow its version and its content: the same package again with another
# version, or with another help file, has another product code and another package code.
codes() { # MSI -> "PRODUCT-CODE PACKAGE-CODE"
  echo "$(msiinfo export "$1" Property | tr -d '\r' | sed -n 's/^ProductCode\t//p')" \
    "$(msiinfo suminfo "$1" | sed -n 's/^Revision number (UUID): //p')"
}
released=$(codes "$one"/*.msi)
release_build="$second/build/release"
(cd "$release_build" && cpack -D CPACK_ZOZI_MSI_VERSION=1.21.9999 -B "$work/other-version") >/dev/null
echo "another page" >>"$release_build/docs/help/Corvel_Editor_Zazo_Help.chm"
(cd "$release_build" && cpack -B "$work/other-content") >/dev/null
for other in other-version other-content; do
  read -r product package <<<"$(codes "$work/$other"/*.msi)"
  read -r released_product released_package <<<"$released"
  if [ -z "$product" ] || [ "$product" = "$released_product" ] ||
    [ "$package" = "$released_package" ]; then
    echo "FAIL: the .msi with $other has product code $product and package code $package;" \
      "the release has $released_product and $released_package"
    status=1
  else
    echo "new codes: .msi with $other"
  fi
done

if [ $status != 0 ]; then
  trap - EXIT
  echo "The two releases are kept in $one and $two."
fi
exit $status
