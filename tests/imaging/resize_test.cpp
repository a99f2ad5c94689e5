// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/resize.h"

#include <gtest/gtest.h>
#include <exiv2/exiv2.hpp>

#include <optional>

#include "imaging/image_ops.h"
#include "imaging/pixels.h"
#include "imaging/scaled_copy.h"
#include "platform/text.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using folio::test::ExifFields;
using folio::test::HashTree;
using folio::test::JpegSize;
using folio::test::Near;
using folio::test::ReadBytes;
using folio::test::ReadPicture;
using folio::test::TempDir;
using folio::test::WriteBytes;
using folio::test::WriteJpeg;
using folio::test::WriteJpegWithExif;
using folio::test::WritePicture;

namespace folio {
namespace {

std::u16string U16(const fs::path& path) { return FromPath(path); }

// An Exif value of a saved file, or none.
std::optional<long> ExifValue(const fs::path& path, const char* key) {
  auto image = Exiv2::ImageFactory::open(path.string());
  image->readMetadata();
  const Exiv2::ExifData& data = image->exifData();
  const auto it = data.findKey(Exiv2::ExifKey(key));
  if (it == data.end()) return std::nullopt;
  return it->toLong();
}

std::string ExifText(const fs::path& path, const char* key) {
  auto image = Exiv2::ImageFactory::open(path.string());
  image->readMetadata();
  const Exiv2::ExifData& data = image->exifData();
  const auto it = data.findKey(Exiv2::ExifKey(key));
  return it == data.end() ? std::string() : it->toString();
}

void SetOrientation(const fs::path& path, uint16_t orientation) {
  auto image = Exiv2::ImageFactory::open(path.string());
  Exiv2::ExifData data;
  data["Exif.Image.Orientation"] = orientation;
  image->setByteOrder(Exiv2::littleEndian);
  image->setExifData(data);
  image->writeMetadata();
}

// ---------------------------------------------------------------- rules

TEST(ResizeRules, NewSizeOrCopy) {
  struct Case {
    const char* what;
    int rule, w, h;
    bool scaled;
    int newW, newH;
  };
  const Case cases[] = {
      {"long side 800", 0, 4000, 3000, true, 800, 600},
      {"long side, portrait", 0, 3000, 4000, true, 600, 800},
      {"long side, small enough", 0, 640, 480, false, 0, 0},
      {"long side equal", 0, 800, 500, false, 0, 0},
      {"ratio 50/50", 1, 4000, 3000, true, 2000, 1500},
      {"ratio keeps the width: copy", 3, 4000, 3000, false, 0, 0},
      {"width and height", 2, 4000, 3000, true, 1024, 768},
      {"width and height, same width: copy", 2, 1024, 3000, false, 0, 0},
      {"unknown rule: copy", 7, 4000, 3000, false, 0, 0},
  };
  for (const Case& c : cases) {
    ResizeOptions options;  // long side 800, ratio 50/50, 1024x768
    options.sizeRule = c.rule == 3 ? 1 : c.rule;
    if (c.rule == 3) options.ratioWidth = 100;
    int w = -1, h = -1;
    EXPECT_EQ(ResizedSize(options, c.w, c.h, w, h), c.scaled) << c.what;
    if (!c.scaled) continue;
    EXPECT_EQ(w, c.newW) << c.what;
    EXPECT_EQ(h, c.newH) << c.what;
  }
}

TEST(ResizeRules, SaveFolder) {
  struct Case {
    std::u16string saveDir;
    const char* expected;
  };
  const Case cases[] = {
      {u"%s_small", "/p/Trip/Trip_small"}, {u"", "/p/Trip/resize"},
      {u"/p/Trip", "/p/Trip/resize"},      {u"/out/%s", "/out/Trip"},
      {u"small", "/p/Trip/small"},         {u"%s-%s", "/p/Trip/Trip-Trip"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ResizeSavePath(ResizeSaveFolder(c.saveDir, u"/p/Trip"), u"/p/Trip"),
              fs::path(c.expected))
        << ToUtf8(c.saveDir);
  }
}

// ---------------------------------------------------------------- orientation

TEST(ReadOrientation, ScansTheStartOfTheFile) {
  TempDir dir;
  ExifFields little;
  little.make = "Maker";
  little.model = "Model";
  little.orientation = 6;
  WriteJpegWithExif(dir / "le.jpg", 64, 48, little);
  ExifFields big = little;
  big.bigEndian = true;
  WriteJpegWithExif(dir / "be.jpg", 64, 48, big);
  WriteJpeg(dir / "none.jpg", 64, 48);
  EXPECT_EQ(ReadOrientation(U16(dir / "le.jpg")), 6);
  EXPECT_EQ(ReadOrientation(U16(dir / "be.jpg")), std::nullopt);  // never turned
  EXPECT_EQ(ReadOrientation(U16(dir / "none.jpg")), std::nullopt);
  EXPECT_EQ(ReadOrientation(U16(dir / "missing.jpg")), std::nullopt);

  // The marker near the end of the 100 bytes scanned: its value byte lies
  // beyond them and is still read.
  for (int at : {60, 95, 99, 100}) {
    std::string bytes(120, '\0');
    bytes[0] = '\xFF', bytes[1] = '\xD8';
    bytes.replace(6, 4, "Exif");
    bytes[at] = '\x12', bytes[at + 1] = '\x01';
    bytes[at + 8] = '\x08';
    WriteBytes(dir / "made.jpg", bytes);
    const std::optional<int> expected = at < 100 ? std::optional<int>(8) : std::nullopt;
    EXPECT_EQ(ReadOrientation(U16(dir / "made.jpg")), expected) << at;
  }
}

// ---------------------------------------------------------------- one image

struct ResizeFolder {
  TempDir dir;
  ResizeOptions options;
  ResizeFolder() {
    options.saveFolder = u"out";
    fs::create_directory(dir / "out");
  }
  int Run(const char* name) { return ResizeOneImage(options, FromUtf8(name), dir.u16()); }
  fs::path Out(const char* name) const { return dir / "out" / name; }
};

TEST(ResizeOneImage, ThreeRulesOnA4000By3000Photo) {
  ResizeFolder folder;
  WriteJpeg(folder.dir / "big.jpg", 4000, 3000);
  const std::pair<int, int> expected[] = {{800, 600}, {2000, 1500}, {1024, 768}};
  for (int rule = 0; rule < 3; ++rule) {
    folder.options.sizeRule = rule;
    folder.options.overwrite = 1;
    folder.options.quality = 63 + rule;
    ASSERT_EQ(folder.Run("big.jpg"), kResizeWritten);
    EXPECT_EQ(JpegSize(folder.Out("big.jpg")), expected[rule]) << rule;
    EXPECT_EQ(test::JpegQuality(folder.Out("big.jpg")), 63 + rule) << rule;
  }
  // Nothing but the copy in the save folder: no temporary file left behind.
  EXPECT_EQ(HashTree(folder.dir / "out").size(), 1u);
}

TEST(ResizeOneImage, CopiesUnchangedWhenNoScalingIsNeeded) {
  ResizeFolder folder;
  ExifFields exif;
  exif.model = "Model";
  exif.orientation = 6;
  WriteJpegWithExif(folder.dir / "small.jpg", 640, 480, exif);
  folder.options.rotate = 1;    // a copy is never turned
  folder.options.keepExif = 0;  // and keeps its Exif all the same
  ASSERT_EQ(folder.Run("small.jpg"), kResizeWritten);
  EXPECT_EQ(ReadBytes(folder.Out("small.jpg")), ReadBytes(folder.dir / "small.jpg"));

  // A file that cannot be read as a photo is copied under every size rule,
  // the width-and-height one too.
  WriteBytes(folder.dir / "broken.jpg", "no picture in here");
  folder.options.overwrite = 1;
  for (int rule = 0; rule < 3; ++rule) {
    folder.options.sizeRule = rule;
    ASSERT_EQ(folder.Run("broken.jpg"), kResizeWritten) << rule;
    EXPECT_EQ(ReadBytes(folder.Out("broken.jpg")), "no picture in here") << rule;
  }
}

TEST(ResizeOneImage, TurnsByOrientationAndKeepsExif) {
  ResizeFolder folder;
  ExifFields exif;
  exif.make = "Maker";
  exif.orientation = 6;
  exif.pixelXDimension = 4000;
  exif.pixelYDimension = 3000;
  WriteJpegWithExif(folder.dir / "turn.jpg", 4000, 3000, exif);
  folder.options.rotate = 1;
  folder.options.keepExif = 1;
  ASSERT_EQ(folder.Run("turn.jpg"), kResizeWritten);
  const fs::path out = folder.Out("turn.jpg");
  EXPECT_EQ(JpegSize(out), std::make_pair(600, 800));
  EXPECT_EQ(ExifValue(out, "Exif.Image.Orientation"), 1);
  EXPECT_EQ(ExifValue(out, "Exif.Photo.PixelXDimension"), 600);
  EXPECT_EQ(ExifValue(out, "Exif.Photo.PixelYDimension"), 800);
  EXPECT_EQ(ExifText(out, "Exif.Image.Make"), "Maker");  // the rest is copied as it was

  // Without keepExif the scaled copy carries no Exif.
  folder.options.keepExif = 0;
  folder.options.overwrite = 1;
  ASSERT_EQ(folder.Run("turn.jpg"), kResizeWritten);
  EXPECT_EQ(JpegSize(out), std::make_pair(600, 800));
  EXPECT_EQ(ExifValue(out, "Exif.Image.Orientation"), std::nullopt);
}

TEST(CopyExifProperties, SizesFollowTheCanvasAndOrientationFollowsTheTurn) {
  TempDir dir;
  WriteJpeg(dir / "src.jpg", 1600, 1200);
  {
    auto image = Exiv2::ImageFactory::open((dir / "src.jpg").string());
    Exiv2::ExifData data;
    data["Exif.Image.Make"] = "Maker";
    data["Exif.Image.Orientation"] = uint16_t(8);
    data["Exif.Photo.PixelXDimension"] = uint16_t(1600);  // SHORT
    data["Exif.Photo.PixelYDimension"] = uint32_t(1200);  // LONG
    data["Exif.Iop.RelatedImageWidth"] = uint16_t(1600);
    data["Exif.Iop.RelatedImageLength"] = uint16_t(1200);
    {
      Exiv2::Value::AutoPtr ref = Exiv2::Value::create(Exiv2::unsignedByte);
      ref->read("1");
      data.add(Exiv2::ExifKey("Exif.GPSInfo.GPSAltitudeRef"), ref.get());
    }
    image->setByteOrder(Exiv2::bigEndian);  // numbers come back little-endian all the same
    image->setExifData(data);
    image->writeMetadata();
  }
  const Photo source = Photo::Load(dir / "src.jpg");
  auto valueOf = [](const std::vector<PropertyItem>& items, uint32_t id) {
    for (const PropertyItem& item : items)
      if (item.id == id) return item.value;
    return std::vector<uint8_t>();
  };
  for (bool rotate : {true, false}) {
    Canvas canvas(300, 400);
    CopyExifProperties(U16(dir / "src.jpg"), canvas, rotate);
    const auto& items = canvas.Properties();
    EXPECT_EQ(items.size(), source.Properties().size()) << rotate;
    EXPECT_EQ(valueOf(items, 0xA002), (std::vector<uint8_t>{0x2C, 0x01})) << rotate;        // 300
    EXPECT_EQ(valueOf(items, 0xA003), (std::vector<uint8_t>{0x90, 0x01, 0, 0})) << rotate;  // 400
    EXPECT_EQ(valueOf(items, 0x1001), (std::vector<uint8_t>{0x2C, 0x01})) << rotate;
    EXPECT_EQ(valueOf(items, 0x1002), (std::vector<uint8_t>{0x90, 0x01})) << rotate;
    EXPECT_EQ(valueOf(items, 0x0112), (std::vector<uint8_t>{rotate ? uint8_t(1) : uint8_t(8), 0}))
        << rotate;
    EXPECT_EQ(valueOf(items, 0x010F), valueOf(source.Properties(), 0x010F)) << rotate;
    EXPECT_EQ(valueOf(items, 0x0005), (std::vector<uint8_t>{1})) << rotate;  // GPS, unchanged

    // Written with the copy, each in its own directory.
    ASSERT_TRUE(canvas.SaveJpeg(dir / "out.jpg", 80));
    EXPECT_EQ(ExifValue(dir / "out.jpg", "Exif.Photo.PixelXDimension"), 300);
    EXPECT_EQ(ExifValue(dir / "out.jpg", "Exif.Photo.PixelYDimension"), 400);
    EXPECT_EQ(ExifValue(dir / "out.jpg", "Exif.Iop.RelatedImageWidth"), 300);
    EXPECT_EQ(ExifValue(dir / "out.jpg", "Exif.Iop.RelatedImageLength"), 400);
    EXPECT_EQ(ExifValue(dir / "out.jpg", "Exif.Image.Orientation"), rotate ? 1 : 8);
    EXPECT_EQ(ExifValue(dir / "out.jpg", "Exif.GPSInfo.GPSAltitudeRef"), 1);
  }
  // A photo without Exif adds nothing.
  WriteJpeg(dir / "plain.jpg", 64, 48);
  Canvas canvas(10, 10);
  CopyExifProperties(U16(dir / "plain.jpg"), canvas, true);
  EXPECT_TRUE(canvas.Properties().empty());
}

TEST(ResizeOneImage, TurnedPixelsLandWhereTheOrientationSays) {
  // 400x300 with its upper-left quarter red, scaled to 200x150 (or 150x200).
  QImage marked = test::SolidPicture(400, 300, Qt::blue);
  for (int y = 0; y < 150; ++y)
    for (int x = 0; x < 200; ++x) marked.setPixel(x, y, qRgb(255, 0, 0));
  struct Case {
    uint16_t orientation;
    int w, h;
    int redX, redY;  // the corner where the red quarter lands
    long tagAfter;
  };
  const Case cases[] = {
      {1, 200, 150, 0, 0, 1}, {6, 150, 200, 1, 0, 1}, {8, 150, 200, 0, 1, 1},
      {3, 200, 150, 1, 1, 1}, {4, 200, 150, 0, 0, 4},  // mirrored: drawn unturned, tag kept
  };
  for (const Case& c : cases) {
    ResizeFolder folder;
    WritePicture(folder.dir / "m.jpg", marked);
    SetOrientation(folder.dir / "m.jpg", c.orientation);
    folder.options.longSide = 200;
    folder.options.rotate = 1;
    folder.options.keepExif = 1;
    ASSERT_EQ(folder.Run("m.jpg"), kResizeWritten) << c.orientation;
    const QImage out = ReadPicture(folder.Out("m.jpg"));
    ASSERT_EQ(out.size(), QSize(c.w, c.h)) << c.orientation;
    for (int cx = 0; cx < 2; ++cx) {
      for (int cy = 0; cy < 2; ++cy) {
        const QPoint at(cx ? c.w - 20 : 20, cy ? c.h - 20 : 20);
        const QRgb expected = cx == c.redX && cy == c.redY ? qRgb(255, 0, 0) : qRgb(0, 0, 255);
        EXPECT_TRUE(Near(out.pixel(at), expected)) << c.orientation << " corner " << cx << cy;
      }
    }
    EXPECT_EQ(ExifValue(folder.Out("m.jpg"), "Exif.Image.Orientation"), c.tagAfter)
        << c.orientation;
  }
}

TEST(ResizeOneImage, BigEndianFilesAreNotTurned) {
  ResizeFolder folder;
  ExifFields exif;
  exif.bigEndian = true;
  exif.orientation = 6;
  WriteJpegWithExif(folder.dir / "be.jpg", 1600, 1200, exif);
  folder.options.rotate = 1;
  folder.options.keepExif = 1;
  ASSERT_EQ(folder.Run("be.jpg"), kResizeWritten);
  EXPECT_EQ(JpegSize(folder.Out("be.jpg")), std::make_pair(800, 600));
  // Unturned, so the copy still says how to show it.
  EXPECT_EQ(ExifValue(folder.Out("be.jpg"), "Exif.Image.Orientation"), 6);
}

TEST(ResizeOneImage, NeverOverwritesWhenOverwritingIsOff) {
  ResizeFolder folder;
  WriteJpeg(folder.dir / "a.jpg", 1600, 1200);
  WriteBytes(folder.Out("a.jpg"), "keep me");
  EXPECT_EQ(folder.Run("a.jpg"), kResizeExists);
  EXPECT_EQ(ReadBytes(folder.Out("a.jpg")), "keep me");
  folder.options.overwrite = 1;
  EXPECT_EQ(folder.Run("a.jpg"), kResizeWritten);
  EXPECT_EQ(JpegSize(folder.Out("a.jpg")), std::make_pair(800, 600));
}

TEST(ResizeOneImage, NeverWritesOntoItsOwnSource) {
  ResizeFolder folder;
  WriteJpeg(folder.dir / "a.jpg", 1600, 1200);
  const std::string before = ReadBytes(folder.dir / "a.jpg");
  folder.options.overwrite = 1;
  for (const char16_t* save : {u".", u"../out/.."}) {
    folder.options.saveFolder = save;
    EXPECT_EQ(folder.Run("a.jpg"), kResizeNotWritten) << ToUtf8(save);
  }
  folder.options.saveFolder = folder.dir.u16();  // absolute
  EXPECT_EQ(folder.Run("a.jpg"), kResizeNotWritten);
  EXPECT_EQ(ReadBytes(folder.dir / "a.jpg"), before);
}

TEST(ResizeOneImage, PhotosWithTheLongestNamesAreWritten) {
  // 255 bytes, the most a file name can hold: resized and copied alike,
  // with and without overwriting.
  ResizeFolder folder;
  const std::string big = std::string(251, 'b') + ".jpg";
  const std::string small = std::string(251, 's') + ".jpg";
  WriteJpeg(folder.dir / big, 1600, 1200);
  WriteJpeg(folder.dir / small, 640, 480);
  for (int overwrite : {0, 1}) {
    folder.options.overwrite = overwrite;
    ASSERT_EQ(folder.Run(big.c_str()), kResizeWritten) << overwrite;
    ASSERT_EQ(folder.Run(small.c_str()), kResizeWritten) << overwrite;
    EXPECT_EQ(JpegSize(folder.dir / "out" / big), std::make_pair(800, 600));
    EXPECT_EQ(ReadBytes(folder.dir / "out" / small), ReadBytes(folder.dir / small));
    EXPECT_EQ(HashTree(folder.dir / "out").size(), 2u);
    fs::remove(folder.dir / "out" / big);
    fs::remove(folder.dir / "out" / small);
  }
}

TEST(ResizeOneImage, NoEncoderWritesNothing) {
  ResizeFolder folder;
  WriteJpeg(folder.dir / "a.jpg", 1600, 1200);
  SetJpegEncoderMissingForTesting(true);
  const int result = folder.Run("a.jpg");
  SetJpegEncoderMissingForTesting(false);
  EXPECT_EQ(result, kResizeNoEncoder);
  EXPECT_TRUE(fs::is_empty(folder.dir / "out"));
}

}  // namespace
}  // namespace folio
