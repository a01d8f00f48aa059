#!/usr/bin/env bash
# The way to build many editions without a batch: two shell loops in parallel, each
# running `kvxbook build DIR DATASET` for half of the 357 data sets of bench/batch_folder.sh
# in a program folder of its own (every build replaces the last edition there). Prints the
# wall time and pages a second (22 pages an edition). Usage: bench/batch_loops.sh
# [BUILD_DIR]   (KVXBOOK= overrides the program)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-build}
kvxbook=${KVXBOOK:-$build/Corvanta/kvxbook}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$here/batch_folder.sh" "$build/Corvanta" "$work/a" > /dev/null
cp -r "$work/a" "$work/b"
mapfile -t sets < <(tr -d '\r' < "$work/a/NDEXDATA.TXT")
half=$(( ${#sets[@]} / 2 ))
loop() {
  local dir=$1; shift
  for set in "$@"; do "$kvxbook" build "$dir" "$set" > /dev/null; done
}
t0=${EPOCHREALTIME/./}
loop "$work/a" "${sets[@]:0:$half}" &
loop "$work/b" "${sets[@]:$half}" &
wait
t1=${EPOCHREALTIME/./}
s=$(awk "BEGIN {print ($t1 - $t0) / 1e6}")
echo "two loops of processes, ${#sets[@]} editions: $s s, $(awk "BEGIN {printf \"%d\", ${#sets[@]} * 22 / $s}") pages a second"
