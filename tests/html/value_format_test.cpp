// SPDX-License-Identifier: GPL-3.0-or-later
// Text forms of the Exif values and the statistics lines of the tallies.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

#include "catalogue/exif_tallies.h"
#include "html/value_format.h"
#include "platform/text.h"
#include "support/test_support.h"

using folio::ImageRecord;

namespace {

ImageRecord Exposure(uint32_t n, uint32_t d, int32_t a = 0, int32_t b = 0) {
  ImageRecord r;
  r.exposureTime = {n, d};
  r.shutterSpeedValue = {a, b};
  return r;
}

}  // namespace

TEST(FormatShutterSpeed, EveryRange) {
  struct Case {
    ImageRecord record;
    const char16_t* text;
  };
  const Case cases[] = {
      {Exposure(1, 250), u"1/250"},
      {Exposure(1, 3), u"1/3"},
      {Exposure(5, 10), u"1/2"},
      {Exposure(4, 10), u"1/2.50"},
      {Exposure(13, 10), u"1.30"},
      {Exposure(2, 1), u"2.00"},
      {Exposure(15, 1), u"15"},
      {Exposure(25, 10), u"2"},
      {Exposure(1, 1), u"1"},
      {Exposure(10, 1250), u"1/125"},
      {Exposure(3, 100), u"1/33"},
      {Exposure(1, 10), u"1/10"},
      {Exposure(0, 10), u"0"},
      {Exposure(0, 0), u"0"},
      {Exposure(0, 0, 6906, 1000), u"1/119"},  // 2^6.906 is about 119.9
      {Exposure(0, 0, 0, 1), u"1"},
      {Exposure(0, 0, -3, 1), u"8"},      // 8 seconds
      {Exposure(0, 0, 1, 1), u"1/2"},     // exactly 0.5 s
      {Exposure(0, 0, 1, 2), u"1/1.41"},  // 0.71 s
  };
  for (const Case& c : cases)
    EXPECT_EQ(folio::FormatShutterSpeed(c.record), c.text)
        << c.record.exposureTime.numerator << "/" << c.record.exposureTime.denominator << " apex "
        << c.record.shutterSpeedValue.numerator << "/" << c.record.shutterSpeedValue.denominator;
}

TEST(ValueTexts, NumbersAndAbsentValues) {
  ImageRecord r;
  EXPECT_EQ(folio::FormatIso(r), u"0");
  EXPECT_EQ(folio::FormatFNumber(r), u"0");
  EXPECT_EQ(folio::FormatFocalLength(r), u"0");
  EXPECT_EQ(folio::FormatExposureBias(r), u"0");
  EXPECT_EQ(folio::FormatWhiteBalance(r), u"オート");
  EXPECT_EQ(folio::FormatFlash(r), u"非発光");
  EXPECT_EQ(folio::FormatExposureProgram(r), u"0");

  r.isoSpeed = 400;
  r.fNumber = {28, 10};
  r.focalLength = {185, 10};
  r.exposureBias = {-2, 3};
  r.pixelHeight = 3000;
  r.pixelWidth = 4000;
  EXPECT_EQ(folio::FormatIso(r), u"400");
  EXPECT_EQ(folio::FormatFNumber(r), u"2.8");
  EXPECT_EQ(folio::FormatFocalLength(r), u"18");
  EXPECT_EQ(folio::FormatExposureBias(r), u"-0.7");
  EXPECT_EQ(folio::FormatPixelHeight(r), u"3000");
  EXPECT_EQ(folio::FormatPixelWidth(r), u"4000");
  r.fNumber = {8, 1};
  r.focalLength = {50, 1};
  r.exposureBias = {0, 3};
  EXPECT_EQ(folio::FormatFNumber(r), u"8");
  EXPECT_EQ(folio::FormatFocalLength(r), u"50");
  EXPECT_EQ(folio::FormatExposureBias(r), u"0");
  r.exposureBias = {1, 3};
  EXPECT_EQ(folio::FormatExposureBias(r), u"0.3");
}

TEST(ValueTexts, CodeTables) {
  ImageRecord r;
  const std::pair<uint16_t, const char16_t*> programs[] = {{1, u"マニュアル"},
                                                           {2, u"プログラム"},
                                                           {3, u"絞り優先"},
                                                           {4, u"シャッタースピード優先"},
                                                           {5, u"低速プログラム"},
                                                           {6, u"高速プログラム"},
                                                           {7, u"ポートレート"},
                                                           {8, u"風景"},
                                                           {9, u"9"}};
  for (auto [code, text] : programs) {
    r.exposureProgram = code;
    EXPECT_EQ(folio::FormatExposureProgram(r), text) << code;
  }
  const std::pair<uint16_t, const char16_t*> flashes[] = {
      {0, u"非発光"},    {1, u"発光"},          {9, u"強制発光"},
      {16, u"発光禁止"}, {25, u"発光(オート)"}, {89, u"赤目軽減発光(オート)"},
      {24, u"24"}};
  for (auto [code, text] : flashes) {
    r.flash = code;
    EXPECT_EQ(folio::FormatFlash(r), text) << code;
  }
  r.whiteBalance = 1;
  EXPECT_EQ(folio::FormatWhiteBalance(r), u"オート以外");
  r.whiteBalance = 7;
  EXPECT_EQ(folio::FormatWhiteBalance(r), u"7");
  r.whiteBalance = folio::kMakerWhiteBalance;
  const std::pair<int, const char16_t*> maker[] = {
      {0, u"オート"},   {1, u"太陽光"},    {2, u"曇り"},  {3, u"白熱電球"}, {4, u"蛍光灯"},
      {5, u"ストロボ"}, {6, u"カスタム"},  {7, u"白黒"},  {8, u"日陰"},     {9, u"色温度設定"},
      {14, u"蛍光灯H"}, {15, u"カスタム"}, {17, u"水中"}, {10, u"10"}};
  for (auto [code, text] : maker) {
    r.makerWhiteBalance = code;
    EXPECT_EQ(folio::FormatWhiteBalance(r), text) << code;
  }
}

