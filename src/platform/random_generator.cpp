// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/random_generator.h"

namespace folio {

int RandomGenerator::Next() {
  state_ = state_ * 214013u + 2531011u;  // modulo 2^32, as the runtime's
  return static_cast<int>((state_ >> 16) & 0x7FFF);
}

}  // namespace folio
