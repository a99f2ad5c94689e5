#!/usr/bin/env bash
# A disk that fills up during a job: on a small tmpfs holding real photos and
# a filler file that leaves only so many bytes free, the thumbnail and the
# slideshow jobs must report the error (status 1), leave no truncated page
# and no temporary file, and give every photo back unchanged at the top
# level. Needs the right to mount (root); skipped (77) without it.
#   cli_full_disk.sh CLI PHOTO_FOLDER
set -euo pipefail
cli=$1
photos=$2
work=$(mktemp -d)
disk=$work/disk
cleanup() {
  mountpoint -q "$disk" && umount "$disk"
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "cli_full_disk: $*" >&2; exit 1; }
source "$(dirname "$0")/tree_listing.sh"
source "$(dirname "$0")/small_disk.sh"

mount_small_disk 48m
printf '[Thumbnail]\r\nPhotoNo=5\r\n' >"$work/run.ini"

folder=$disk/photos
copy_photos "$photos" "$folder"
tree_listing "$folder" >"$work/expected"

free_bytes() { echo $(( $(stat -f -c '%a' "$disk") * $(stat -f -c '%S' "$disk") )); }
# Leaves `1` bytes free on the disk (to a page's precision).
leave_free() {
  rm -f "$disk/filler"
  local fill=$(( $(free_bytes) - $1 ))
  [ "$fill" -le 0 ] || head -c "$fill" /dev/zero >"$disk/filler" 2>/dev/null || true
}

check_nothing_half_done() {
  local page
  for page in "$folder"/*.html; do
    [ -e "$page" ] || continue
    tail -c 9 "$page" | grep -q '</html>' || fail "$1: a truncated page ${page##*/}"
  done
  [ -z "$(find "$folder" -name '.folio-*.tmp')" ] || fail "$1: temporary files left behind"
  [ ! -e "$folder/.folioscope-journal" ] || fail "$1: the journal is still there"
}

# Room for the journal and every thumbnail but not for all the pages: the
# failure then meets a page write. tmpfs gives out whole 4096-byte pages.
"$cli" --ini "$work/run.ini" "$folder" >/dev/null
thumbs=$(find "$folder/thum" -type f -printf '%s\n' | awk '{ n += int(($1 + 4095) / 4096) } END { print n * 4096 }')
"$cli" --ini "$work/run.ini" "$folder" >/dev/null  # the rewind
same_tree "$folder" "$work/expected" >/dev/null || fail "the rewind did not give the folder back"
tried=0
for free in 0 8192 40960 122880 262144 $((thumbs + 8192)) $((thumbs + 16384)); do
  for mode in thumbnail slideshow; do
    leave_free "$free"
    status=0
    "$cli" --ini "$work/run.ini" --mode "$mode" "$folder" >"$work/out" 2>&1 || status=$?
    what="$mode with $free bytes free"
    if [ "$status" -eq 0 ]; then
      # Enough room after all: a thumbnail job is rewound, a slideshow's
      # files removed, and the photos must be as they were.
      [ "$mode" = thumbnail ] && "$cli" --ini "$work/run.ini" "$folder" >/dev/null
      rm -rf "$folder/slideshow" "$folder/slideshow.html"
    else
      [ "$status" -eq 1 ] || fail "$what: exit status $status"
      grep -q "エラー：" "$work/out" || fail "$what: no error reported: $(cat "$work/out")"
      tried=$((tried + 1))
      echo "$what: $(grep -o "エラー：[^ ]*" "$work/out" | head -1)"
      check_nothing_half_done "$what"
      rm -rf "$folder/slideshow"
    fi
    differences=$(same_tree "$folder" "$work/expected") ||
      fail "$what: the photos are not as they were: $differences"
  done
done
[ "$tried" -ge 4 ] || fail "only $tried runs met a full disk"
echo "full disk test passed ($tried runs met a full disk)"
