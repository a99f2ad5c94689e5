#!/usr/bin/env bash
# The headless front end end to end: a demo folder of 25 photos becomes three
# pages (12 a page), a second run rewinds it to the same bytes, and a path that
# is not a folder (or an empty one) fails the run.
set -euo pipefail
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$cli" --make-demo "$work/photos" 25 >/dev/null
(cd "$work/photos" && sha256sum *.jpg) > "$work/before"
printf '[Thumbnail]\r\nPhotoNo=12\r\nLineNo=4\r\n' > "$work/cli.ini"

out=$("$cli" --ini "$work/cli.ini" "$work/photos")
grep -q "終了：サムネイルHTMLファイル作成完了" <<<"$out"
for page in page1.html page2.html page3.html; do test -f "$work/photos/$page"; done
test ! -e "$work/photos/page4.html"
test "$(ls "$work/photos/jpg" | wc -l)" -eq 25
test "$(ls "$work/photos/thum" | wc -l)" -eq 25

out=$("$cli" --ini "$work/cli.ini" "$work/photos")
grep -q "終了：サムネイルHTMLの巻き戻しが行われました" <<<"$out"
(cd "$work/photos" && sha256sum *.jpg) | diff - "$work/before"
test "$(ls "$work/photos" | wc -l)" -eq 25

if "$cli" --ini "$work/cli.ini" "$work/missing" >"$work/out"; then
  echo "a missing folder must fail the run" >&2
  exit 1
fi
grep -q "エラー：フォルダではありません" "$work/out"

# An empty argument is a path that names no folder, not a crash.
status=0
"$cli" --ini "$work/cli.ini" "" >"$work/out" || status=$?
test "$status" -eq 1
grep -q "エラー：フォルダではありません" "$work/out"
echo "cli smoke test passed"
