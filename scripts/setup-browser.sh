#!/usr/bin/env bash
# Installs what the browser tests need: Debian's Chromium, a Japanese font
# for the pages, Node.js when missing, and the pinned puppeteer-core of
# tests/browser (npm ci, only when the lock file changed). Safe to run again.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(chromium fonts-ipafont-gothic)
command -v npm >/dev/null || PACKAGES+=(nodejs npm)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The tests drive Debian's Chromium; puppeteer-core downloads no browser.
stamp=tests/browser/node_modules/.folio-package-lock.json
if ! cmp -s tests/browser/package-lock.json "$stamp"; then
  (cd tests/browser && npm ci --no-audit --no-fund --loglevel=error)
  cp tests/browser/package-lock.json "$stamp"
fi
