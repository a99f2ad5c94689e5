// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/random_generator.h"

#include <gtest/gtest.h>

namespace {

using folio::RandomGenerator;

TEST(RandomGenerator, ClassicRuntimeSequence) {
  RandomGenerator random;  // the runtime's initial seed
  EXPECT_EQ(random.Next(), 41);
  EXPECT_EQ(random.Next(), 18467);
  EXPECT_EQ(random.Next(), 6334);

  random.Reseed(1);
  EXPECT_EQ(random.Next(), 41);  // reseeding repeats the order

  random.Reseed(12345);
  for (int i = 0; i < 100000; ++i) {
    const int v = random.Next();
    ASSERT_GE(v, 0);
    ASSERT_LE(v, RandomGenerator::kMax);
  }
}

// Two generators never disturb each other, and a copy goes on from where its
// original was.
TEST(RandomGenerator, EachValueKeepsItsOwnState) {
  RandomGenerator a, b(7);
  const int firstOfSeven = RandomGenerator(7).Next();
  EXPECT_EQ(a.Next(), 41);
  EXPECT_EQ(b.Next(), firstOfSeven);
  EXPECT_EQ(a.Next(), 18467);

  RandomGenerator copy = a;
  EXPECT_EQ(copy.Next(), 6334);
  EXPECT_EQ(a.Next(), 6334);
}

}  // namespace
