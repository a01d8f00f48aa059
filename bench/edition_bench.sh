#!/usr/bin/env bash
# One edition as a whole process, `kvxbook build DIR DATASET`, against the I/O floor of the
# same run: one `cat` that reads every input of the build (templates, state file, data
# set) and the bytes of every output it writes (pages, statchap.htm, OUTPUT.HTM, the reader's
# pages and the search index), into a new
# file each run. Medians of RUNS runs (default 11) on a copy of the program folder, Texas LLC.
# Usage: bench/edition_bench.sh [BUILD_DIR]   (default build; KVXBOOK= and BOOK= override
# the program and the program folder it copies). With STRACE=1 also counts system calls.
set -euo pipefail
build=${1:-build}
kvxbook=${KVXBOOK:-$build/Corvanta/kvxbook}
book=${BOOK:-$build/Corvanta}
runs=${RUNS:-11}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
folder=$work/prog
mkdir "$folder"
for f in "$book"/*; do [ -f "$f" ] && cp "$f" "$folder"/; done
rm -f "$folder"/*.KVX "$folder"/LASTDATA.TXT "$folder"/NDEXDATA.TXT "$folder"/GENERIC.TXT
printf 'Texas\r\nTX\r\nLone Star Advice\r\nLLC\r\nY\r\n3\r\n3\r\nN\r\nN\r\nUnder $1 million\r\nN\r\nN\r\nN\r\nN\r\nN\r\nConsulting\r\n14\r\nY\r\n' > "$folder"/LONE.KVX
printf 'LONE.KVX\r\n' > "$folder"/LASTDATA.TXT
cp "$folder"/LASTDATA.TXT "$folder"/NDEXDATA.TXT
"$kvxbook" build "$folder" LONE.KVX > /dev/null
# The pages made from templates: every encoded file of the folder but the state files.
pages=$(cd "$folder" && ls -- *.dat | grep -v '^[A-Z][A-Z]\.dat$' | sed 's/\.dat$//')
inputs=() outputs=()
for p in $pages; do inputs+=("$folder/$p.dat"); outputs+=("$work/$p.htm"); cp "$folder/$p.htm" "$work/"; done
inputs+=("$folder/TX.dat" "$folder/LONE.KVX")
# The reader's pages and the search index are written by every build too.
for f in statchap.htm OUTPUT.HTM topics.htm search.htm searchdb.js; do
  cp "$folder/$f" "$work/"; outputs+=("$work/$f")
done
median() { printf '%s\n' "$@" | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
build_us=() floor_us=()
for i in $(seq "$runs"); do
  t0=${EPOCHREALTIME/./}; "$kvxbook" build "$folder" LONE.KVX > /dev/null; t1=${EPOCHREALTIME/./}
  cat "${inputs[@]}" "${outputs[@]}" > "$work/floor$i.out"; t2=${EPOCHREALTIME/./}
  build_us+=("$(( t1 - t0 ))") floor_us+=("$(( t2 - t1 ))")
done
b=$(median "${build_us[@]}") f=$(median "${floor_us[@]}")
bytes=$(cat "${inputs[@]}" "${outputs[@]}" | wc -c)
echo "runs: $runs; inputs and outputs: $bytes bytes"
echo "kvxbook build DIR LONE.KVX: median $(awk "BEGIN {print $b/1000}") ms"
echo "I/O floor (cat of the same bytes into one file): median $(awk "BEGIN {print $f/1000}") ms"
echo "ratio: $(awk "BEGIN {printf \"%.2f\", $b/$f}")"
if [ "${STRACE:-0}" = 1 ] && command -v strace > /dev/null; then
  strace -f -c -o "$work/strace.txt" "$kvxbook" build "$folder" LONE.KVX > /dev/null
  cat "$work/strace.txt"
fi
