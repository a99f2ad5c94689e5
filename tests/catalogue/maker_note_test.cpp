// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/maker_note.h"

#include <gtest/gtest.h>

#include <cstring>

#include "catalogue/exif_tallies.h"
#include "exif_fixture.h"
#include "support/test_support.h"

namespace folio {
namespace {

using test::ByteWriter;

// A directory of (tag, count, value) entries, little-endian.
std::vector<uint8_t> Directory(std::initializer_list<std::array<uint32_t, 3>> entries,
                               int declared = -1) {
  ByteWriter w{false, {}};
  w.U16(static_cast<uint16_t>(declared < 0 ? entries.size() : declared));
  for (const auto& e : entries) {
    w.U16(static_cast<uint16_t>(e[0]));
    w.U16(3);
    w.U32(e[1]);
    w.U32(e[2]);
  }
  return w.out;
}

ImageRecord Canon() {
  ImageRecord r;
  SetField(r.make, u"Canon");
  return r;
}

TEST(WalkMakerNote, NotesTheFourBlocksAndStopsAtTheLensModel) {
  ImageRecord r = Canon();
  auto dir = Directory({{0x0001, 46, 0x00AB0123}, {0x0004, 34, 0x456}, {0x0007, 32, 0x789},
                        {0x0095, 70, 0x9AB}, {0x0001, 1, 0x111}, {0x0007, 1, 0x222}});
  WalkMakerNote(r, dir.data(), dir.size());
  EXPECT_EQ(r.cameraSettingsOffset, 0x0123);  // the first two bytes of the value field
  EXPECT_EQ(r.makerWhiteBalance, 0x456);
  EXPECT_EQ(r.firmwareOffset, 0x789);
  EXPECT_EQ(r.lensModelOffset, 0x9AB);
  EXPECT_EQ(r.lensModelLength, 70);
}

TEST(WalkMakerNote, WalksLongDirectoriesAndMatchesWholeTags) {
  std::vector<std::array<uint32_t, 3>> many(300, {0x4001, 1, 0x55});
  many[299] = {0x0007, 32, 0x1234};
  ByteWriter w{false, {}};
  w.U16(300);
  for (const auto& e : many) {
    w.U16(static_cast<uint16_t>(e[0]));
    w.U16(3);
    w.U32(e[1]);
    w.U32(e[2]);
  }
  ImageRecord r = Canon();
  WalkMakerNote(r, w.out.data(), w.out.size());
  EXPECT_EQ(r.firmwareOffset, 0x1234);
  EXPECT_EQ(r.cameraSettingsOffset, 0);  // 0x4001 is not 0x0001
}

TEST(WalkMakerNote, NeverReadsPastTheValueBytes) {
  // Claims 1000 entries but holds two, the second cut short by two bytes.
  auto dir = Directory({{0x0007, 32, 0x100}, {0x0004, 34, 0x200}}, 1000);
  // Copy into an exact-size heap block so a read past it is caught by ASan.
  for (std::size_t size : {dir.size(), dir.size() - 2, std::size_t{13}, std::size_t{1}, std::size_t{0}}) {
    std::vector<uint8_t> exact(dir.begin(), dir.begin() + static_cast<std::ptrdiff_t>(size));
    ImageRecord r = Canon();
    WalkMakerNote(r, exact.data(), exact.size());
    EXPECT_EQ(r.firmwareOffset, size >= 14 ? 0x100 : 0) << size;
    EXPECT_EQ(r.makerWhiteBalance, size >= 26 ? 0x200 : 0) << size;
  }
  ImageRecord r = Canon();
  WalkMakerNote(r, nullptr, 0);
  EXPECT_EQ(r.firmwareOffset, 0);
}

// Photos whose blocks lie at known file positions.
class ReadMakerNoteTest : public ::testing::Test {
 protected:
  // A Canon JPEG made by hand: the TIFF header 12 bytes into the file.
  std::filesystem::path CanonPhoto(const test::CanonNote& note, uint32_t* noteAt = nullptr) {
    const auto jpegPath = dir_ / "plain.jpg";
    test::WriteJpeg(jpegPath, 64, 48);
    uint32_t at = 0;
    auto tiff = test::BuildTiff(false, {test::AsciiEntry(0x010F, "Canon")}, {},
                                [&](uint32_t offset) {
                                  at = offset;
                                  return note.Build(offset);
                                });
    if (noteAt) *noteAt = at;
    const auto path = dir_ / "canon.jpg";
    test::WriteBytes(path, test::JpegWithTiff(test::ReadBytes(jpegPath), tiff));
    return path;
  }

