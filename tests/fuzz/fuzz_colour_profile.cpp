// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry: see fuzz_runs.h for what one input exercises.
#include "fuzz_runs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (!folio::fuzz::RunColourProfile(data, size)) __builtin_trap();
  return 0;
}
