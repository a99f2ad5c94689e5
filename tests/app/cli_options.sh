#!/usr/bin/env bash
# The command line's options end to end: --mode and --set change one run and
# never the settings file, a bad key or an out-of-range value is a usage
# error (64) with the options page's message, and --version and --help answer
# without running a job.
set -euo pipefail
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "cli_options: $*" >&2; exit 1; }

# No settings file of the user's or the build's is found or written.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
mkdir -p "$HOME"
# The command line's own texts are checked as written (English); the status
# lines of jobs, where a run prints them, in Japanese.
export LANG=C.UTF-8 LANGUAGE= LC_ALL= LC_MESSAGES=
japanese() { LC_MESSAGES=ja_JP.UTF-8 "$@"; }

status_of() { local s=0; "$@" >"$work/out" 2>"$work/err" || s=$?; echo "$s"; }

[ "$(status_of "$cli" --version)" -eq 0 ] || fail "--version failed"
grep -Eq '^folioscope-cli [0-9]+\.[0-9]+' "$work/out" || fail "--version printed: $(cat "$work/out")"
[ "$(status_of "$cli" --help)" -eq 0 ] || fail "--help failed"
for option in --mode --set --ini --version --help; do
  grep -q -- "$option" "$work/out" || fail "--help does not list $option"
done

"$cli" --make-demo "$work/photos" 3 >/dev/null
printf '[SlideShow]\r\nSize=500\r\n' >"$work/run.ini"
cp "$work/run.ini" "$work/run.ini.before"

# A slideshow run with its long side set on the command line.
[ "$(status_of "$cli" --ini "$work/run.ini" --mode slideshow --set SlideShow.Size=320 \
      "$work/photos")" -eq 0 ] || fail "the slideshow run failed: $(cat "$work/out" "$work/err")"
