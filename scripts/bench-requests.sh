#!/usr/bin/env bash
# Counts the requests that the program and the floor each make to Wine's server from their start
# until their window answers: the work of start-up as the window system sees it, the same on every
# run and whatever else the machine is doing. Not part of the tests.
#
#   bash scripts/bench-requests.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
source scripts/common.sh
zozi_build_bench_windows
zozi_bench_display requests-prefix

# Wine's server, writing every request it serves.
log="$PWD/build/wine/requests.log"
wineserver -k >/dev/null 2>&1 || true
wineserver -d1 -f -p >"$log" 2>&1 &
wine cmd /c exit >/dev/null 2>&1 || true
# One run of each after one unmeasured run of each: program, floor, program, floor.
wine build/bench-windows/bench/launcher.exe 1 >/dev/null 2>&1 || true
wineserver -k >/dev/null 2>&1 || true

# The launcher sends WM_NULL (msg=00000000) with a time-out to each program's thread once its
# window is shown and idle; the requests of that thread before it are the start-up's.
awk '
  NR == FNR {
    if (match($0, /^[0-9a-f]+: send_message\( id=[0-9a-f]+, type=5,.* msg=00000000,.* timeout=\+/)) {
      split(substr($0, index($0, "id=") + 3), id, ",")
      if (!(id[1] in cut)) { cut[id[1]] = FNR; order[++n] = id[1] }
    }
    next
  }
  {
    split($0, head, ":")
    thread = head[1]
    if ((thread in cut) && FNR < cut[thread] && $0 ~ /^[0-9a-f]+: [a-z_]+\( /) count[thread]++
  }
  END {
    if (n < 4) { print "the launcher did not finish its runs" > "/dev/stderr"; exit 1 }
    printf "requests to the server until the window answers\n"
    printf "  program %6d   floor %6d   ratio %.3f\n", count[order[3]], count[order[4]],
      count[order[3]] / count[order[4]]
  }' "$log" "$log"
