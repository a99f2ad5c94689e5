#!/usr/bin/env bash
# Two runs on one folder: two folioscope-cli started on the same folder of
# real photos, the second after a random delay, again and again. While one
# works the other must refuse the folder (status 1, touching nothing) or run
# after it has ended; whatever the order, a rewind at the end gives back the
# very files the folder held. Either run may take the folder first.
#   cli_two_runs.sh CLI PHOTO_FOLDER [ROUNDS]
set -euo pipefail
cli=$1
photos=$2
rounds=${3:-20}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "cli_two_runs: $*" >&2; exit 1; }
source "$(dirname "$0")/tree_listing.sh"

export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
mkdir -p "$HOME"
printf '[Thumbnail]\r\nPhotoNo=5\r\n[Setting]\r\nCreateMode=0\r\n' >"$work/run.ini"
mkdir "$work/folder"
cp "$photos"/*.jpg "$work/folder/"
tree_listing "$work/folder" >"$work/expected"

now_ms() { date +%s%3N; }
start=$(now_ms)
"$cli" --ini "$work/run.ini" "$work/folder" >/dev/null || fail "a plain run failed"
duration=$(( $(now_ms) - start ))
"$cli" --ini "$work/run.ini" "$work/folder" >/dev/null || fail "a plain rewind failed"
echo "a whole job takes ${duration} ms"

seed=${FOLIO_RACE_SEED:-$(( $(now_ms) % 32768 ))}
RANDOM=$seed
echo "seed $seed"
refused=0
for i in $(seq 1 "$rounds"); do
  delay=$(( RANDOM % (duration / 2 + 1) ))
  "$cli" --ini "$work/run.ini" "$work/folder" >"$work/out1" 2>&1 &
  first=$!
  sleep "$(printf '%d.%03d' $((delay / 1000)) $((delay % 1000)))"
  status2=0
  timeout 60 "$cli" --ini "$work/run.ini" "$work/folder" >"$work/out2" 2>&1 || status2=$?
  status1=0
  wait "$first" || status1=$?
  what="round $i (second after ${delay} ms): $(cat "$work/out1" "$work/out2" | tr '\n' ' ')"
  made=0 refusals=0 rewinds=0
  for n in 1 2; do
    status=$status1
    [ "$n" -eq 1 ] || status=$status2
    out=$work/out$n
    if grep -q "エラー：このフォルダは別のFolioscopeが処理中です" "$out"; then
      [ "$status" -eq 1 ] || fail "$what: a refusal with status $status"
      refusals=$((refusals + 1))
    elif grep -q "終了：サムネイルHTMLファイル作成完了" "$out"; then
      [ "$status" -eq 0 ] || fail "$what: run $n ended with $status"
      made=$((made + 1))
    elif grep -q "終了：サムネイルHTMLの巻き戻しが行われました" "$out"; then
      # It came after the other had ended.
      [ "$status" -eq 0 ] || fail "$what: run $n ended with $status"
      rewinds=$((rewinds + 1))
    else
      fail "$what: run $n neither made pages, refused nor rewound"
    fi
  done
  [ "$made" -eq 1 ] || fail "$what: $made runs made pages"
  [ "$refusals" -eq 1 ] && refused=$((refused + 1))
  ! grep -q "復旧" "$work/out1" "$work/out2" || fail "$what: one run took the other's journal for a dead run's"
  [ ! -e "$work/folder/.folioscope-lock" ] || fail "$what: the lock file was left behind"
  if [ "$rewinds" -eq 0 ]; then
    "$cli" --ini "$work/run.ini" "$work/folder" >"$work/out" 2>&1 || fail "$what: the rewind failed"
    grep -q "終了：サムネイルHTMLの巻き戻しが行われました" "$work/out" || fail "$what: no rewind: $(cat "$work/out")"
  fi
  differences=$(same_tree "$work/folder" "$work/expected") ||
    fail "$what: the folder differs after the rewind: $differences"
done
[ "$refused" -ge $(( rounds / 2 )) ] || fail "only $refused of $rounds second runs met a running one"
echo "$rounds rounds, $refused second runs refused, the folder as it was"
