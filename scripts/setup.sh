#!/usr/bin/env bash
# Installs the Debian packages the project needs (when missing), then
# configures and builds into build/. Safe to run again.
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/packages.sh
folio_install_packages "${FOLIO_PACKAGES[@]}"

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
ninja -C build -j"$(nproc)"
