// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/work_pool.h"

namespace folio {

int WorkerCount(int threadsSetting) {
  // A hand-edited file may say anything; a few dozen threads is plenty.
  constexpr int kMost = 64;
  if (threadsSetting >= 1) return std::min(threadsSetting, kMost);
  const unsigned cores = std::thread::hardware_concurrency();
  return cores == 0 ? 1 : static_cast<int>(cores);
}

}  // namespace folio