TEST(FormatTally, LinesInSlotOrderAndEmptyWhenNothingCounted) {
  folio::ExifTallies tallies;
  using folio::Tally;
  for (Tally t : {Tally::Shutter, Tally::Aperture, Tally::Iso, Tally::Focal, Tally::Lens})
    EXPECT_EQ(folio::FormatTally(tallies, t), u"");

  for (int i = 0; i < 12; ++i) tallies.CountShutter(1, 125);
  EXPECT_EQ(folio::FormatTally(tallies, Tally::Shutter), u"シャッタースピード 1/125sec 12枚<br>");
  tallies.CountShutter(1, 1);  // one second: no slot
  tallies.CountShutter(3, 10);
  tallies.CountShutter(32, 10);
  tallies.CountShutter(1, 8000);
  tallies.CountShutter(7, 10);  // takes an added slot
  EXPECT_EQ(folio::FormatTally(tallies, Tally::Shutter),
            u"シャッタースピード 1/8000sec 1枚<br>シャッタースピード 1/125sec 12枚<br>"
            u"シャッタースピード 0.3sec 1枚<br>シャッタースピード 3.2sec 1枚<br>"
            u"シャッタースピード 0.7sec 1枚<br>");

  tallies.CountAperture(28, 10);
  tallies.CountAperture(28, 10);
  tallies.CountAperture(8, 1);
  EXPECT_EQ(folio::FormatTally(tallies, Tally::Aperture), u"絞り F2.8 2枚<br>絞り F8.0 1枚<br>");

  tallies.CountIso(65535);
  tallies.CountIso(100);
  EXPECT_EQ(folio::FormatTally(tallies, Tally::Iso), u"ISO感度 100 1枚<br>ISO感度 102400 1枚<br>");

  tallies.CountFocal(50, 1);
  tallies.CountFocal(18, 1);
  tallies.CountFocal(18, 1);
  EXPECT_EQ(folio::FormatTally(tallies, Tally::Focal),
            u"焦点距離 18mm 2枚<br>焦点距離 50mm 1枚<br>");

  folio::ExifTallies lenses;
  lenses.LensTally[0] = {u"EF50mm f/1.8 II", 3};
  lenses.LensTally[1] = {u"EF-S18-55mm", 1};
  lenses.LensTally[3] = {u"after a gap", 9};  // never reached
  EXPECT_EQ(folio::FormatTally(lenses, Tally::Lens), u"EF50mm f/1.8 II 3枚<br>EF-S18-55mm 1枚<br>");
}

// The desktop toolkit adopts the user's locale for the C runtime at start-up;
// under a locale that writes decimal commas the texts must still read "2.8".
TEST(ValueTexts, DecimalPointWhateverTheUserLocale) {
  folio::ExifTallies tallies;
  folio::test::TempDir locales;
  const char* name = "de_DE.UTF-8";
  if (!std::setlocale(LC_NUMERIC, name)) {
    const std::string build =
        "localedef -i de_DE -f UTF-8 '" + (locales / name).string() + "' >/dev/null 2>&1";
    if (std::system(build.c_str()) == 0) {
      setenv("LOCPATH", locales.path().c_str(), 1);
      std::setlocale(LC_NUMERIC, name);
      unsetenv("LOCPATH");
    }
  }
  if (std::localeconv()->decimal_point[0] != ',') {
    std::setlocale(LC_NUMERIC, "C");
    GTEST_SKIP() << "no locale with a decimal comma available";
  }
  ImageRecord r = Exposure(13, 10);
  r.fNumber = {28, 10};
  r.exposureBias = {-2, 3};
  const std::u16string shutter = folio::FormatShutterSpeed(r);
  const std::u16string fNumber = folio::FormatFNumber(r);
  const std::u16string bias = folio::FormatExposureBias(r);
  const std::u16string fixed = folio::FormatFixed(0.25, 2);
  tallies.CountAperture(28, 10);
  const std::u16string tally = folio::FormatTally(tallies, folio::Tally::Aperture);
  std::setlocale(LC_NUMERIC, "C");
  EXPECT_EQ(shutter, u"1.30");
  EXPECT_EQ(fNumber, u"2.8");
  EXPECT_EQ(bias, u"-0.7");
  EXPECT_EQ(fixed, u"0.25");
  EXPECT_EQ(tally, u"絞り F2.8 1枚<br>");
}
