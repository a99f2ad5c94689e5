#!/usr/bin/env bash
# Installs what the browser tests need: Debian's Chromium, a Japanese font
# for the pages, Node.js when missing, and the pinned puppeteer-core of
# tests/browser (npm ci, only when the lock file changed). Safe to run again.
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/packages.sh
packages=("${FOLIO_BROWSER_PACKAGES[@]}")
command -v npm >/dev/null || packages+=(nodejs npm)
folio_install_packages "${packages[@]}"

# The tests drive Debian's Chromium; puppeteer-core downloads no browser.
stamp=tests/browser/node_modules/.folio-package-lock.json
if ! cmp -s tests/browser/package-lock.json "$stamp"; then
  (cd tests/browser && npm ci --no-audit --no-fund --loglevel=error)
  cp tests/browser/package-lock.json "$stamp"
fi
