// SPDX-License-Identifier: GPL-3.0-or-later
// Exif property items into the record and the folder tallies.
#include "catalogue/exif_reader.h"

#include <gtest/gtest.h>

#include "catalogue/exif_tallies.h"

namespace folio {
namespace {

std::vector<uint8_t> Le(std::initializer_list<uint32_t> words, int size = 4) {
  std::vector<uint8_t> out;
  for (uint32_t w : words)
    for (int i = 0; i < size; ++i) out.push_back(static_cast<uint8_t>(w >> (8 * i)));
  return out;
}
PropertyItem Rat(uint32_t id, uint32_t n, uint32_t d) { return {id, kTypeRational, Le({n, d})}; }
PropertyItem Short(uint32_t id, uint16_t v) { return {id, kTypeShort, Le({v}, 2)}; }
PropertyItem Text(uint32_t id, std::string s) {
  std::vector<uint8_t> v(s.begin(), s.end());
  v.push_back(0);
  return {id, kTypeAscii, v};
}

class ExifProperties : public ::testing::Test {
 protected:
  ImageRecord Apply(const std::vector<PropertyItem>& items) {
    ImageRecord r;
    ApplyExifProperties(items, r, tallies_);
    return r;
  }
  uint32_t ShutterCount(uint32_t value, int first, int last) const {
    for (int i = first; i < last; ++i)
      if (tallies_.ShutterTally[i].value == value) return tallies_.ShutterTally[i].count;
    return 0;
  }
  static uint32_t Count(const std::array<TallySlot, 50>& table, uint32_t value) {
    for (const TallySlot& s : table)
      if (s.value == value) return s.count;
    return 0;
  }
  uint32_t TotalShutter() const {
    uint32_t n = 0;
    for (const TallySlot& s : tallies_.ShutterTally) n += s.count;
    return n;
  }

