#!/usr/bin/env bash
# Sets up, builds and runs the main job headless on the folders given, or,
# with none, on a fresh demo folder of generated photos.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
if [ $# -eq 0 ]; then
  demo="${TMPDIR:-/tmp}/folioscope-demo"
  rm -rf "$demo"
  ./build/src/app/folioscope-cli --make-demo "$demo" 25
  set -- "$demo"
fi
./build/src/app/folioscope-cli "$@"
echo "Output is in: $*"