  // Walks the note as the Exif reader would, then reads the file.
  ImageRecord Read(const std::filesystem::path& path, const test::CanonNote& note, uint32_t at) {
    ImageRecord r = Canon();
    auto bytes = note.Build(at);
    WalkMakerNote(r, bytes.data(), bytes.size());
    ReadMakerNote(r, path, tallies_);
    return r;
  }

  test::TempDir dir_;
  ExifTallies tallies_;
};

TEST_F(ReadMakerNoteTest, FindsTheBaseAndNamesTheLensFromTheTable) {
  test::CanonNote note;
  uint32_t at = 0;
  auto path = CanonPhoto(note, &at);
  ImageRecord r = Read(path, note, at);
  EXPECT_EQ(r.makerNoteFailStage, 0);
  // The table text replaces the lens-model text.
  EXPECT_EQ(FieldText(r.lensName), u"Sigma 10-20mm F4-5.6 EX DC HSM (APS-C用)");
  EXPECT_EQ(r.whiteBalance, kMakerWhiteBalance);
  EXPECT_EQ(r.makerWhiteBalance, 5);  // low byte of 0x0105
  EXPECT_EQ(tallies_.LensTally[0].count, 1u);

  // Same file with the blocks read 12 bytes early would give other words:
  // make sure the base really was found by moving the firmware text away.
  const std::string bytes = test::ReadBytes(path);
  const std::size_t fw = bytes.find("Firmware");
  ASSERT_NE(fw, std::string::npos);
  EXPECT_EQ(static_cast<int64_t>(fw) - r.firmwareOffset, 12);
}

TEST_F(ReadMakerNoteTest, LensCases) {
  struct Case {
    uint16_t type, longEnd, shortEnd, units;
    std::u16string_view expected;
    uint32_t tallied;
  };
  const Case cases[] = {
      {0xFFFF, 55, 18, 1, u"18.00-55.00mm", 0},
      {0xFFFF, 550, 180, 100, u"1.80-5.50mm", 0},
      {0x1234, 70, 24, 1, u"24-70mm", 1},
      {0x98, 20, 10, 0, u"Sigma 10-20mm F4-5.6 EX DC HSM (APS-C用)", 1},  // units 0 as 1
      {0x30, 550, 180, 10, u"Canon EF-S 18-55mm F3.5-5.6 IS", 1},          // key 0012-0037-0030
  };
  for (const Case& c : cases) {
    tallies_ = ExifTallies{};
    test::CanonNote note;
    note.lensType = c.type;
    note.longEnd = c.longEnd;
    note.shortEnd = c.shortEnd;
    note.focalUnits = c.units;
    uint32_t at = 0;
    auto path = CanonPhoto(note, &at);
    ImageRecord r = Read(path, note, at);
    EXPECT_EQ(FieldText(r.lensName), c.expected);
    EXPECT_EQ(tallies_.LensTally[0].count, c.tallied);
  }
}

TEST_F(ReadMakerNoteTest, LensModelTextStandsWithoutCameraSettings) {
  test::CanonNote note;
  note.withCameraSettings = false;
  note.withShotInfo = false;
  uint32_t at = 0;
  auto path = CanonPhoto(note, &at);
  ImageRecord r = Read(path, note, at);
  EXPECT_EQ(FieldText(r.lensName), u"EF-S10-22mm f/3.5-4.5 USM");
  EXPECT_EQ(r.whiteBalance, 0);
  EXPECT_EQ(r.makerNoteFailStage, 0);
}

TEST_F(ReadMakerNoteTest, WithoutFirmwareTheBlocksAreReadFromTheFileStart) {
  test::CanonNote note;
  note.withFirmware = false;
  note.withLensModel = false;
  uint32_t at = 0;
  auto path = CanonPhoto(note, &at);
  // Base 0: the blocks are read 12 bytes before where they stand, which
  // lands on camera-settings words 16 to 19 and shot-information word 1 (all 0).
  ImageRecord r = Read(path, note, at);
  EXPECT_EQ(FieldText(r.lensName), u"0-0mm");
  EXPECT_EQ(r.makerWhiteBalance, 0);
  EXPECT_EQ(r.whiteBalance, kMakerWhiteBalance);
  EXPECT_EQ(r.makerNoteFailStage, 0);
}

TEST_F(ReadMakerNoteTest, FirmwareTextIsLookedForFromPositionTwoUpToOffsetPlus299) {
  // The base shows in where the lens-model text is taken from: a marker at
  // 400 + base names the base that was found.
  struct Case {
    std::size_t firmwareAt;
    const char16_t* lens;
  };
  const Case cases[] = {
      {339, u"base+299"},  // firmwareOffset 40 + 299: the last position tried
      {340, u"base0"},     // one further: not found, base stays 0
      {2, u"base-38"},     // the first position tried
      {1, u"base0"},       // before it
  };
  for (const Case& c : cases) {
    std::string bytes(800, 'x');
    std::memcpy(&bytes[c.firmwareAt], "Firmware", 8);
    std::memcpy(&bytes[400 + 299], "base+299", 8);
    std::memcpy(&bytes[400], "base0\0\0\0", 8);
    std::memcpy(&bytes[400 - 38], "base-38\0", 8);
    const auto path = dir_ / "search.jpg";
    test::WriteBytes(path, bytes);
    ImageRecord r = Canon();
    r.firmwareOffset = 40;
    r.lensModelOffset = 400;
    r.lensModelLength = 8;
    ReadMakerNote(r, path, tallies_);
    EXPECT_EQ(FieldText(r.lensName), c.lens) << c.firmwareAt;
    EXPECT_EQ(r.makerNoteFailStage, 0);
  }
}

TEST_F(ReadMakerNoteTest, OffsetsPastTheEndReadZerosAndNegativePositionsStopTheReading) {
  auto path = dir_ / "short.jpg";
  test::WriteBytes(path, std::string(100, 'x'));
  {
    ImageRecord r = Canon();
    r.lensModelOffset = 1 << 30;
    r.lensModelLength = 0x7FFFFFFF;  // read is bounded
    r.cameraSettingsOffset = 0xFFF0;
    r.makerWhiteBalance = 0x7FFFFFF0;
    ReadMakerNote(r, path, tallies_);
    EXPECT_EQ(r.makerNoteFailStage, 0);
    EXPECT_EQ(FieldText(r.lensName), u"0-0mm");  // all-zero camera words
    EXPECT_EQ(r.whiteBalance, kMakerWhiteBalance);
    EXPECT_EQ(r.makerWhiteBalance, 0);
  }
  {
    // "Firmware" 8 bytes into the file with firmwareOffset 40 gives base -32,
    // so the lens-model text would lie before the start of the file.
    std::string bytes(100, 'x');
    std::memcpy(&bytes[8], "Firmware", 8);
    test::WriteBytes(path, bytes);
    ImageRecord r = Canon();
    r.firmwareOffset = 40;
    r.lensModelOffset = 10;
    r.lensModelLength = 5;
    r.cameraSettingsOffset = 100;
    ReadMakerNote(r, path, tallies_);
    EXPECT_EQ(r.makerNoteFailStage, kStageLensModel);
    EXPECT_EQ(FieldText(r.lensName), u"");
    r = Canon();
    r.firmwareOffset = 40;
    r.lensModelOffset = 40;
    r.lensModelLength = 8;
    r.cameraSettingsOffset = 1;  // 1 - 32 + 44 = 13: inside the file
    r.makerWhiteBalance = 2;     // 2 - 32 + 14 < 0
    ReadMakerNote(r, path, tallies_);
    EXPECT_EQ(r.makerNoteFailStage, kStageShotInfo);
    EXPECT_EQ(r.whiteBalance, 0);
  }
}

TEST_F(ReadMakerNoteTest, OtherMakersAndMissingFilesAreLeftAlone) {
  ImageRecord nikon;
  SetField(nikon.make, u"NIKON CORPORATION");
  nikon.cameraSettingsOffset = 10;
  ReadMakerNote(nikon, dir_ / "missing.jpg", tallies_);
  EXPECT_EQ(FieldText(nikon.lensName), u"");
  EXPECT_EQ(nikon.makerNoteFailStage, 0);

  ImageRecord canon = Canon();
  canon.cameraSettingsOffset = 10;
  ReadMakerNote(canon, dir_ / "missing.jpg", tallies_);
  EXPECT_EQ(canon.makerNoteFailStage, 0);  // an open error leaves 0
  EXPECT_EQ(FieldText(canon.lensName), u"");

  ImageRecord folder = Canon();
  folder.firmwareOffset = 10;
  ReadMakerNote(folder, dir_.path(), tallies_);  // opens, but reading a directory fails
  EXPECT_EQ(folder.makerNoteFailStage, kStageFirmware);
}

}  // namespace
}  // namespace folio
