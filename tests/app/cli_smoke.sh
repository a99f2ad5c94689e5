#!/usr/bin/env bash
# The headless front end end to end: a demo folder of 25 photos becomes three
# pages (12 a page), a second run rewinds it to the same bytes, so does a folder
# of odd names and files, and a path that
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
test "$(ls "$work/photos/thum" | grep -c '\.jpg$')" -eq 25
# The 2x renditions, and the default stylesheet where the folder had none;
# the rewind below takes them away with the rest.
test "$(ls "$work/photos/thum/2x" | wc -l)" -eq 25
test -f "$work/photos/thum.css"

out=$("$cli" --ini "$work/cli.ini" "$work/photos")
grep -q "終了：サムネイルHTMLの巻き戻しが行われました" <<<"$out"
(cd "$work/photos" && sha256sum *.jpg) | diff - "$work/before"
test "$(ls "$work/photos" | wc -l)" -eq 25

# Names that are no UTF-8 (a Shift_JIS 日本.jpg), an empty photo and a long
# side below 0 from a hand-edited INI file: the job ends and the rewind gives
# back the same bytes.
mkdir "$work/odd"
cp "$work/photos/demo_001.jpg" "$work/odd/$(printf '\x93\xfa\x96\x7b.jpg')"
cp "$work/photos/demo_002.jpg" "$work/odd/b.jpg"
: > "$work/odd/empty.jpg"
(cd "$work/odd" && sha256sum -- *.jpg) > "$work/odd-before"
printf '[Thumbnail]\r\nPhotoSize=-5\r\n' > "$work/odd.ini"
out=$("$cli" --ini "$work/odd.ini" "$work/odd")
grep -q "終了：サムネイルHTMLファイル作成完了" <<<"$out"
test "$(ls "$work/odd/jpg" | wc -l)" -eq 3
out=$("$cli" --ini "$work/odd.ini" "$work/odd")
grep -q "終了：サムネイルHTMLの巻き戻しが行われました" <<<"$out"
(cd "$work/odd" && sha256sum -- *.jpg) | diff - "$work/odd-before"
test "$(ls "$work/odd" | wc -l)" -eq 3

if "$cli" --ini "$work/cli.ini" "$work/missing" >/dev/null 2>"$work/err"; then
  echo "a missing folder must fail the run" >&2
  exit 1
fi
grep -q "エラー：フォルダではありません" "$work/err"  # errors go to stderr

# An empty argument is a path that names no folder, not a crash.
status=0
"$cli" --ini "$work/cli.ini" "" >/dev/null 2>"$work/err" || status=$?
test "$status" -eq 1
grep -q "エラー：フォルダではありません" "$work/err"  # errors go to stderr
echo "cli smoke test passed"
