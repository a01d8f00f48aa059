#!/usr/bin/env bash
# The start of kvx to its main window: medians of RUNS runs (default 11) of start_bench on a
# copy of the program folder with a restored Texas data set, offscreen. Reports the time
# from main() to the window shown, the whole process's wall time (exec, libraries, start,
# exit) and its peak memory. Usage: bench/start_bench.sh [BUILD_DIR]   (default build-bench)
set -euo pipefail
build=${1:-build-bench}
runs=${RUNS:-11}
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$build"/Corvanta/*.dat "$build"/Corvanta/*.htm "$build"/Corvanta/*.txt "$folder"/ 2>/dev/null || true
cp "$build"/Corvanta/* "$folder"/ 2>/dev/null || true
rm -f "$folder"/LASTDATA.TXT "$folder"/NDEXDATA.TXT "$folder"/GENERIC.TXT
printf 'Texas\r\nTX\r\nLone Star Advice\r\nLLC\r\nY\r\n3\r\n3\r\nN\r\nN\r\nUnder $1 million\r\nN\r\nN\r\nN\r\nN\r\nN\r\nConsulting\r\n14\r\nY\r\n' > "$folder"/LONE.KVX
printf 'LONE.KVX\r\n' > "$folder"/LASTDATA.TXT
cp "$folder"/LASTDATA.TXT "$folder"/NDEXDATA.TXT
"$build"/Corvanta/kvxbook build "$folder" LONE.KVX > /dev/null
shown=() wall=() peak=()
for _ in $(seq "$runs"); do
  t0=$(date +%s%N)
  line=$(QT_QPA_PLATFORM=offscreen "$build"/bench/start_bench "$folder/")
  t1=$(date +%s%N)
  shown+=("$(sed -E 's/.*after ([0-9.]+) ms.*/\1/' <<<"$line")")
  peak+=("$(sed -E 's/.*memory ([0-9.]+) MB.*/\1/' <<<"$line")")
  wall+=("$(( (t1 - t0) / 1000 ))")
done
median() { printf '%s\n' "$@" | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
echo "runs: $runs (offscreen, Texas LLC, the real book)"
echo "main() to main window shown: median $(median "${shown[@]}") ms"
echo "whole process, start to exit: median $(awk "BEGIN {print $(median "${wall[@]}")/1000}") ms"
echo "peak memory: median $(median "${peak[@]}") MB"
