#!/usr/bin/env bash
# The release is the same bytes wherever and whenever it is built: builds the committed HEAD (not
# the working tree's uncommitted changes) twice with scripts/release.sh, from two clones at paths
# of different lengths, at least a second apart, in different time zones and with different
# umasks, and compares every file of the two dist/ folders. A difference fails it, naming the
# file and the first differing byte's offset.
#   release_repro_test.sh [REPOSITORY]   (default: the one this script is in)
set -euo pipefail
repo=$(cd "${1:-$(dirname "$0")/..}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

build() { # folder, time zone, umask
  git clone -q "$repo" "$1"
  (cd "$1" && umask "$3" && TZ="$2" bash scripts/release.sh >"$1.log" 2>&1) ||
    { tail -n 30 "$1.log"; echo "FAIL: the release in $1 failed"; exit 1; }
}

echo "release of $(git -C "$repo" rev-parse --short HEAD), built twice"
if [ -n "$(git -C "$repo" status --porcelain --untracked-files=no)" ]; then
  echo "note: the uncommitted changes in $repo are not part of this test"
fi
build "$work/a" UTC 022
sleep 1
build "$work/second-clone-at-a-longer-path" Pacific/Kiritimati 077
one="$work/a/dist" two="$work/second-clone-at-a-longer-path/dist"

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
  elif byte=$(sed -n 's/.* differ: byte \([0-9]*\),.*/\1/p' <<<"$difference") && [ -n "$byte" ]; then
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
if [ $status != 0 ]; then
  trap - EXIT
  echo "The two releases are kept in $one and $two."
fi
exit $status
