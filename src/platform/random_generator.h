// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The C runtime's classic pseudo-random generator, as a value: 0..32767 and
// the runtime's fixed initial seed 1, so that random orders repeat from one
// run of the program to the next. Whoever runs a batch owns one and lends it
// to the jobs; nothing shares a hidden state.
#include <cstdint>

namespace folio {

class RandomGenerator {
 public:
  static constexpr int kMax = 32767;

  explicit RandomGenerator(unsigned seed = 1) : state_(seed) {}

  // The next value, 0..kMax.
  int Next();
  void Reseed(unsigned seed) { state_ = seed; }

 private:
  uint32_t state_;
};

}  // namespace folio
