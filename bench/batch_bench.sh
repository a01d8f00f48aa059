#!/usr/bin/env bash
# A batch of 357 editions (51 states x 7 legal entities, bench/batch_folder.sh) built with
# `kvxbook build DIR --all --out FOLDER`, against the I/O floor of the same bytes (one `cat`
# of every input file and every page the batch writes, into one file) and against Hugo
# building a site of as many pages of the same sizes, all in the same run. Installs Hugo
# from Debian when it is missing. Medians of RUNS runs (default 5). Each batch writes a new
# output folder and nothing is deleted until the end: on ext4 without a journal, inodes
# freed in the last minutes are passed over when a file is created, so creating files right
# after many were deleted is slow (a run just after another, which deletes some 100,000
# files at its end, measured both kvxbook and Hugo at a sixth to a half of their speed).
# Leave five minutes between runs. Usage: bench/batch_bench.sh [BUILD_DIR]   (default build; JOBS=N
# passes -j N; NOHUGO=1 leaves Hugo out)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-build}
kvxbook=${KVXBOOK:-$build/Corvanta/kvxbook}
runs=${RUNS:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$here/batch_folder.sh" "$build/Corvanta" "$work/prog" > /dev/null
jobs=()
[ -n "${JOBS:-}" ] && jobs=(-j "$JOBS")
median() { printf '%s\n' "$@" | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

batch=()
for i in $(seq "$runs"); do
  sync
  t0=${EPOCHREALTIME/./}
  "$kvxbook" build "$work/prog" --all --out "$work/out$i" "${jobs[@]}" > "$work/summary.txt" 2> /dev/null
  t1=${EPOCHREALTIME/./}
  batch+=("$(( t1 - t0 ))")
done
mv "$work/out1" "$work/out"
pages=$(sed -n 's/^pages: //p' "$work/summary.txt")
built=$(sed -n 's/^editions built: //p' "$work/summary.txt")

# The floor: the inputs the batch reads and the pages it writes, through one cat.
# Each edition's search index is written by the batch too; the pictures and ready pages
# (appendB.htm among them) are links to one copy.
{ ls "$work"/prog/*.dat "$work"/prog/*.KVX; ls "$work"/out/*/*.htm | grep -v -e appendB.htm
  ls "$work"/out/*/searchdb.js; } > "$work/files.txt"
floor_files=$(wc -l < "$work/files.txt")
floor=()
for i in $(seq "$runs"); do
  sync
  t0=${EPOCHREALTIME/./}
  tr '\n' '\0' < "$work/files.txt" | xargs -0 cat > "$work/floor$i.out"
  t1=${EPOCHREALTIME/./}
  floor+=("$(( t1 - t0 ))")
done
floor_bytes=$(stat -c %s "$work/floor1.out")

b=$(median "${batch[@]}") f=$(median "${floor[@]}")
echo "editions built: $built; pages: $pages; runs: $runs; cores: $(nproc)"
echo "kvxbook batch: median $(awk "BEGIN {print $b/1e6}") s, $(awk "BEGIN {printf \"%d\", $pages/($b/1e6)}") pages a second"
echo "I/O floor ($floor_files files, $floor_bytes bytes, one cat): median $(awk "BEGIN {print $f/1e6}") s"
echo "batch / floor: $(awk "BEGIN {printf \"%.2f\", $b/$f}")"

[ "${NOHUGO:-0}" = 1 ] && exit 0
if ! command -v hugo > /dev/null; then
  sudo=""
  [ "$(id -u)" = 0 ] || sudo=sudo
  $sudo apt-get install -y -qq hugo > /dev/null
fi
# A site of the same pages: every page of the batch as a content page of its own, its
# bytes the page's bytes, laid out as they are.
site=$work/site
mkdir -p "$site/content" "$site/layouts/_default"
cat > "$site/config.toml" <<'TOML'
baseURL = "http://example.org/"
title = "Editions"
disableKinds = ["taxonomy", "term", "RSS", "sitemap", "home", "section", "404", "robotsTXT"]
TOML
printf '{{ .Content }}\n' > "$site/layouts/_default/single.html"
printf '{{ range .Pages }}{{ .Title }}{{ end }}\n' > "$site/layouts/_default/list.html"
for dir in "$work"/out/*/; do
  name=$(basename "$dir")
  mkdir -p "$site/content/$name"
  for page in "$dir"*.htm; do
    [ "$(basename "$page")" = appendB.htm ] && continue
    { printf -- '---\ntitle: "%s"\n---\n' "$(basename "$page" .htm)"; cat "$page"; } \
      > "$site/content/$name/$(basename "$page" .htm).html"
  done
done
hugo_pages=$(find "$site/content" -name '*.html' | wc -l)
hugo=()
for i in $(seq "$runs"); do
  sync
  t0=${EPOCHREALTIME/./}
  (cd "$site" && hugo --quiet -d "$work/public$i" > /dev/null 2>&1)
  t1=${EPOCHREALTIME/./}
  hugo+=("$(( t1 - t0 ))")
done
written=$(find "$work/public1" -name '*.html' | wc -l)
h=$(median "${hugo[@]}")
echo "hugo $(hugo version | awk '{print $2}'): $hugo_pages pages in, $written written: median $(awk "BEGIN {print $h/1e6}") s, $(awk "BEGIN {printf \"%d\", $written/($h/1e6)}") pages a second"
echo "kvxbook / hugo, pages a second: $(awk "BEGIN {printf \"%.2f\", ($pages/$b)/($written/$h)}")"
