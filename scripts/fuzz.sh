#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/, replays the kept
# inputs (seed corpus and regressions), then fuzzes each target for
# FUZZ_SECONDS (default 60) from a scratch copy of its corpus. An input that
# crashes a target is kept in tests/fuzz/regressions/<target>/ and the script
# fails, so the catalogue tests replay it from then on.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
folio_install_packages "${FOLIO_PACKAGES[@]}" "${FOLIO_CLANG_PACKAGES[@]}"

FUZZ_SECONDS="${FUZZ_SECONDS:-60}"
TARGETS=(maker_note exif_items exif_file colour_profile)

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DFOLIO_FUZZ=ON -DFOLIO_BUILD_GUI=OFF -DFOLIO_BUILD_TESTS=OFF >/dev/null
ninja -C build-fuzz -j"$(nproc)" "${TARGETS[@]/#/fuzz_}"

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

failed=()
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

for target in "${TARGETS[@]}"; do
  binary="build-fuzz/tests/fuzz/fuzz_$target"
  regressions="tests/fuzz/regressions/$target"
  # Each kept input once: a file argument runs just that input.
  kept=(tests/fuzz/corpus/"$target"/*)
  [ -d "$regressions" ] && kept+=("$regressions"/*)
  echo "== $target: replaying ${#kept[@]} kept inputs"
  if ! "$binary" "${kept[@]}" >"$work/$target.replay.log" 2>&1; then
    cat "$work/$target.replay.log"
    failed+=("$target (kept input)")
    continue
  fi

  corpus="$work/corpus-$target"
  artifacts="$work/artifacts-$target"
  mkdir -p "$corpus" "$artifacts"
  cp tests/fuzz/corpus/"$target"/* "$corpus"/
  echo "== $target: fuzzing for ${FUZZ_SECONDS}s"
  start=$SECONDS
  status=0
  "$binary" -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$artifacts/" "$corpus" >"$work/$target.log" 2>&1 || status=$?
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$target.log" | tail -n 1)"
  echo "$target: ${runs:-?} inputs executed in $((SECONDS - start))s"
  shopt -s nullglob
  found=("$artifacts"/*)
  shopt -u nullglob
  if [ "$status" -ne 0 ] || [ ${#found[@]} -gt 0 ]; then
    tail -n 60 "$work/$target.log"
    mkdir -p "$regressions"
    for input in "${found[@]}"; do
      kept_as="$regressions/$(basename "$input")"
      cp "$input" "$kept_as"
      echo "$target: failing input kept as $kept_as"
    done
    failed+=("$target")
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzzing failed: ${failed[*]}" >&2
  exit 1
fi
echo "Fuzzing passed: ${TARGETS[*]}"
