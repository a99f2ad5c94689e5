// SPDX-License-Identifier: GPL-3.0-or-later
// Real JPEG files with real Exif, read through the imaging layer.
#include <gtest/gtest.h>

#include "catalogue/exif_reader.h"
#include "catalogue/exif_tallies.h"
#include "catalogue/maker_note.h"
#include "exif_fixture.h"
#include "support/test_support.h"

namespace folio {
namespace {

class ExifFile : public ::testing::TestWithParam<bool> {
 protected:
  ExifTallies tallies;
  test::TempDir dir_;
};

TEST_P(ExifFile, ValuesAgreeWithWhatThePhotoHolds) {
  test::ExifFields exif;
  exif.bigEndian = GetParam();
  exif.make = "NIKON CORPORATION";
  exif.model = "NIKON D300";
  exif.dateTimeOriginal = "2010:05:01 12:34:56";
  exif.exposureTime = {1, 250};
  exif.fNumber = {28, 10};
  exif.focalLength = {185, 10};
  exif.shutterSpeedValue = {7965784, 1000000};
  exif.exposureBias = {-2, 3};
  exif.iso = 3200;
  exif.whiteBalance = 1;
  exif.exposureProgram = 3;
  exif.flash = 16;
  exif.pixelXDimension = 4288;
  exif.pixelYDimension = 2848;
  const auto path = dir_ / "DSC_0001.jpg";
  test::WriteJpegWithExif(path, 96, 64, exif);

  ImageRecord r;
  ReadExifProperties(path, r, tallies);
  EXPECT_EQ(FieldText(r.make), u"NIKON CORPORATION");
  EXPECT_EQ(FieldText(r.model), u"NIKON D300");
  EXPECT_EQ(FieldText(r.dateTimeOriginal), u"2010:05:01 12:34:56");
  EXPECT_EQ(r.exposureTime.numerator, 1u);
  EXPECT_EQ(r.exposureTime.denominator, 250u);
  EXPECT_EQ(r.fNumber.numerator, 28u);
  EXPECT_EQ(r.fNumber.denominator, 10u);
  EXPECT_EQ(r.focalLength.numerator, 185u);
  EXPECT_EQ(r.focalLength.denominator, 10u);
  EXPECT_EQ(r.shutterSpeedValue.numerator, 7965784);
  EXPECT_EQ(r.shutterSpeedValue.denominator, 1000000);
  EXPECT_EQ(r.exposureBias.numerator, -2);
  EXPECT_EQ(r.exposureBias.denominator, 3);
  EXPECT_EQ(r.isoSpeed, 3200);
  EXPECT_EQ(r.whiteBalance, 1);
  EXPECT_EQ(r.exposureProgram, 3);
  EXPECT_EQ(r.flash, 16);
  EXPECT_EQ(r.pixelWidth, 4288u);
  EXPECT_EQ(r.pixelHeight, 2848u);
  EXPECT_EQ(FieldText(r.lensName), u"");

  // Counted once each.
  EXPECT_EQ(tallies.ShutterTally[15].value, 250u);
  EXPECT_EQ(tallies.ShutterTally[15].count, 1u);
  EXPECT_EQ(tallies.ApertureTally[12].value, 28u);
  EXPECT_EQ(tallies.ApertureTally[12].count, 1u);
  EXPECT_EQ(tallies.IsoTally[15].value, 3200u);
  EXPECT_EQ(tallies.IsoTally[15].count, 1u);
  EXPECT_EQ(tallies.FocalTally[18], 0u);  // 185/10 is not counted
}

INSTANTIATE_TEST_SUITE_P(ByteOrder, ExifFile, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "BigEndian" : "LittleEndian"; });

TEST(ExifFileHandBuilt, BigEndianShortDimensionsAndCp932Text) {
  test::TempDir dir;
  test::WriteJpeg(dir / "plain.jpg", 32, 32);
  // "ｶﾒﾗ" (half-width katakana) and "写真" in code page 932.
  auto tiff = test::BuildTiff(
      true, {test::AsciiEntry(0x010F, "\xB6\xD2\xD7"), test::AsciiEntry(0x0110, "\x8E\xCA\x90\x5E")},
      {test::ShortEntry(0xA002, 4000), test::ShortEntry(0xA003, 3000), test::ShortEntry(0x8827, 100),
       test::RationalEntry(0x920A, 50, 1), test::RationalEntry(0x829A, 13, 10)});
  const auto path = dir / "IMG.jpg";
  test::WriteBytes(path, test::JpegWithTiff(test::ReadBytes(dir / "plain.jpg"), tiff));

  ExifTallies tallies;
  ImageRecord r;
  ReadExifProperties(path, r, tallies);
  EXPECT_EQ(FieldText(r.make), u"ｶﾒﾗ");
  EXPECT_EQ(FieldText(r.model), u"写真");
  EXPECT_EQ(r.pixelWidth, 4000u);
  EXPECT_EQ(r.pixelHeight, 3000u);
  EXPECT_EQ(r.isoSpeed, 100);
  EXPECT_EQ(r.exposureTime.numerator, 13u);
  EXPECT_EQ(tallies.FocalTally[50], 1u);
  EXPECT_EQ(tallies.ShutterTally[40].value, 13u);
  EXPECT_EQ(tallies.ShutterTally[40].count, 1u);
}

// The maker note itself is always little-endian; the Exif block around it
// may be in either byte order.
class CanonFile : public ::testing::TestWithParam<bool> {};

TEST_P(CanonFile, YieldsLensAndWhiteBalance) {
  test::TempDir dir;
  test::WriteJpeg(dir / "plain.jpg", 64, 48);
  test::CanonNote note;
  auto tiff = test::BuildTiff(GetParam(), {test::AsciiEntry(0x010F, "Canon"), test::AsciiEntry(0x0110, "Canon EOS 40D")},
                              {test::RationalEntry(0x829A, 1, 250), test::RationalEntry(0x829D, 56, 10),
                               test::ShortEntry(0x8827, 400), test::AsciiEntry(0x9003, "2010:05:01 12:34:56"),
                               test::RationalEntry(0x920A, 10, 1), test::ShortEntry(0xA403, 0)},
                              [&](uint32_t at) { return note.Build(at); });
  const auto path = dir / "IMG_0001.JPG";
  test::WriteBytes(path, test::JpegWithTiff(test::ReadBytes(dir / "plain.jpg"), tiff));

  ExifTallies tallies;
  ImageRecord r;
  ReadExifProperties(path, r, tallies);
  EXPECT_GT(r.firmwareOffset, 0);
  EXPECT_GT(r.lensModelLength, 0);
  ReadMakerNote(r, path, tallies);
  EXPECT_EQ(r.makerNoteFailStage, 0);
  EXPECT_EQ(FieldText(r.model), u"Canon EOS 40D");
  EXPECT_EQ(FieldText(r.lensName), u"Sigma 10-20mm F4-5.6 EX DC HSM (APS-C用)");
  EXPECT_EQ(r.whiteBalance, kMakerWhiteBalance);
  EXPECT_EQ(r.makerWhiteBalance, 5);
  EXPECT_EQ(tallies.LensTally[0].count, 1u);
  EXPECT_EQ(tallies.FocalTally[10], 1u);
}

INSTANTIATE_TEST_SUITE_P(ByteOrder, CanonFile, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "BigEndian" : "LittleEndian"; });

