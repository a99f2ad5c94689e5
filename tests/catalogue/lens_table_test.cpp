// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/lens_table.h"

#include <gtest/gtest.h>

#include <set>

#include "catalogue/exif_tallies.h"
#include "platform/text.h"

namespace folio {
namespace {

TEST(LensTable, HoldsTheKnownLensesVerbatim) {
  const auto table = LensTable();
  ASSERT_EQ(table.size(), 117u);
  std::set<std::u16string_view> keys;
  uint64_t hash = 1469598103934665603ull;  // FNV-1a of "key\ttext\n" rows in UTF-8
  for (const LensEntry& entry : table) {
    EXPECT_EQ(entry.key.size(), 14u) << ToUtf8(entry.key);
    EXPECT_TRUE(keys.insert(entry.key).second) << "duplicate " << ToUtf8(entry.key);
    std::u16string row = std::u16string(entry.key) + u"\t" + std::u16string(entry.text) + u"\n";
    for (unsigned char c : ToUtf8(row)) {
      hash ^= c;
      hash *= 1099511628211ull;
    }
  }
  // Any edit of a key or text (a lost trailing space, a changed character) shows here.
  EXPECT_EQ(hash, 0x259bf5fa226823d3ull);
}

struct LensCase {
  uint32_t type, shortEnd, longEnd;
  std::u16string_view expected;
};

class LookupLensTest : public ::testing::TestWithParam<LensCase> {
 protected:
  ExifTallies tallies_;
};

TEST_P(LookupLensTest, NamesTheLensAndCountsIt) {
  const LensCase& c = GetParam();
  EXPECT_EQ(LookupLens(c.type, c.shortEnd, c.longEnd, tallies_), c.expected);
  EXPECT_EQ(tallies_.LensTally[0].text, c.expected);
  EXPECT_EQ(tallies_.LensTally[0].count, 1u);
  EXPECT_EQ(tallies_.LensTally[1].count, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, LookupLensTest,
    ::testing::Values(
        LensCase{0x98, 10, 20, u"Sigma 10-20mm F4-5.6 EX DC HSM (APS-C用)"},
        LensCase{0x99, 50, 500, u"Sigma 50-500mm F4-6.3 APO HSM EX \"Bigma\""},
        LensCase{0xB5, 140, 560, u"Canon EF 100-400mm F4.5-5.6L IS x 1.4 "},
        LensCase{0x1A, 180, 180, u"Tamron SP AF 180mm F3.5 Di Macro "},
        LensCase{0x99, 18, 200,
                 u"Tamron AF18-200mm F3.5-6.3 XR DiⅡ LD Aspherical [IF] Macro Model A14 (APS-C用)"},
        LensCase{0xD5, 70, 300, u"Tamron SP 70-300mm F/4-5.6 Di VC USD"},  // last row
        LensCase{0x83, 8, 8, u"Sigma 8mm F3.5 EX DG Circular Fisheye"},    // first row
        LensCase{0x1234, 24, 70, u"24-70mm"},                              // not in the table
        LensCase{0x01, 50, 51, u"50-51mm"}));

TEST(CountLens, SameLensSharesASlotAndFreshTalliesAreEmpty) {
  ExifTallies tallies;
  LookupLens(0x98, 10, 20, tallies);
  LookupLens(0x01, 50, 50, tallies);
  LookupLens(0x98, 10, 20, tallies);
  const auto& lens = tallies.LensTally;
  EXPECT_EQ(lens[0].text, u"Sigma 10-20mm F4-5.6 EX DC HSM (APS-C用)");
  EXPECT_EQ(lens[0].count, 2u);
  EXPECT_EQ(lens[1].text, u"Canon EF 50mm F1.8");
  EXPECT_EQ(lens[1].count, 1u);
  EXPECT_TRUE(lens[2].text.empty());

  tallies = ExifTallies{};
  for (const LensTallySlot& slot : lens) {
    EXPECT_TRUE(slot.text.empty());
    EXPECT_EQ(slot.count, 0u);
  }
}

TEST(CountLens, FullTallyCountsOnlyKnownTextsAndIgnoresEmpty) {
  ExifTallies tallies;
  tallies.CountLens(u"");
  EXPECT_EQ(tallies.LensTally[0].count, 0u);
  for (int i = 0; i < kLensSlots; ++i) tallies.CountLens(u"lens " + DecimalText(i));
  tallies.CountLens(u"one too many");
  tallies.CountLens(u"lens 499");
  EXPECT_EQ(tallies.LensTally[kLensSlots - 1].text, u"lens 499");
  EXPECT_EQ(tallies.LensTally[kLensSlots - 1].count, 2u);
  for (const LensTallySlot& slot : tallies.LensTally) EXPECT_NE(slot.text, u"one too many");
}

}  // namespace
}  // namespace folio
