#!/usr/bin/env bash
# Whole-process benchmarks of the thumbnail, resize and composite jobs (ours
# with Threads=1 and Threads=0) against vipsthumbnail, GraphicsMagick,
# ImageMagick and the 1/8-scale decode limit, and of the catalogue alone
# against exiftool -fast and exiv2 -pt, on one corpus in one run. Each peer
# runs as a user would run it on a folder: one process for the whole batch,
# and, beside our Threads=0, the same batch split between one process per
# core (xargs -P). Prints a Markdown table: photos
# per second of wall time (median of the runs), CPU time per photo (user +
# system), our speed-up from one thread to one per core, and peak memory.
#
#   bash bench/run.sh [PHOTOS] [RUNS]      (defaults: 40 photos, 3 runs)
#
# The corpus comes from ../shared/bench/make-corpus.sh on ../shared/photos:
# 4000x3000 camera-like JPEGs carrying their source's whole Exif block.
# Run after the README's set-up; installs the peers when missing.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
COUNT=${1:-40}
RUNS=${2:-3}
OUT=$ROOT/bench/out
CORPUS=$OUT/corpus-$COUNT
CLI=${FOLIO_CLI:-$ROOT/build/src/app/folioscope-cli}
CATALOGUE=${FOLIO_CATALOGUE:-$ROOT/build/bench/folio-bench-catalogue}
SHARED=$ROOT/../shared
IM_MOGRIFY=/usr/bin/mogrify-im6.q16
IM_MONTAGE=/usr/bin/montage-im6.q16

source scripts/packages.sh
folio_install_packages libvips-tools imagemagick graphicsmagick libjpeg-turbo-progs time \
  libimage-exiftool-perl exiv2
[ -x "$CLI" ] && [ -x "$CATALOGUE" ] || bash scripts/setup.sh

# --- corpus -----------------------------------------------------------------
if [ "$(find "$CORPUS" -maxdepth 1 -name 'photo_*.jpg' 2>/dev/null | wc -l)" -lt "$COUNT" ]; then
  rm -rf "$CORPUS"
  bash "$SHARED/bench/make-corpus.sh" "$SHARED/photos" "$CORPUS" "$COUNT" >/dev/null
fi

# The same photos with the Display P3 profile of a phone photo embedded:
# their thumbnails are converted into sRGB.
PROFILED=$OUT/corpus-$COUNT-p3
if [ "$(find "$PROFILED" -maxdepth 1 -name 'photo_*.jpg' 2>/dev/null | wc -l)" -lt "$COUNT" ]; then
  rm -rf "$PROFILED"
  mkdir -p "$PROFILED"
  cp "$CORPUS"/photo_*.jpg "$PROFILED"/
  exiftool -q -q -m -overwrite_original -TagsFromFile "$SHARED/photos/apple-iphonexr-burst1.jpg" \
    -ICC_Profile "$PROFILED"/photo_*.jpg
fi

# --- measuring ----------------------------------------------------------------
# time_once CMD...: one timed run; prints wall seconds, CPU seconds (user +
# system) and peak resident memory in KiB.
time_once() {
  local log=$OUT/time.log
  if [ "$(type -t "$1")" = function ]; then
    # time(1) runs programs, not shell functions: the function goes along
    # to a shell of its own, with the settings it reads.
    # The functions it calls and the peers' functions go along as well.
    /usr/bin/time -f '%e %U %S %M' -o "$log" bash -c \
      "$(declare -f); $(declare -p CLI INI OUT CORPUS COUNT CORES SIZE IM_MOGRIFY IM_MONTAGE); \"\$@\"" _ "$@" \
      >/dev/null 2>&1
  else
    /usr/bin/time -f '%e %U %S %M' -o "$log" "$@" >/dev/null 2>&1
  fi
  grep -q '^Command exited with non-zero status' "$log" && { echo "bench: $* failed" >&2; exit 1; }
  local e u s m
  read -r e u s m < <(tail -1 "$log")
  echo "$e $(awk -v u="$u" -v s="$s" 'BEGIN {print u + s}') $m"
}

median() { sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# summary: lines of "wall cpu rss" in, the median wall, the median CPU and
# the largest peak out.
summary() {
  local runs
  runs=$(cat)
  echo "$(cut -d' ' -f1 <<<"$runs" | median) $(cut -d' ' -f2 <<<"$runs" | median)" \
       "$(cut -d' ' -f3 <<<"$runs" | sort -g | tail -1)"
}

# measure CMD...: RUNS runs (each after $PREPARE, when set); prints the median
# wall seconds, the median CPU seconds and the largest peak memory in KiB.
measure() {
  for _ in $(seq 1 "$RUNS"); do
    [ -n "${PREPARE:-}" ] && $PREPARE
    time_once "$@"
  done | summary
}

# measure_ours: our job with Threads=1 and Threads=0 in turn, RUNS times
# each, so that a machine whose speed drifts during the script weighs on both
# alike; prints the summary for Threads=1, then for Threads=0.
measure_ours() {
  local runs1=() runs0=()
  for _ in $(seq 1 "$RUNS"); do
    [ -n "${PREPARE:-}" ] && $PREPARE
    runs1+=("$(time_once ours 1)")
    [ -n "${PREPARE:-}" ] && $PREPARE
    runs0+=("$(time_once ours 0)")
  done
  echo "$(printf '%s\n' "${runs1[@]}" | summary) $(printf '%s\n' "${runs0[@]}" | summary)"
}

# row LABEL PHOTOS WALL CPU RSS [BASE_WALL]: a table row; the last column is
# BASE_WALL / WALL (how many times faster than the base), when given.
row() {
  awk -v l="$1" -v n="$2" -v w="$3" -v c="$4" -v m="$5" -v b="${6:-}" 'BEGIN {
    x = b == "" ? "" : sprintf("%.2fx", b / w)
    printf "| %s | %.2f | %.1f | %s | %s |\n", l, n / w, 1000 * c / n, m == "" ? "" : sprintf("%.0f", m / 1024), x
  }'
}

