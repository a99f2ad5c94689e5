// SPDX-License-Identifier: GPL-3.0-or-later
// Photos drawn upright by their Exif Orientation: the tag read from the
// bytes, then thumbnails and sheet cells of a picture whose four quarters
// have different colours, for every orientation in both byte orders.
#include "imaging/orientation.h"

#include <gtest/gtest.h>
#include <QColor>
#include <QImage>

#include <array>
#include <string>
#include <vector>

#include "imaging/composite.h"
#include "imaging/image_ops.h"
#include "imaging/pixels.h"
#include "imaging/scaled_copy.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using folio::test::Near;
using folio::test::ReadPicture;
using folio::test::TempDir;

namespace folio {
namespace {

// The quarters of the stored picture: upper left, upper right, lower left,
// lower right.
const QRgb kRed = qRgb(230, 20, 20), kGreen = qRgb(20, 200, 20), kBlue = qRgb(20, 20, 230),
           kYellow = qRgb(240, 230, 20);
using Corners = std::array<QRgb, 4>;  // upper left, upper right, lower left, lower right
const Corners kStored = {kRed, kGreen, kBlue, kYellow};

// What a viewer shows in each corner, by the meaning of each value: 2 and 4
// mirror, 3 turns half, 6 a quarter clockwise, 8 a quarter anticlockwise,
// 5 and 7 mirror along a diagonal.
struct OrientationCase {
  int orientation;
  Corners upright;
};
const OrientationCase kCases[] = {
    {1, {kRed, kGreen, kBlue, kYellow}}, {2, {kGreen, kRed, kYellow, kBlue}},
    {3, {kYellow, kBlue, kGreen, kRed}}, {4, {kBlue, kYellow, kRed, kGreen}},
    {5, {kRed, kBlue, kGreen, kYellow}}, {6, {kBlue, kRed, kYellow, kGreen}},
    {7, {kYellow, kGreen, kBlue, kRed}}, {8, {kGreen, kYellow, kRed, kBlue}},
};

constexpr int kStoredWidth = 160, kStoredHeight = 80;

// A real JPEG of the four quarters with a real Exif Orientation.
void WriteQuarters(const fs::path& path, int orientation, bool bigEndian) {
  QImage picture(kStoredWidth, kStoredHeight, QImage::Format_RGB32);
  for (int y = 0; y < kStoredHeight; ++y)
    for (int x = 0; x < kStoredWidth; ++x)
      picture.setPixel(x, y, kStored[(y >= kStoredHeight / 2) * 2 + (x >= kStoredWidth / 2)]);
  test::WritePicture(path, picture);
  test::ExifFields exif;
  exif.bigEndian = bigEndian;
  exif.orientation = static_cast<uint16_t>(orientation);
  exif.make = "Test";  // a second IFD0 entry, so the tag is not the only one
  test::WriteExif(path, exif);
}

// Four pixels a little inside the corners, away from JPEG edge noise.
void ExpectCorners(const QImage& image, const Corners& expected) {
  ASSERT_FALSE(image.isNull());
  const int in = 4, r = image.width() - 1 - in, b = image.height() - 1 - in;
  const QPoint points[4] = {{in, in}, {r, in}, {in, b}, {r, b}};
  const char* names[4] = {"upper left", "upper right", "lower left", "lower right"};
  for (int i = 0; i < 4; ++i) {
    const QRgb got = image.pixel(points[i]);
    EXPECT_TRUE(Near(got, expected[static_cast<size_t>(i)]))
        << names[i] << ": " << qRed(got) << "," << qGreen(got) << "," << qBlue(got);
  }
}

std::vector<uint8_t> FileBytes(const fs::path& path) {
  const std::string bytes = test::ReadBytes(path);
  return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

int OrientationOf(const std::vector<uint8_t>& bytes) {
  return ReadJpegOrientation(bytes.data(), bytes.size());
}

// ---------------------------------------------------------------- reading the tag

TEST(JpegOrientation, ReadFromTheExifBytesInEitherByteOrder) {
  TempDir dir;
  for (bool bigEndian : {false, true}) {
    for (int orientation = 1; orientation <= 8; ++orientation) {
      SCOPED_TRACE(testing::Message() << orientation << (bigEndian ? " MM" : " II"));
      WriteQuarters(dir / "p.jpg", orientation, bigEndian);
      const std::vector<uint8_t> bytes = FileBytes(dir / "p.jpg");
      EXPECT_EQ(OrientationOf(bytes), orientation);
      EXPECT_EQ(Photo::Load(dir / "p.jpg").Orientation(), orientation);
    }
  }
}

// A hand-made stream: SOI, an XMP APP1 first, then the Exif APP1 with the
// Orientation as the only entry of IFD0, then the scan.
std::vector<uint8_t> HandMadeStream(bool bigEndian, uint16_t orientation) {
  std::vector<uint8_t> s = {0xFF, 0xD8};
  const std::string xmp = "http://ns.adobe.com/xap/1.0/";
  s.insert(s.end(), {0xFF, 0xE1, 0x00, static_cast<uint8_t>(2 + xmp.size() + 1)});
  s.insert(s.end(), xmp.begin(), xmp.end());
  s.push_back(0);
  const auto put16 = [&](std::vector<uint8_t>& v, uint16_t n) {
    if (bigEndian)
      v.insert(v.end(), {static_cast<uint8_t>(n >> 8), static_cast<uint8_t>(n)});
    else
      v.insert(v.end(), {static_cast<uint8_t>(n), static_cast<uint8_t>(n >> 8)});
  };
  std::vector<uint8_t> tiff;
  tiff.insert(tiff.end(), bigEndian ? std::initializer_list<uint8_t>{'M', 'M'}
                                    : std::initializer_list<uint8_t>{'I', 'I'});
  put16(tiff, 42);
  put16(tiff, bigEndian ? 0 : 8);  // offset 8 as a 32-bit number
  put16(tiff, bigEndian ? 8 : 0);
  put16(tiff, 1);       // one entry
  put16(tiff, 0x0112);  // Orientation
  put16(tiff, 3);       // SHORT
  put16(tiff, bigEndian ? 0 : 1);
  put16(tiff, bigEndian ? 1 : 0);
  put16(tiff, orientation);
  put16(tiff, 0);
  put16(tiff, 0);  // no next IFD
  put16(tiff, 0);
  const size_t length = 2 + 6 + tiff.size();
  s.insert(s.end(), {0xFF, 0xE1, static_cast<uint8_t>(length >> 8), static_cast<uint8_t>(length)});
  s.insert(s.end(), {'E', 'x', 'i', 'f', 0, 0});
  s.insert(s.end(), tiff.begin(), tiff.end());
  s.insert(s.end(), {0xFF, 0xDA, 0x00, 0x02, 0xFF, 0xD9});
  return s;
}

TEST(JpegOrientation, FoundBehindOtherSegmentsAndNeverReadPastTheEnd) {
  for (bool bigEndian : {false, true}) {
    SCOPED_TRACE(bigEndian ? "MM" : "II");
    const std::vector<uint8_t> whole = HandMadeStream(bigEndian, 6);
    EXPECT_EQ(OrientationOf(whole), 6);
    // Every cut of the stream: the tag or nothing, each read inside the
    // buffer (a copy of exactly that size, for the address sanitizer).
    for (size_t size = 0; size < whole.size(); ++size) {
      const std::vector<uint8_t> cut(whole.begin(), whole.begin() + static_cast<long>(size));
      const int got = OrientationOf(cut);
      EXPECT_TRUE(got == 1 || got == 6) << size;
    }
    // Values outside 1..8 show the photo as stored.
    for (uint16_t odd : {0, 9, 0xFFFF}) EXPECT_EQ(OrientationOf(HandMadeStream(bigEndian, odd)), 1);
  }
  // An entry count far beyond the block.
  std::vector<uint8_t> lying = HandMadeStream(false, 6);
  // SOI, the XMP segment, the Exif segment's marker and length, "Exif\0\0",
  // the TIFF header: then IFD0's entry count.
  const size_t entries = 2 + (4 + 29) + 4 + 6 + 8;
  ASSERT_EQ(lying[entries], 1);
  lying[entries] = 0xFF;
  lying[entries + 1] = 0xFF;
  EXPECT_EQ(OrientationOf(lying), 6);  // found before the count runs out
  lying[entries + 2] = 0x13;           // no longer the Orientation tag
  EXPECT_EQ(OrientationOf(lying), 1);

  EXPECT_EQ(ReadJpegOrientation(nullptr, 0), 1);
  TempDir dir;
  test::WriteJpeg(dir / "plain.jpg", 40, 30);  // no Exif at all
  EXPECT_EQ(OrientationOf(FileBytes(dir / "plain.jpg")), 1);
  EXPECT_EQ(Photo::Load(dir / "missing.jpg").Orientation(), 1);
}

// ---------------------------------------------------------------- thumbnails

class UprightCopies : public testing::Test {
 protected:
  void SetUp() override { fs::create_directory(dir_ / "thum"); }
  TempDir dir_;
};

TEST_F(UprightCopies, ThumbnailsStandUprightForEveryOrientation) {
  for (bool bigEndian : {false, true}) {
    for (const OrientationCase& c : kCases) {
      SCOPED_TRACE(testing::Message() << c.orientation << (bigEndian ? " MM" : " II"));
      WriteQuarters(dir_ / "p.jpg", c.orientation, bigEndian);
      ASSERT_EQ(0, MakeScaledCopy(u"p.jpg", dir_.u16(), 80, u"thum", Upright::kYes));
      const QImage upright = ReadPicture(dir_ / "thum" / "p.jpg");
      EXPECT_EQ(upright.size(), SwapsSides(c.orientation) ? QSize(40, 80) : QSize(80, 40));
      ExpectCorners(upright, c.upright);
      // The copy carries no Exif, so nothing turns it a second time.
      EXPECT_TRUE(Photo::Load(dir_ / "thum" / "p.jpg").Properties().empty());

      // Switched off: the pixels as stored, whatever the tag says.
      ASSERT_EQ(0, MakeScaledCopy(u"p.jpg", dir_.u16(), 80, u"thum", Upright::kNo));
      const QImage stored = ReadPicture(dir_ / "thum" / "p.jpg");
      EXPECT_EQ(stored.size(), QSize(80, 40));
      ExpectCorners(stored, kStored);
    }
  }
}

TEST_F(UprightCopies, SizeRuleTakesTheUprightSides) {
  test::ExifFields exif;
  exif.orientation = 6;
  test::WriteJpegWithExif(dir_ / "big.jpg", 4000, 3000, exif);
  ASSERT_EQ(0, MakeScaledCopy(u"big.jpg", dir_.u16(), 340, u"thum", Upright::kYes));
  EXPECT_EQ(test::JpegSize(dir_ / "thum" / "big.jpg"), std::make_pair(255, 340));
  ASSERT_EQ(0, MakeScaledCopy(u"big.jpg", dir_.u16(), 340, u"thum", Upright::kNo));
  EXPECT_EQ(test::JpegSize(dir_ / "thum" / "big.jpg"), std::make_pair(340, 255));
  exif.orientation = 3;  // a half turn keeps the sides
  test::WriteJpegWithExif(dir_ / "big.jpg", 4000, 2999, exif);
  ASSERT_EQ(0, MakeScaledCopy(u"big.jpg", dir_.u16(), 340, u"thum", Upright::kYes));
  EXPECT_EQ(test::JpegSize(dir_ / "thum" / "big.jpg"), std::make_pair(340, 254));
}

TEST_F(UprightCopies, SmallTurnedPhotoIsStillCopiedByteForByte) {
  // Its tag goes with it, so a viewer turns the copy as it turns the photo.
  for (int orientation : {3, 6, 8}) {
    SCOPED_TRACE(orientation);
    test::ExifFields exif;
    exif.orientation = static_cast<uint16_t>(orientation);
    test::WriteJpegWithExif(dir_ / "small.jpg", 120, 80, exif);
    ASSERT_EQ(0, MakeScaledCopy(u"small.jpg", dir_.u16(), 120, u"thum", Upright::kYes));
    EXPECT_EQ(test::ReadBytes(dir_ / "thum" / "small.jpg"), test::ReadBytes(dir_ / "small.jpg"));
  }
}

// ---------------------------------------------------------------- sheet cells

// A sheet of one cell of `width` x `height`; the saved sheet read back.
QImage OneCellSheet(const fs::path& photo, int width, int height, bool stretch, Upright upright,
                    const fs::path& sheet) {
  CompositeParams params;
  params.rows = params.columns = 1;
  params.perSheet = 1;
  params.canvasWidth = width;
  params.canvasHeight = height;
  params.backgroundColor = 0xFF808080u;
  params.jpegQuality = 95;
  params.stretchToCell = stretch ? 1 : 0;
  params.upright = upright;
  SheetPainter painter(params);
  painter.Begin();
  painter.DrawPhoto(photo, SheetRect{0, 0, width, height});
  EXPECT_TRUE(painter.Save(sheet));
  return ReadPicture(sheet);
}

TEST(UprightSheetCells, CellsStandUprightForEveryOrientation) {
  TempDir dir;
  for (bool bigEndian : {false, true}) {
    for (const OrientationCase& c : kCases) {
      SCOPED_TRACE(testing::Message() << c.orientation << (bigEndian ? " MM" : " II"));
      WriteQuarters(dir / "p.jpg", c.orientation, bigEndian);
      const bool tall = SwapsSides(c.orientation);
      // A cell of the upright shape: cut by the upright sides nothing is
      // lost; cut by the stored ones most of the picture would be.
      ExpectCorners(OneCellSheet(dir / "p.jpg", tall ? 60 : 120, tall ? 120 : 60, false,
                                 Upright::kYes, dir / "sheet.jpg"),
                    c.upright);
      // Stretched whole into a square cell.
      ExpectCorners(OneCellSheet(dir / "p.jpg", 90, 90, true, Upright::kYes, dir / "sheet.jpg"),
                    c.upright);
      // Switched off: as stored.
      ExpectCorners(OneCellSheet(dir / "p.jpg", 120, 60, false, Upright::kNo, dir / "sheet.jpg"),
                    kStored);
    }
  }
}

TEST(UprightSheetCells, TheSettingTurnsTheCells) {
  SheetOptions options;
  CompositeParams params;
  FillCompositeParams(options, 10, params);
  EXPECT_EQ(params.upright, Upright::kYes);
  options.upright = Upright::kNo;
  FillCompositeParams(options, 10, params);
  EXPECT_EQ(params.upright, Upright::kNo);
}

}  // namespace
}  // namespace folio
