#include "platform/lcg.h"

#include <gtest/gtest.h>

namespace {

TEST(Lcg, ClassicRuntimeSequence) {
  folio::Srand(1);
  EXPECT_EQ(folio::Rand(), 41);
  EXPECT_EQ(folio::Rand(), 18467);
  EXPECT_EQ(folio::Rand(), 6334);

  folio::Srand(1);
  EXPECT_EQ(folio::Rand(), 41);  // reseeding repeats the order

  folio::Srand(12345);
  for (int i = 0; i < 100000; ++i) {
    const int v = folio::Rand();
    ASSERT_GE(v, 0);
    ASSERT_LE(v, 32767);
  }
}

}  // namespace
