#!/usr/bin/env bash
# Builds everything with clang, AddressSanitizer (with LeakSanitizer) and
# UndefinedBehaviorSanitizer into build-asan/ and runs every test there.
# Any report fails its test: UBSan does not recover, ASan aborts.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
folio_install_packages "${FOLIO_PACKAGES[@]}" "${FOLIO_CLANG_PACKAGES[@]}"

flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
# -O1 keeps the tests quick under the sanitizers and the stack traces exact;
# assertions stay on.
CC=clang CXX=clang++ cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g" -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
ninja -C build-asan -j"$(nproc)"

supp="$PWD/scripts/sanitizers"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export LSAN_OPTIONS="suppressions=$supp/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
