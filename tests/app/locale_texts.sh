#!/usr/bin/env bash
# Both programs in the language of the locale: LANG=C and en_US.UTF-8 give
# the English texts, ja_JP.UTF-8 the Japanese ones; LANGUAGE comes first
# unless the locale is C, as gettext has it. The window answers --help and
# --version on the terminal without a display and without an error.
set -euo pipefail
cli=$1
gui=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/empty"

# run VAR=VALUE... -- PROGRAM ARGS: the program with only the given locale
# variables set; stdout into $work/out, stderr into $work/err.
run() {
  local vars=()
  while [ "$1" != -- ]; do vars+=("$1"); shift; done
  shift
  env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG -u DISPLAY -u WAYLAND_DISPLAY \
      -u QT_QPA_PLATFORM "${vars[@]}" "$@" >"$work/out" 2>"$work/err"
}

expect() {  # expect LANGUAGE-SETTINGS... -- english|japanese
  local vars=()
  while [ "$1" != -- ]; do vars+=("$1"); shift; done
  local language=$2
  local none nofolder usage
  if [ "$language" = japanese ]; then
    none="    エラー：JPG画像ファイルがありません"
    nofolder="    エラー：フォルダではありません"
    usage="使い方: folioscope [フォルダ]..."
  else
    none="    Error: no JPG image files"
    nofolder="    Error: not a folder"
    usage="Usage: folioscope [FOLDER]..."
  fi
  local status=0
  run "${vars[@]}" -- "$cli" --ini "$work/cli.ini" "$work/empty" "$work/nowhere" || status=$?
  test "$status" -eq 1
  grep -qxF -- "$none" "$work/out" "$work/err"
  grep -qxF -- "$nofolder" "$work/out" "$work/err"

  run "${vars[@]}" -- "$gui" --help
  head -n 1 "$work/out" | grep -qxF -- "$usage"
  test ! -s "$work/err"
  run "${vars[@]}" -- "$gui" --version
  grep -qx "folioscope [0-9][0-9.]*" "$work/out"
  test ! -s "$work/err"
}

expect LANG=C -- english
expect LANG=en_US.UTF-8 -- english
expect LANG=ja_JP.UTF-8 -- japanese
expect LANG=de_DE.UTF-8 -- english  # no German translation: the source texts
expect LANG=en_US.UTF-8 LANGUAGE=ja:en -- japanese
expect LANG=ja_JP.UTF-8 LC_MESSAGES=C -- english
expect LANG=C LANGUAGE=ja -- english
expect LC_ALL=ja_JP.UTF-8 LANG=C -- japanese
echo "locale texts: ok"