[ -f "$work/photos/slideshow.html" ] || fail "no slideshow.html"
[ ! -e "$work/photos/page1.html" ] || fail "--mode slideshow ran the thumbnail job"
slides=("$work"/photos/slideshow/*.jpg)
[ ${#slides[@]} -eq 3 ] || fail "expected 3 slide images, found ${#slides[@]}"
for slide in "${slides[@]}"; do
  file -b "$slide" | grep -Eq '(, 320x[0-9]+,|, [0-9]+x320,)' ||
    fail "slide $(basename "$slide") is not 320 on its long side: $(file -b "$slide")"
done
cmp -s "$work/run.ini" "$work/run.ini.before" || fail "the run changed its --ini file"
[ ! -e "$XDG_CONFIG_HOME/folioscope" ] || fail "the run wrote a settings file"

# Usage errors: the reason, the hint, status 64, and no job.
expect_usage_error() {
  local message=$1; shift
  [ "$(status_of "$cli" "$@" "$work/photos")" -eq 64 ] || fail "$* did not exit 64"
  grep -qF -- "$message" "$work/err" || fail "$* said: $(cat "$work/err")"
  grep -qF "Try 'folioscope-cli --help'." "$work/err" || fail "$* gave no hint"
}
before=$(ls -R "$work/photos" | sha256sum)
expect_usage_error "Enter an integer between 10 and 100000." --set SlideShow.Size=5
expect_usage_error "Nope" --set Thumbnail.Nope=1
expect_usage_error "Nowhere" --set Nowhere.PhotoNo=1
expect_usage_error "unsaid" --mode unsaid
[ "$(ls -R "$work/photos" | sha256sum)" = "$before" ] || fail "a usage error touched the folder"

# Short options and --option=value mean what their long forms do.
rm -rf "$work/short" && "$cli" --make-demo="$work/short" 2 >/dev/null
[ "$(status_of "$cli" --ini="$work/run.ini" -m slideshow --set=SlideShow.Size=200 "$work/short")" -eq 0 ] ||
  fail "the run with short options failed: $(cat "$work/out" "$work/err")"
[ -f "$work/short/slideshow.html" ] || fail "-m slideshow made no slideshow"
[ "$(status_of "$cli" -V)" -eq 0 ] && grep -Eq '^folioscope-cli [0-9]' "$work/out" || fail "-V"
[ "$(status_of "$cli" --mode=resize --help)" -eq 0 ] || fail "--mode=resize --help"
expect_usage_error "--help takes no value" --help=yes

# Errors on standard error, everything else on standard output; -q keeps
# only the errors, -v adds the settings file and the mode.
rm -rf "$work/streams" && "$cli" --make-demo "$work/streams" 2 >/dev/null
[ "$(japanese status_of "$cli" -m thumbnail "$work/streams" "$work/missing")" -eq 1 ] || fail "status of a failed folder"
grep -q "終了：サムネイルHTMLファイル作成完了" "$work/out" || fail "the done line is not on stdout"
grep -q "エラー：フォルダではありません" "$work/err" || fail "the error line is not on stderr: $(cat "$work/err")"
! grep -q "エラー" "$work/out" || fail "an error line reached stdout"
rm -rf "$work/streams" && "$cli" --make-demo "$work/streams" 2 >/dev/null
[ "$(japanese status_of "$cli" -q -m thumbnail "$work/streams" "$work/missing")" -eq 1 ] || fail "status under -q"
[ ! -s "$work/out" ] || fail "-q printed: $(cat "$work/out")"
grep -q "エラー：フォルダではありません" "$work/err" || fail "-q hid the error line"
[ "$(status_of "$cli" --verbose --ini "$work/run.ini" -m composite --dry-run "$work/streams")" -eq 0 ] ||
  fail "--verbose --dry-run failed"
grep -qF "settings: $work/run.ini" "$work/out" && grep -q "^mode: composite$" "$work/out" ||
  fail "--verbose printed: $(cat "$work/out")"

# --list-settings: every key with its value (after --set), default and range.
[ "$(status_of "$cli" --list-settings --ini "$work/run.ini" --set Thumbnail.PhotoNo=12)" -eq 0 ] ||
  fail "--list-settings failed"
grep -qP '^Thumbnail\tPhotoNo\t12\t10\t0\.\.10000$' "$work/out" ||
  fail "--list-settings PhotoNo: $(grep PhotoNo "$work/out")"
grep -qP '^SlideShow\tSize\t500\t' "$work/out" || fail "--list-settings did not read --ini"
for key in Sougo EnbLink RaitoX CreateMode; do
  grep -qP "\t$key\t" "$work/out" || fail "--list-settings lacks $key"
done

# --dry-run says what a run would do and leaves every byte, name and mtime.
source "$(dirname "$0")/tree_listing.sh"
full_listing() { tree_listing "$1"; (cd "$1" && find . -printf '%p %T@ %m %s\n' | sort); }
dry_run_says() {
  local folder=$1 expected=$2; shift 2
  full_listing "$folder" >"$work/before"
  "$cli" --dry-run "$@" "$folder" >"$work/out" 2>"$work/err" || true
  grep -qF -- "$expected" "$work/out" "$work/err" ||
    fail "--dry-run on ${folder##*/} said: $(cat "$work/out" "$work/err")"
  full_listing "$folder" | diff -q - "$work/before" >/dev/null || fail "--dry-run changed ${folder##*/}"
}
rm -rf "$work/dry" && "$cli" --make-demo "$work/dry" 3 >/dev/null
sleep 0.01
dry_run_says "$work/dry" "make thumbnail pages (3 photos)" -m thumbnail
dry_run_says "$work/dry" "make composite sheets (3 photos)" --mode=composite
dry_run_says "$work/dry" "nothing: the settings ask for no job here" --set Setting.NoD\&DtoRun=1
"$cli" -q -m thumbnail "$work/dry"
dry_run_says "$work/dry" "rewind" -m thumbnail
dry_run_says "$work/dry" "rewind" -m resize
# A killed run's journal: moved photos and the hidden file it leaves.
printf 'folioscope-journal\n' >"$work/dry/.folioscope-journal"
dry_run_says "$work/dry" "recover a killed run" -m thumbnail
rm "$work/dry/.folioscope-journal"
mkdir "$work/empty"
dry_run_says "$work/empty" "refuse: no photos"
[ "$(status_of "$cli" --dry-run "$work/missing")" -eq 1 ] && grep -q "refuse: not a folder" "$work/err" &&
  [ ! -e "$work/missing" ] || fail "--dry-run on a missing folder: $(cat "$work/err")"
ln -s /tmp "$work/dry/.folioscope-lock"
dry_run_says "$work/dry" "refuse: something not ours"
rm "$work/dry/.folioscope-lock"
if command -v flock >/dev/null; then
  rm -rf "$work/held" && "$cli" --make-demo "$work/held" 1 >/dev/null
  # This shell holds the lock as a running job would.
  exec 9>"$work/held/.folioscope-lock"
  flock -n 9 || fail "could not take the lock for the test"
  dry_run_says "$work/held" "refuse: in use by another run"
  [ "$(status_of "$cli" --dry-run "$work/held")" -eq 1 ] || fail "a refused dry run did not give 1"
  exec 9>&-
fi

# A folder that fails still gives status 1, after the options were taken.
[ "$(status_of "$cli" --mode thumbnail --set Thumbnail.PhotoNo=2 "$work/missing")" -eq 1 ] ||
  fail "a missing folder did not give status 1"
echo "cli options test passed"
