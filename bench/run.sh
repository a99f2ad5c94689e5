#!/usr/bin/env bash
# Whole-process benchmarks of the thumbnail, resize and composite jobs against
# vipsthumbnail, ImageMagick and the 1/8-scale decode limit, on one corpus in
# one run. Prints photos per second (medians) and our ratio to each peer, and
# the peak memory of our jobs.
#
#   bash bench/run.sh [PHOTOS] [RUNS]      (defaults: 40 photos, 3 runs)
#
# Run after the README's set-up; installs the peers when missing.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
COUNT=${1:-40}
RUNS=${2:-3}
OUT=$ROOT/bench/out
CORPUS=$OUT/corpus-$COUNT
CLI=${FOLIO_CLI:-$ROOT/build/src/app/folioscope-cli}
IM_CONVERT=/usr/bin/convert-im6.q16
IM_MONTAGE=/usr/bin/montage-im6.q16

need=()
for p in libvips-tools imagemagick libjpeg-turbo-progs time; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}"
fi
[ -x "$CLI" ] || bash scripts/setup.sh

# --- corpus: photographic texture at 4000x3000, quality 92 -------------------
# Taken from the shared sample photos when they are there (upscaled), else
# from plasma fractals with grain: real high-frequency detail, not flat colour.
make_corpus() {
  mkdir -p "$CORPUS"
  local shared=$ROOT/../shared/photos
  local sources=()
  if [ -d "$shared" ]; then
    while IFS= read -r f; do sources+=("$f"); done < <(find "$shared" -maxdepth 1 -iname '*.jpg' | sort)
  fi
  for i in $(seq 1 "$COUNT"); do
    local name; name=$(printf '%s/P%04d.jpg' "$CORPUS" "$i")
    [ -f "$name" ] && continue
    if [ ${#sources[@]} -gt 0 ]; then
      local src=${sources[$(( (i - 1) % ${#sources[@]} ))]}
      "$IM_CONVERT" "$src" -resize '4000x3000^' -gravity center -extent 4000x3000 \
        -modulate 100,$((90 + i % 20)) -quality 92 "$name"
    else
      "$IM_CONVERT" -seed "$i" -size 1000x750 plasma:fractal -resize 4000x3000! \
        -attenuate 0.4 +noise Gaussian -quality 92 "$name"
    fi
  done
}

# Median wall time in seconds of RUNS runs of "$@" (a fresh work copy each run
# via the PREPARE function named in $PREPARE, when set).
median_time() {
  local times=()
  for _ in $(seq 1 "$RUNS"); do
    [ -n "${PREPARE:-}" ] && $PREPARE
    local t0 t1
    t0=$(date +%s.%N)
    "$@" >/dev/null 2>&1
    t1=$(date +%s.%N)
    times+=("$(awk -v a="$t0" -v b="$t1" 'BEGIN {print b - a}')")
  done
  printf '%s\n' "${times[@]}" | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'
}

# Peak resident memory (KiB) of one run.
peak_kib() {
  [ -n "${PREPARE:-}" ] && $PREPARE
  /usr/bin/time -f '%M' "$@" 2>&1 >/dev/null | tail -1
}

rate() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
ratio() { rate "$@"; }

write_ini() {  # mode, extra lines
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
fresh_out() { rm -rf "$OUT/peer"; mkdir -p "$OUT/peer"; }
fresh_sheet() { rm -rf "$OUT/work"; mkdir -p "$OUT/work"; cp $(ls "$CORPUS"/*.jpg | head -16) "$OUT/work/"; }

vips_thumbs() { for f in "$CORPUS"/*.jpg; do vipsthumbnail "$f" -s "$1" -o "$OUT/peer/%s.jpg[Q=80]"; done; }
im_thumbs() {
  for f in "$CORPUS"/*.jpg; do
    "$IM_CONVERT" -define jpeg:size=$(( $1 * 2 ))x$(( $1 * 2 )) "$f" -thumbnail "$1x$1" -quality 80 \
      "$OUT/peer/$(basename "$f")"
  done
}
im_resize() {
  for f in "$CORPUS"/*.jpg; do
    "$IM_CONVERT" "$f" -resize "$1x$1" -quality 80 "$OUT/peer/$(basename "$f")"
  done
}
decode_limit() { for f in "$CORPUS"/*.jpg; do djpeg -scale 1/8 "$f" > /dev/null; done; }
im_montage() {
  "$IM_MONTAGE" $(ls "$CORPUS"/*.jpg | head -16) -tile 4x4 -geometry 1169x817+5+5 \
    -background white -quality 80 "$OUT/peer/sheet.jpg"
}

make_corpus
export VIPS_CONCURRENCY=1 OMP_NUM_THREADS=1 MAGICK_THREAD_LIMIT=1 QT_QPA_PLATFORM=offscreen

echo "corpus: $COUNT photos 4000x3000 q92 ($(du -sh "$CORPUS" | cut -f1)), $RUNS runs, median; peers single-threaded"
echo

# --- thumbnails -------------------------------------------------------------
INI=$(write_ini 0)
PREPARE=fresh_work; t_ours=$(median_time "$CLI" --ini "$INI" "$OUT/work")
m_thumb=$(peak_kib "$CLI" --ini "$INI" "$OUT/work")
PREPARE=fresh_out; t_vips=$(median_time vips_thumbs 340)
PREPARE=fresh_out; t_im=$(median_time im_thumbs 340)
PREPARE=; t_dec=$(median_time decode_limit)
printf '%-34s %10s %10s\n' "thumbnail job (long side 340)" "photos/s" "ours/peer"
printf '  %-32s %10s\n' "folioscope-cli" "$(rate "$COUNT" "$t_ours")"
printf '  %-32s %10s %10s\n' "vipsthumbnail -s 340 Q=80" "$(rate "$COUNT" "$t_vips")" "$(ratio "$t_vips" "$t_ours")"
printf '  %-32s %10s %10s\n' "convert -thumbnail 340x340 q80" "$(rate "$COUNT" "$t_im")" "$(ratio "$t_im" "$t_ours")"
printf '  %-32s %10s %10s\n' "djpeg -scale 1/8 (decode limit)" "$(rate "$COUNT" "$t_dec")" "$(ratio "$t_dec" "$t_ours")"
echo

# --- resize -----------------------------------------------------------------
INI=$(write_ini 3)
PREPARE=fresh_work; t_ours=$(median_time "$CLI" --ini "$INI" "$OUT/work")
m_resize=$(peak_kib "$CLI" --ini "$INI" "$OUT/work")
PREPARE=fresh_out; t_vips=$(median_time vips_thumbs 800)
PREPARE=fresh_out; t_im=$(median_time im_resize 800)
printf '%-34s %10s %10s\n' "resize job (long side 800)" "photos/s" "ours/peer"
printf '  %-32s %10s\n' "folioscope-cli" "$(rate "$COUNT" "$t_ours")"
printf '  %-32s %10s %10s\n' "vipsthumbnail -s 800 Q=80" "$(rate "$COUNT" "$t_vips")" "$(ratio "$t_vips" "$t_ours")"
printf '  %-32s %10s %10s\n' "convert -resize 800x800 q80" "$(rate "$COUNT" "$t_im")" "$(ratio "$t_im" "$t_ours")"
echo

# --- composite sheet ----------------------------------------------------------
INI=$(write_ini 2)
PREPARE=fresh_sheet; t_ours=$(median_time "$CLI" --ini "$INI" "$OUT/work")
m_sheet=$(peak_kib "$CLI" --ini "$INI" "$OUT/work")
PREPARE=fresh_out; t_im=$(median_time im_montage)
printf '%-34s %10s %10s\n' "composite 4x4 sheet (16 photos)" "photos/s" "ours/peer"
printf '  %-32s %10s\n' "folioscope-cli" "$(rate 16 "$t_ours")"
printf '  %-32s %10s %10s\n' "montage -tile 4x4" "$(rate 16 "$t_im")" "$(ratio "$t_im" "$t_ours")"
echo

# --- memory -------------------------------------------------------------------
canvas_kib=$(( 4708 * 3300 * 4 / 1024 )); photo_kib=$(( 4000 * 3000 * 4 / 1024 ))
echo "peak memory (KiB): thumbnail $m_thumb, resize $m_resize, composite $m_sheet;" \
     "one sheet canvas $canvas_kib + one decoded photo $photo_kib = $(( canvas_kib + photo_kib ))"
