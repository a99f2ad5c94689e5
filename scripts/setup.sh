#!/usr/bin/env bash
# Installs the Debian packages the project needs (when missing), then
# configures and builds into build/. Safe to run again.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev libexiv2-dev libturbojpeg0-dev
          libjpeg62-turbo-dev fonts-ipafont-gothic libgtest-dev libgmock-dev
          locales file)  # locales: the number texts are tested under a decimal-comma locale;
                         # file: the command-line tests read image sizes with it
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

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
ninja -C build -j"$(nproc)"