  ExifTallies tallies_;
};

TEST_F(ExifProperties, EveryTagLandsInItsField) {
  ImageRecord r = Apply({
      Text(kTagMake, "Canon"), Text(kTagModel, "Canon EOS 40D"),
      Rat(kTagExposureTime, 1, 250), Rat(kTagFNumber, 56, 10), Short(kTagExposureProgram, 3),
      {kTagIsoSpeedRatings, kTypeShort, Le({400, 800}, 2)}, Text(kTagDateTimeOriginal, "2010:05:01 12:34:56"),
      {kTagShutterSpeedValue, kTypeSRational, Le({static_cast<uint32_t>(-7965784), 1000000})},
      {kTagExposureBiasValue, kTypeSRational, Le({static_cast<uint32_t>(-2), 3})},
      Short(kTagFlash, 16), Rat(kTagFocalLength, 185, 10),
      {kTagPixelXDimension, kTypeShort, Le({4000}, 2)}, {kTagPixelYDimension, kTypeLong, Le({2672})},
      Short(kTagWhiteBalance, 1), Short(0x0112, 6) /* Orientation: not taken */});
  EXPECT_EQ(FieldText(r.make), u"Canon");
  EXPECT_EQ(FieldText(r.model), u"Canon EOS 40D");
  EXPECT_EQ(r.exposureTime.numerator, 1u);
  EXPECT_EQ(r.exposureTime.denominator, 250u);
  EXPECT_EQ(r.fNumber.numerator, 56u);
  EXPECT_EQ(r.fNumber.denominator, 10u);
  EXPECT_EQ(r.exposureProgram, 3);
  EXPECT_EQ(r.isoSpeed, 400);  // first value only
  EXPECT_EQ(FieldText(r.dateTimeOriginal), u"2010:05:01 12:34:56");
  EXPECT_EQ(r.shutterSpeedValue.numerator, -7965784);
  EXPECT_EQ(r.shutterSpeedValue.denominator, 1000000);
  EXPECT_EQ(r.exposureBias.numerator, -2);
  EXPECT_EQ(r.exposureBias.denominator, 3);
  EXPECT_EQ(r.flash, 16);
  EXPECT_EQ(r.focalLength.numerator, 185u);
  EXPECT_EQ(r.focalLength.denominator, 10u);
  EXPECT_EQ(r.pixelWidth, 4000u);
  EXPECT_EQ(r.pixelHeight, 2672u);
  EXPECT_EQ(r.whiteBalance, 1);
}

TEST_F(ExifProperties, PixelDimensionsTakeShortOrLongOnly) {
  EXPECT_EQ(Apply({{kTagPixelXDimension, kTypeShort, Le({4000}, 2)}}).pixelWidth, 4000u);
  EXPECT_EQ(Apply({{kTagPixelXDimension, kTypeLong, Le({4000})}}).pixelWidth, 4000u);
  EXPECT_EQ(Apply({{kTagPixelXDimension, kTypeRational, Le({4000, 1})}}).pixelWidth, 0u);
  EXPECT_EQ(Apply({{kTagPixelYDimension, kTypeUndefined, Le({4000})}}).pixelHeight, 0u);
}

TEST_F(ExifProperties, ShortValuesAndLongTextsAreHandledSafely) {
  ImageRecord r = Apply({{kTagExposureTime, kTypeRational, Le({1})},  // 4 bytes of 8
                         {kTagIsoSpeedRatings, kTypeShort, {0x90}},
                         {kTagFocalLength, kTypeRational, {}},
                         Text(kTagModel, std::string(600, 'M')),
                         {kTagMake, kTypeAscii, {'N', 'i', 'k'}}});  // no NUL
  EXPECT_EQ(r.exposureTime.denominator, 0u);
  EXPECT_EQ(r.isoSpeed, 0);
  EXPECT_EQ(r.focalLength.denominator, 0u);
  EXPECT_EQ(FieldText(r.model), std::u16string(259, u'M'));
  EXPECT_EQ(FieldText(r.make), u"Nik");
  EXPECT_EQ(TotalShutter(), 0u);
}

TEST_F(ExifProperties, LaterItemOverwritesAndEveryOccurrenceCounts) {
  ImageRecord r = Apply({Rat(kTagExposureTime, 1, 250), Rat(kTagExposureTime, 1, 125)});
  EXPECT_EQ(r.exposureTime.denominator, 125u);
  EXPECT_EQ(ShutterCount(250, 0, 34), 1u);
  EXPECT_EQ(ShutterCount(125, 0, 34), 1u);
}

TEST_F(ExifProperties, ShutterTallyFollowsItsSlots) {
  Apply({Rat(kTagExposureTime, 1, 250)});
  EXPECT_EQ(ShutterCount(250, 0, 34), 1u);
  Apply({Rat(kTagExposureTime, 1, 3)});  // 3 is no denominator slot
  Apply({Rat(kTagExposureTime, 1, 1)});
  EXPECT_EQ(TotalShutter(), 1u);
  Apply({Rat(kTagExposureTime, 13, 10)});
  EXPECT_EQ(ShutterCount(13, 34, 55), 1u);
  Apply({Rat(kTagExposureTime, 7, 10)});  // new numerator: first free slot
  EXPECT_EQ(tallies_.ShutterTally[55].value, 7u);
  EXPECT_EQ(tallies_.ShutterTally[55].count, 1u);
  Apply({Rat(kTagExposureTime, 7, 2)});  // the denominator plays no part
  EXPECT_EQ(tallies_.ShutterTally[55].count, 2u);
  Apply({Rat(kTagExposureTime, 0, 10)});  // no exposure: counted nowhere
  EXPECT_EQ(tallies_.ShutterTally[56].value, 0u);
  EXPECT_EQ(tallies_.ShutterTally[56].count, 0u);
  EXPECT_EQ(TotalShutter(), 4u);
}

TEST_F(ExifProperties, ShutterTallyStopsCountingNewValuesWhenFull) {
  for (uint32_t n = 1000; n < 1045; ++n) Apply({Rat(kTagExposureTime, n, 10)});
  EXPECT_EQ(tallies_.ShutterTally[99].value, 1044u);
  Apply({Rat(kTagExposureTime, 5000, 10)});
  EXPECT_EQ(TotalShutter(), 45u);
  Apply({Rat(kTagExposureTime, 1044, 10)});
  EXPECT_EQ(tallies_.ShutterTally[99].count, 2u);
}

TEST_F(ExifProperties, ApertureIsoAndFocalTallies) {
  Apply({Rat(kTagFNumber, 28, 10)});
  Apply({Rat(kTagFNumber, 28, 1)});   // would be 280: not in the list
  Apply({Rat(kTagFNumber, 56, 20)});  // denominator neither 10 nor 1
  Apply({Rat(kTagFNumber, 8, 1)});    // 80
  EXPECT_EQ(Count(tallies_.ApertureTally, 28), 1u);
  EXPECT_EQ(Count(tallies_.ApertureTally, 80), 1u);
  EXPECT_EQ(Count(tallies_.ApertureTally, 280), 0u);

  Apply({Short(kTagIsoSpeedRatings, 3200)});
  Apply({Short(kTagIsoSpeedRatings, 3000)});
  EXPECT_EQ(Count(tallies_.IsoTally, 3200), 1u);
  EXPECT_EQ(Count(tallies_.IsoTally, 3000), 0u);

  Apply({Rat(kTagFocalLength, 50, 1)});
  Apply({Rat(kTagFocalLength, 500, 10)});
  Apply({Rat(kTagFocalLength, 1200, 1)});
  Apply({Rat(kTagFocalLength, 999, 1)});
  EXPECT_EQ(tallies_.FocalTally[50], 1u);
  EXPECT_EQ(tallies_.FocalTally[999], 1u);
  uint32_t focal = 0;
  for (uint32_t c : tallies_.FocalTally) focal += c;
  EXPECT_EQ(focal, 2u);
}

TEST_F(ExifProperties, FreshTalliesHoldTheStartValues) {
  Apply({Rat(kTagExposureTime, 7, 10), Rat(kTagFNumber, 28, 10), Short(kTagIsoSpeedRatings, 100)});
  tallies_ = ExifTallies{};
  const auto& s = tallies_.ShutterTally;
  EXPECT_EQ(s[0].value, 8000u);
  EXPECT_EQ(s[33].value, 4u);
  EXPECT_EQ(s[34].value, 3u);
  EXPECT_EQ(s[54].value, 300u);
  EXPECT_EQ(s[55].value, 0u);
  EXPECT_EQ(tallies_.ApertureTally[36].value, 450u);
  EXPECT_EQ(tallies_.ApertureTally[37].value, 0u);
  EXPECT_EQ(tallies_.IsoTally[26].value, 65535u);
  EXPECT_EQ(tallies_.IsoTally[27].value, 102400u);
  for (const auto& slot : s) EXPECT_EQ(slot.count, 0u);
  EXPECT_EQ(Count(tallies_.ApertureTally, 28), 0u);
  EXPECT_EQ(Count(tallies_.IsoTally, 100), 0u);
}

TEST_F(ExifProperties, MakerNoteIsWalkedOnlyAfterMakeReadsExactlyCanon) {
  // A directory with one firmware entry (value 0x1234).
  std::vector<uint8_t> note = {1, 0, 0x07, 0x00, 2, 0, 32, 0, 0, 0, 0x34, 0x12, 0, 0};
  PropertyItem mn{kTagMakerNote, kTypeUndefined, note};
  EXPECT_EQ(Apply({Text(kTagMake, "Canon"), mn}).firmwareOffset, 0x1234);
  EXPECT_EQ(Apply({mn, Text(kTagMake, "Canon")}).firmwareOffset, 0);
  EXPECT_EQ(Apply({Text(kTagMake, "CANON"), mn}).firmwareOffset, 0);
  EXPECT_EQ(Apply({Text(kTagMake, "Canon "), mn}).firmwareOffset, 0);
}

}  // namespace
}  // namespace folio
