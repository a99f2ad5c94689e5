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

# A folder that fails still gives status 1, after the options were taken.
[ "$(status_of "$cli" --mode thumbnail --set Thumbnail.PhotoNo=2 "$work/missing")" -eq 1 ] ||
  fail "a missing folder did not give status 1"
echo "cli options test passed"
