#!/usr/bin/env bash
# A folder that turns read-only while the thumbnail job has moved photos into
# jpg: the job cannot put them back, and must say where they are and that
# the next run puts them back; a run while the folder is still read-only
# says the same and changes nothing; once it is writable again the next run
# does put them back, and a rewind gives back the very files. Needs the
# right to mount (root); skipped (77) without it.
#   cli_read_only.sh CLI PHOTO_FOLDER
set -euo pipefail
cli=$1
photos=$2
work=$(mktemp -d)
disk=$work/disk
cleanup() {
  [ -z "${pid:-}" ] || kill -KILL "$pid" 2>/dev/null || true
  mountpoint -q "$disk" && umount "$disk"
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "cli_read_only: $*" >&2; exit 1; }
source "$(dirname "$0")/tree_listing.sh"
source "$(dirname "$0")/small_disk.sh"

mount_small_disk 96m
printf '[Thumbnail]\r\nPhotoNo=5\r\n[Setting]\r\nCreateMode=0\r\n' >"$work/run.ini"
folder=$disk/photos
copy_photos "$photos" "$folder"
tree_listing "$folder" >"$work/expected"
(cd "$folder" && sha256sum *.jpg | cut -d' ' -f1 | sort) >"$work/photo-hashes"
run() { "$cli" --ini "$work/run.ini" "$folder" >"$work/out" 2>&1; }
every_photo_kept() {
  local now
  now=$(find "$folder" -type f -name '*.jpg' -not -path '*/thum/*' -print0 | xargs -0 sha256sum |
        cut -d' ' -f1 | sort)
  [ "$now" = "$(cat "$work/photo-hashes")" ] || fail "$1: a photo was lost or changed"
}

# Stop the job once it has moved a few photos, make the disk read-only, let
# the job go on. A job that ends before it is caught is rewound and tried again.
caught=0
for attempt in 1 2 3 4 5; do
  "$cli" --ini "$work/run.ini" "$folder" >"$work/out" 2>&1 &
  pid=$!
  for _ in $(seq 1 1000); do
    [ "$(ls "$folder/jpg" 2>/dev/null | wc -l)" -ge 2 ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.01
  done
  if kill -STOP "$pid" 2>/dev/null; then
    # A file the job is writing keeps the disk busy: let it write a little.
    for _ in $(seq 1 200); do
      mount -o remount,ro "$disk" 2>/dev/null && break
      kill -CONT "$pid"; sleep 0.002; kill -STOP "$pid"
    done
    touch "$disk/probe" 2>/dev/null && fail "the disk could not be made read-only"
    kill -CONT "$pid"
    status=0
    wait "$pid" || status=$?
    pid=
    caught=1
    break
  fi
  wait "$pid" || true
  pid=
  run || fail "attempt $attempt: the rewind failed"
done
[ "$caught" -eq 1 ] || fail "the job always ended before it could be stopped"

[ "$status" -eq 1 ] || fail "the stopped job ended with $status: $(cat "$work/out")"
grep -q "エラー：フォルダに書き込めないため中断しました。写真は jpg フォルダにあり、次の実行で元に戻します" "$work/out" ||
  fail "the stopped job said: $(cat "$work/out")"
[ -n "$(ls "$folder/jpg")" ] || fail "no photo in jpg, as the message says"
[ -e "$folder/.folioscope-journal" ] || fail "the journal is gone"
every_photo_kept "after the stop"

# Still read-only: nothing can go back, and the run says so.
before=$(tree_listing "$folder")
status=0
run || status=$?
[ "$status" -eq 1 ] || fail "a run on the read-only folder ended with $status"
grep -q "エラー：中断されたサムネイルHTML作成を元に戻せませんでした。写真は jpg フォルダにあり、次の実行で元に戻します" "$work/out" ||
  fail "the run on the read-only folder said: $(cat "$work/out")"
[ "$(tree_listing "$folder")" = "$before" ] || fail "the read-only run changed the folder"

# Writable again: the next run puts the photos back and makes the pages.
mount -o remount,rw "$disk"
run || fail "the run after failed: $(cat "$work/out")"
grep -q "復旧：中断されたサムネイルHTML作成を元に戻しました" "$work/out" || fail "no recovery: $(cat "$work/out")"
grep -q "終了：サムネイルHTMLファイル作成完了" "$work/out" || fail "no pages: $(cat "$work/out")"
run || fail "the rewind failed"
differences=$(same_tree "$folder" "$work/expected") ||
  fail "the folder is not as it was: $differences"
echo "read-only test passed"