TEST(ExifFileHandBuilt, CanonPhotoWithJfifSegmentFirstFindsTheLaterTiffHeader) {
  // A JFIF APP0 segment (18 bytes) before the Exif segment puts the TIFF
  // header 30 bytes into the file instead of 12.
  test::TempDir dir;
  test::WriteJpeg(dir / "plain.jpg", 64, 48);
  test::CanonNote note;
  note.lensType = 0xED;
  note.shortEnd = 24;
  note.longEnd = 105;
  note.whiteBalanceWord = 0x0002;
  auto tiff = test::BuildTiff(false, {test::AsciiEntry(0x010F, "Canon")}, {},
                              [&](uint32_t at) { return note.Build(at); });
  std::string bytes = test::JpegWithTiff(test::ReadBytes(dir / "plain.jpg"), tiff);
  bytes.insert(2, std::string("\xFF\xE0\x00\x10JFIF\0\x01\x01\x00\x00\x01\x00\x01\x00\x00", 18));
  ASSERT_EQ(bytes.substr(30, 2), "II");
  const auto path = dir / "IMG_0002.JPG";
  test::WriteBytes(path, bytes);

  ExifTallies tallies;
  ImageRecord r;
  ReadExifProperties(path, r, tallies);
  ReadMakerNote(r, path, tallies);
  EXPECT_EQ(r.makerNoteFailStage, 0);
  EXPECT_EQ(FieldText(r.lensName), u"Canon EF 24-105mm F4L IS USM");
  EXPECT_EQ(r.whiteBalance, kMakerWhiteBalance);
  EXPECT_EQ(r.makerWhiteBalance, 2);
  EXPECT_EQ(static_cast<int64_t>(bytes.find("Firmware")) - r.firmwareOffset, 30);
}

TEST(ExifFileHandBuilt, PhotosWithoutExifOrNotJpegLeaveTheRecordAndTalliesAlone) {
  test::TempDir dir;
  test::WriteJpeg(dir / "plain.jpg", 32, 32);
  test::WriteBytes(dir / "broken.jpg", "\xFF\xD8\xFF\xE1\x00\x10" "Exif\0\0MM\0*\xFF\xFF\xFF\xFF");
  test::WriteBytes(dir / "text.jpg", "not a photo");
  ExifTallies tallies;
  for (const char* name : {"plain.jpg", "broken.jpg", "text.jpg", "missing.jpg"}) {
    ImageRecord r;
    SetField(r.fileName, u"kept");
    ReadExifProperties(dir / name, r, tallies);
    ReadMakerNote(r, dir / name, tallies);
    EXPECT_EQ(FieldText(r.fileName), u"kept") << name;
    EXPECT_EQ(FieldText(r.make), u"") << name;
    EXPECT_EQ(r.exposureTime.denominator, 0u) << name;
    EXPECT_EQ(r.isoSpeed, 0) << name;
  }
  for (const auto& slot : tallies.ShutterTally) EXPECT_EQ(slot.count, 0u);
  for (const auto& slot : tallies.IsoTally) EXPECT_EQ(slot.count, 0u);
}

}  // namespace
}  // namespace folio
