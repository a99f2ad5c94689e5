#!/usr/bin/env bash
# Opens the pages that folioscope-cli writes in headless Chromium.
#   run.sh CLI [--screens DIR]
# --screens (or FOLIO_SCREENS_DIR) also writes page1.png, top.png and
# slideshow.png there. Exit 77 (a skip for CTest) when Chromium or the node
# packages are missing, except under CI, where that is a failure.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
[ $# -ge 1 ] || { echo "usage: $0 CLI [--screens DIR]" >&2; exit 64; }
export FOLIO_CLI
FOLIO_CLI=$(realpath "$1")
shift
while [ $# -gt 0 ]; do
  case $1 in
    --screens) [ $# -ge 2 ] || { echo "--screens needs a folder" >&2; exit 64; }
               FOLIO_SCREENS_DIR=$2; shift 2 ;;
    *) echo "unknown option $1" >&2; exit 64 ;;
  esac
done
if [ -n "${FOLIO_SCREENS_DIR:-}" ]; then
  export FOLIO_SCREENS_DIR
  FOLIO_SCREENS_DIR=$(realpath -m "$FOLIO_SCREENS_DIR")
fi
export CHROMIUM=${CHROMIUM:-/usr/bin/chromium}
export FOLIO_PHOTOS_DIR=${FOLIO_PHOTOS_DIR:-$(realpath -m "$here/../../../shared/photos")}

missing=()
[ -x "$CHROMIUM" ] || missing+=("$CHROMIUM")
[ -d "$here/node_modules/puppeteer-core" ] || missing+=("tests/browser/node_modules")
[ -f "$FOLIO_PHOTOS_DIR/facts.json" ] || missing+=("$FOLIO_PHOTOS_DIR")
command -v node >/dev/null || missing+=(node)
if [ ${#missing[@]} -gt 0 ]; then
  echo "browser tests need: ${missing[*]} (bash scripts/setup-browser.sh installs them)"
  [ "${CI:-}" = true ] && exit 1
  exit 77
fi

cd "$here"
# One file at a time: each starts its own Chromium, and the slideshow's
# timing wants the cores to itself.
exec node --test --test-concurrency=1 ./*.test.mjs