write_ini() {  # mode
  local ini=$OUT/bench.ini
  {
    printf '[Thumbnail]\r\nPhotoSize=340\r\nPhotoNo=20\r\n'
    printf '[Compose]\r\nJpgNumberH=4\r\nJpgNumberW=4\r\nPaperSize="L版（89×127）"\r\n'
    printf '[Setting]\r\nCreateMode=%s\r\n' "$1"
    printf '[Resize]\r\nSize=800\r\nQuality=80\r\nResizeMode=0\r\nSaveDir="resize"\r\nOverWrite=1\r\n'
  } > "$ini"
  echo "$ini"
}

fresh_work() { rm -rf "$OUT/work"; mkdir -p "$OUT/work"; cp "$CORPUS"/*.jpg "$OUT/work/"; }
fresh_profiled() { rm -rf "$OUT/work"; mkdir -p "$OUT/work"; cp "$PROFILED"/*.jpg "$OUT/work/"; }
fresh_out() { rm -rf "$OUT/peer"; mkdir -p "$OUT/peer"; }
fresh_sheet() { rm -rf "$OUT/work"; mkdir -p "$OUT/work"; cp $(ls "$CORPUS"/*.jpg | head -"$1") "$OUT/work/"; }

CORES=$(getconf _NPROCESSORS_ONLN)
SIZE=340  # the long side of the peers' images
# per_core CMD...: CMD on the whole corpus split into one batch per core, the
# batches side by side (xargs -P), each a single-threaded process.
per_core() {
  local n
  n=$(( (COUNT + CORES - 1) / CORES ))
  # xargs runs programs: the peer's function goes along to a shell of its own.
  printf '%s\0' "$CORPUS"/*.jpg |
    xargs -0 -n "$n" -P "$CORES" bash -c "$(declare -f); $(declare -p OUT CORPUS SIZE IM_MOGRIFY); $1 \"\$@\"" _
}
# The peers take many files in one process, as they are run on a folder.
vips_thumbs() { vipsthumbnail "$@" -s "$SIZE" -o "$OUT/peer/%s.jpg[Q=80]"; }
# gm mogrify writes each file under the path it was given, inside its output
# folder: it is given bare names, from inside the corpus.
gm_mogrify() {
  local names=() f
  for f in "${@:2}"; do names+=("${f##*/}"); done
  (cd "$CORPUS" && gm mogrify -output-directory "$OUT/peer" $1 -quality 80 "${names[@]}")
}
gm_thumbs() { gm_mogrify "-size $(( SIZE * 2 ))x$(( SIZE * 2 )) -thumbnail ${SIZE}x$SIZE" "$@"; }
gm_resize() { gm_mogrify "-resize ${SIZE}x$SIZE" "$@"; }
im_thumbs() { "$IM_MOGRIFY" -path "$OUT/peer" -define jpeg:size=$(( SIZE * 2 ))x$(( SIZE * 2 )) -thumbnail "${SIZE}x$SIZE" -quality 80 "$@"; }
im_resize() { "$IM_MOGRIFY" -path "$OUT/peer" -resize "${SIZE}x$SIZE" -quality 80 "$@"; }
all() { "$@" "$CORPUS"/*.jpg; }
# peer_rows LABEL FUNCTION: the peer on the whole batch in one process, and
# split over the cores; the second row with its speed-up over the first.
peer_rows() {
  local w1 c1 m1 w0 c0 m0
  PREPARE=fresh_out
  read -r w1 c1 m1 < <(measure all "$2")
  read -r w0 c0 m0 < <(measure per_core "$2")
  row "$1" "$COUNT" "$w1" "$c1" "$m1"
  row "$1, $CORES processes" "$COUNT" "$w0" "$c0" "$m0" "$w1"
}
decode_limit() { for f in "$CORPUS"/*.jpg; do djpeg -scale 1/8 "$f" > /dev/null; done; }
im_montage() {
  # Shrink-on-load to the cell, as ours decodes at a DCT scale: Debian's
  # resource policy refuses sixteen full-size pictures at once.
  "$IM_MONTAGE" -define jpeg:size=1169x817 $(ls "$CORPUS"/*.jpg | head -"$1") -tile 4x4 -geometry 1169x817+5+5 \
    -background white -quality 80 "$OUT/peer/sheet.jpg"
}
# CLASSIC=1: the classic pages, without the 2x renditions of the default.
export CLASSIC=0
ours() { "$CLI" --ini "$INI" --set "Setting.Threads=$1" --set "Setting.ClassicPages=$CLASSIC" "$OUT/work"; }
# ours_rows MODE PREPARE PHOTOS LABEL DETAIL: our job of CreateMode MODE with
# Threads=1 and Threads=0, the second row with its speed-up over the first.
ours_rows() {
  INI=$(write_ini "$1")
  PREPARE=$2
  local w1 c1 m1 w0 c0 m0
  read -r w1 c1 m1 w0 c0 m0 < <(measure_ours)
  row "$4 $5, Threads=1" "$3" "$w1" "$c1" "$m1"
  row "$4, Threads=0" "$3" "$w0" "$c0" "$m0" "$w1"
}

export VIPS_CONCURRENCY=1 OMP_NUM_THREADS=1 MAGICK_THREAD_LIMIT=1 QT_QPA_PLATFORM=offscreen

cpu=$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')
echo "Machine: $cpu, $(getconf _NPROCESSORS_ONLN) cores, $(awk '{print int($2/1024) " MiB"}' <(grep MemTotal /proc/meminfo)), $(. /etc/os-release; echo "$PRETTY_NAME"); load average at start $(cut -d' ' -f1-3 /proc/loadavg)."
echo "Corpus: $COUNT photos 4000x3000 q90 with camera Exif ($(du -sh "$CORPUS" | cut -f1)), from make-corpus.sh; $RUNS runs, median; each peer one single-threaded process for the batch, or one per core (xargs -P$CORES)."
echo
echo "| job | photos/s | CPU ms/photo | peak MiB | speed-up |"
echo "|---|---:|---:|---:|---:|"

# --- thumbnails -------------------------------------------------------------
ours_rows 0 fresh_work "$COUNT" "thumbnail job" "(long side 340, with 2x)"
CLASSIC=1
ours_rows 0 fresh_work "$COUNT" "thumbnail job" "(long side 340, ClassicPages=1: no 2x)"
CLASSIC=0
ours_rows 0 fresh_profiled "$COUNT" "thumbnail job, Display P3 photos" "(converted into sRGB, with 2x)"
SIZE=340
peer_rows "vipsthumbnail -s 340 Q=80" vips_thumbs
peer_rows "gm mogrify -thumbnail 340x340 q80" gm_thumbs
peer_rows "mogrify -thumbnail 340x340 q80 (ImageMagick)" im_thumbs
PREPARE=; read -r w c m < <(measure decode_limit); row "djpeg -scale 1/8 (decode limit)" "$COUNT" "$w" "$c" ""

# --- resize -----------------------------------------------------------------
ours_rows 3 fresh_work "$COUNT" "resize job" "(long side 800)"
SIZE=800
peer_rows "vipsthumbnail -s 800 Q=80" vips_thumbs
peer_rows "gm mogrify -resize 800x800 q80" gm_resize
peer_rows "mogrify -resize 800x800 q80 (ImageMagick)" im_resize

# --- composite sheet ----------------------------------------------------------
# One sheet of 16 photos, and the whole corpus: as many whole sheets as it
# fills (two of 40 photos, 32 of them placed), the photos of the next sheet
# decoded while one is encoded.
ours_rows 2 "fresh_sheet 16" 16 "composite 4x4 sheet" "(16 photos)"
PREPARE=fresh_out; read -r w c m < <(measure im_montage 16); row "montage -tile 4x4" 16 "$w" "$c" ""
PLACED=$(( COUNT / 16 * 16 ))
if [ "$PLACED" -gt 16 ]; then
  ours_rows 2 "fresh_sheet $COUNT" "$PLACED" "composite 4x4 sheets" "($COUNT photos, $PLACED placed)"
  PREPARE=fresh_out; read -r w c m < <(measure im_montage "$PLACED"); row "montage -tile 4x4, $PLACED photos" "$PLACED" "$w" "$c" ""
fi

# --- the catalogue alone ----------------------------------------------------------
# Exif of every photo (and the maker note of the Canon ones), without pixels.
PREPARE=
read -r w1 c1 m1 < <(measure "$CATALOGUE" --threads 1 "$CORPUS")
read -r w0 c0 m0 < <(measure "$CATALOGUE" --threads 0 "$CORPUS")
read -r we ce me < <(measure exiftool -fast -q "$CORPUS")
read -r wx cx mx < <(measure exiv2 -pt "$CORPUS"/*.jpg)
row "catalogue alone, Threads=1" "$COUNT" "$w1" "$c1" "$m1" "$we"
row "catalogue alone, Threads=0" "$COUNT" "$w0" "$c0" "$m0" "$we"
row "exiftool -fast (one process)" "$COUNT" "$we" "$ce" "$me"
row "exiv2 -pt (one process)" "$COUNT" "$wx" "$cx" "$mx" "$we"
echo
echo "Speed-up: against the row above it (our Threads=1, or the peer in one process); for the catalogue rows, against exiftool -fast."
