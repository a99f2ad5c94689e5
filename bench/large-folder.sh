#!/usr/bin/env bash
# Scaling with folder size: the thumbnail job and the catalogue alone on a
# folder of 40 and of COUNT (default 10,000) small generated photos (the
# CLI's demo photos, 1600x1200 with Exif, hard-linked many times over).
# Prints time per photo and peak memory for both, and their ratio; anything
# that grows faster than the folder shows up as a higher time per photo.
#
#   bash bench/large-folder.sh [COUNT] [THREADS]   (defaults: 10000, 0)
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
COUNT=${1:-10000}
THREADS=${2:-0}
OUT=$ROOT/bench/out
CLI=${FOLIO_CLI:-$ROOT/build/src/app/folioscope-cli}
CATALOGUE=${FOLIO_CATALOGUE:-$ROOT/build/bench/folio-bench-catalogue}
export QT_QPA_PLATFORM=offscreen
[ -x "$CLI" ] && [ -x "$CATALOGUE" ] || bash scripts/setup.sh

MASTER=$OUT/demo-40
if [ ! -f "$MASTER/demo_040.jpg" ]; then
  rm -rf "$MASTER"
  "$CLI" --make-demo "$MASTER" 40 >/dev/null
fi
# folder N: N names linked to the 40 demo photos in turn.
make_folder() {
  local dir=$OUT/large-$1
  if [ "$(find "$dir" -maxdepth 1 -name '*.jpg' 2>/dev/null | wc -l)" -ne "$1" ]; then
    rm -rf "$dir"; mkdir -p "$dir"
    local masters=("$MASTER"/*.jpg)
    for i in $(seq 1 "$1"); do
      ln "${masters[$(( (i - 1) % 40 ))]}" "$(printf '%s/IMG_%05d.jpg' "$dir" "$i")"
    done
  fi
}
INI=$OUT/large.ini
printf '[Thumbnail]\r\nPhotoSize=160\r\nPhotoNo=20\r\n[Setting]\r\nCreateMode=0\r\nThreads=%s\r\n' \
  "$THREADS" > "$INI"

# The wall seconds of a time -v log ("Elapsed (wall clock) time: m:ss.cc").
elapsed() {
  awk -F': ' '/Elapsed/ {n = split($2, t, ":"); s = 0; for (i = 1; i <= n; i++) s = s * 60 + t[i]; print s}' "$1"
}

# run N: prints wall seconds, CPU seconds and peak KiB of the thumbnail job
# (a fresh linked copy of the folder each time) and of the catalogue alone.
run() {
  local n=$1 log=$OUT/time.log
  make_folder "$n"
  rm -rf "$OUT/large-work"; cp -al "$OUT/large-$n" "$OUT/large-work"
  /usr/bin/time -v -o "$log" "$CLI" --ini "$INI" "$OUT/large-work" >/dev/null 2>&1
  local wall cpu rss
  wall=$(elapsed "$log")
  cpu=$(awk -F': ' '/User time/ {u = $2} /System time/ {s = $2} END {print u + s}' "$log")
  rss=$(awk -F': ' '/Maximum resident/ {print $2}' "$log")
  /usr/bin/time -v -o "$log" "$CATALOGUE" --threads "$THREADS" "$OUT/large-$n" >/dev/null 2>&1
  local cwall crss
  cwall=$(elapsed "$log")
  crss=$(awk -F': ' '/Maximum resident/ {print $2}' "$log")
  echo "$wall $cpu $rss $cwall $crss"
}

# The small folder is the median of five runs.
small=()
for _ in 1 2 3 4 5; do small+=("$(run 40)"); done
read -r sw sc sm scw scm < <(printf '%s\n' "${small[@]}" | sort -g | sed -n 3p)
read -r lw lc lm lcw lcm < <(run "$COUNT")
rm -rf "$OUT/large-work"

echo "Threads=$THREADS, thumbnail job (long side 160, 20 a page) and catalogue alone; $(nproc) cores."
echo
echo "| folder | job ms/photo (wall) | job CPU ms/photo | job peak MiB | catalogue ms/photo | catalogue peak MiB |"
echo "|---|---:|---:|---:|---:|---:|"
awk -v n=40 -v w="$sw" -v c="$sc" -v m="$sm" -v cw="$scw" -v cm="$scm" \
  'BEGIN {printf "| %d photos | %.2f | %.2f | %.1f | %.3f | %.1f |\n", n, 1000*w/n, 1000*c/n, m/1024, 1000*cw/n, cm/1024}'
awk -v n="$COUNT" -v w="$lw" -v c="$lc" -v m="$lm" -v cw="$lcw" -v cm="$lcm" \
  'BEGIN {printf "| %d photos | %.2f | %.2f | %.1f | %.3f | %.1f |\n", n, 1000*w/n, 1000*c/n, m/1024, 1000*cw/n, cm/1024}'
awk -v sw="$sw" -v lw="$lw" -v sm="$sm" -v lm="$lm" -v n="$COUNT" \
  'BEGIN {printf "\n%d vs 40: time per photo %+.1f %%, peak memory %+.1f %%\n", n, 100*((lw/n)/(sw/40)-1), 100*(lm/sm-1)}'
