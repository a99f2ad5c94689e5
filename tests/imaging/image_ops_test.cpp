// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/image_ops.h"

#include "support/test_support.h"

#include <turbojpeg.h>

#include <gtest/gtest.h>

#include <QColor>

#include <algorithm>
#include <filesystem>
#include <vector>

namespace fs = std::filesystem;
using folio::Canvas;
using folio::Photo;
using folio::PropertyItem;
using folio::test::TempDir;

namespace {

// Writes an RGB32 image as JPEG (4:4:4, high quality, so colours stay put).
void WriteImage(const fs::path& path, const QImage& source, int pixelFormat = TJPF_BGRX,
                int subsampling = TJSAMP_444) {
  QImage image = source.convertToFormat(QImage::Format_RGB32);
  std::vector<unsigned char> gray;
  const unsigned char* pixels = image.constBits();
  int pitch = static_cast<int>(image.bytesPerLine());
  if (pixelFormat == TJPF_GRAY) {
    gray.resize(static_cast<size_t>(image.width()) * image.height());
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        gray[static_cast<size_t>(y) * image.width() + x] =
            static_cast<unsigned char>(qGray(image.pixel(x, y)));
    pixels = gray.data();
    pitch = image.width();
  }
  tjhandle handle = tjInitCompress();
  unsigned char* jpeg = nullptr;
  unsigned long size = 0;
  ASSERT_EQ(0, tjCompress2(handle, pixels, image.width(), pitch, image.height(), pixelFormat, &jpeg,
                           &size, subsampling, 95, 0));
  folio::test::WriteBytes(path, std::string(reinterpret_cast<char*>(jpeg), size));
  tjFree(jpeg);
  tjDestroy(handle);
}

// A white picture with a red block in its upper-left corner.
QImage MarkedImage(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  for (int y = 0; y < height / 4; ++y)
    for (int x = 0; x < width / 4; ++x) image.setPixel(x, y, qRgb(255, 0, 0));
  return image;
}

// A Canon-style maker note: a directory of two ASCII entries, in either order.
std::vector<uint8_t> CanonMakerNote(bool bigEndian) {
  std::vector<uint8_t> out;
  auto u16 = [&](unsigned v) {
    if (bigEndian) out.insert(out.end(), {uint8_t(v >> 8), uint8_t(v)});
    else out.insert(out.end(), {uint8_t(v), uint8_t(v >> 8)});
  };
  auto u32 = [&](unsigned v) {
    if (bigEndian) u16(v >> 16), u16(v & 0xFFFF);
    else u16(v & 0xFFFF), u16(v >> 16);
  };
  u16(2);
  u16(0x0006), u16(2), u32(4), out.insert(out.end(), {'a', 'b', 'c', 0});
  u16(0x0007), u16(2), u32(4), out.insert(out.end(), {'x', 'y', 'z', 0});
  u32(0);
  return out;
}

bool IsRed(QRgb p) { return qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60; }
bool IsWhite(QRgb p) { return qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) > 200; }

std::vector<uint8_t> Bytes(std::initializer_list<int> values) {
  std::vector<uint8_t> out;
  for (int v : values) out.push_back(static_cast<uint8_t>(v));
  return out;
}

}  // namespace

TEST(PhotoTest, FilesThatAreNoJpegLoadAsEmpty) {
  TempDir dir;
  folio::test::WriteBytes(dir / "text.jpg", "this is not a picture");
  folio::test::WriteBytes(dir / "empty.jpg", "");
  folio::test::WriteBytes(dir / "header-only.jpg", std::string("\xFF\xD8\xFF", 3));
  for (const char* name : {"text.jpg", "empty.jpg", "header-only.jpg", "missing.jpg"}) {
    SCOPED_TRACE(name);
    Photo photo = Photo::Load(dir / name);
    EXPECT_FALSE(photo.ok());
    EXPECT_EQ(0, photo.width());
    EXPECT_EQ(0, photo.height());
    EXPECT_TRUE(photo.Properties().empty());
    EXPECT_TRUE(photo.Decode().isNull());
  }
  // A folder named like a photo is no photo either.
  fs::create_directory(dir / "folder.jpg");
  EXPECT_FALSE(Photo::Load(dir / "folder.jpg").ok());
}

TEST(PhotoTest, ABadFileDoesNotSpoilTheFilesAfterIt) {
  TempDir dir;
  folio::test::WriteJpeg(dir / "good.jpg", 64, 48);
  const std::string good = folio::test::ReadBytes(dir / "good.jpg");
  // Broken in different places: the first marker code (an unknown marker
  // once left the decoder unusable), a table, the frame header.
  std::vector<std::string> bad;
  for (size_t at : {size_t{3}, size_t{25}, good.find("\xFF\xC0") + 5}) {
    std::string b = good;
    b[at] = static_cast<char>(b[at] ^ 0x41);
    bad.push_back(b);
  }
  bad.push_back(good.substr(0, 30));
  for (size_t i = 0; i < bad.size(); ++i) {
    SCOPED_TRACE(i);
    folio::test::WriteBytes(dir / "bad.jpg", bad[i]);
    Photo broken = Photo::Load(dir / "bad.jpg");
    (void)broken.Decode();
    Photo photo = Photo::Load(dir / "good.jpg");
    ASSERT_TRUE(photo.ok());
    EXPECT_EQ(QSize(64, 48), photo.Decode().size());
  }
}

TEST(PhotoTest, DecodeTakesTheSmallestDctScaleThatIsLargeEnough) {
  TempDir dir;
  folio::test::WriteJpeg(dir / "a.jpg", 1600, 1200);
  Photo photo = Photo::Load(dir / "a.jpg");
  ASSERT_TRUE(photo.ok());
  EXPECT_EQ(1600, photo.width());
  EXPECT_EQ(1200, photo.height());
  struct Case {
    int minW, minH, w, h;
  } cases[] = {
      {0, 0, 1600, 1200},   {200, 150, 200, 150},  {201, 150, 400, 300}, {340, 255, 400, 300},
      {500, 10, 600, 450},  {10, 451, 800, 600},   {1401, 1, 1600, 1200}, {5000, 5000, 1600, 1200},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.minW << "x" << c.minH);
    QImage image = photo.Decode(c.minW, c.minH);
    EXPECT_EQ(c.w, image.width());
    EXPECT_EQ(c.h, image.height());
  }
  // The gradient of the test picture survives the decode: red grows to the right.
  QImage small = photo.Decode(200, 150);
  EXPECT_LT(qRed(small.pixel(5, 75)), 40);
  EXPECT_GT(qRed(small.pixel(194, 75)), 215);
  EXPECT_EQ(255, qAlpha(small.pixel(100, 100)));
}

TEST(PhotoTest, GreyAndCmykPicturesDecodeToRgb) {
  TempDir dir;
  WriteImage(dir / "grey.jpg", MarkedImage(64, 48), TJPF_GRAY, TJSAMP_GRAY);
  Photo grey = Photo::Load(dir / "grey.jpg");
  ASSERT_TRUE(grey.ok());
  QImage g = grey.Decode();
  ASSERT_EQ(64, g.width());
  EXPECT_NEAR(qGray(qRgb(255, 0, 0)), qRed(g.pixel(3, 3)), 8);
  EXPECT_EQ(qRed(g.pixel(3, 3)), qBlue(g.pixel(3, 3)));
  EXPECT_GT(qGreen(g.pixel(60, 40)), 240);

  // CMYK as Photoshop writes it (with the Adobe segment, 255 = no ink):
  // full cyan channel value and full K give red.
  const int w = 32, h = 16;
  std::vector<unsigned char> cmyk(static_cast<size_t>(w) * h * 4);
  for (int i = 0; i < w * h; ++i) {
    bool left = (i % w) < w / 2;
    unsigned char* p = &cmyk[static_cast<size_t>(i) * 4];
    p[0] = 255, p[1] = left ? 0 : 255, p[2] = left ? 0 : 255, p[3] = 255;
  }
  tjhandle handle = tjInitCompress();
  unsigned char* jpeg = nullptr;
  unsigned long size = 0;
  ASSERT_EQ(0, tjCompress2(handle, cmyk.data(), w, 0, h, TJPF_CMYK, &jpeg, &size, TJSAMP_444, 95, 0));
  folio::test::WriteBytes(dir / "cmyk.jpg", std::string(reinterpret_cast<char*>(jpeg), size));
  tjFree(jpeg);
  tjDestroy(handle);
  Photo photo = Photo::Load(dir / "cmyk.jpg");
  ASSERT_TRUE(photo.ok());
  QImage c = photo.Decode();
  ASSERT_EQ(w, c.width());
  EXPECT_TRUE(IsRed(c.pixel(2, 8))) << std::hex << c.pixel(2, 8);
  EXPECT_TRUE(IsWhite(c.pixel(30, 8))) << std::hex << c.pixel(30, 8);
}

TEST(PhotoTest, ProgressiveAndTruncatedFilesStillDecode) {
  TempDir dir;
  // Progressive: decoded and DCT-scaled like a baseline file.
  {
    QImage image = MarkedImage(400, 300);
    tjhandle handle = tjInitCompress();
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    ASSERT_EQ(0, tjCompress2(handle, image.constBits(), 400, static_cast<int>(image.bytesPerLine()), 300,
                             TJPF_BGRX, &jpeg, &size, TJSAMP_420, 90, TJFLAG_PROGRESSIVE));
    folio::test::WriteBytes(dir / "progressive.jpg", std::string(reinterpret_cast<char*>(jpeg), size));
    tjFree(jpeg);
    tjDestroy(handle);
  }
  Photo progressive = Photo::Load(dir / "progressive.jpg");
  ASSERT_TRUE(progressive.ok());
  QImage p = progressive.Decode(100, 75);
  ASSERT_EQ(QSize(100, 75), p.size());
  EXPECT_TRUE(IsRed(p.pixel(5, 5)));
  EXPECT_TRUE(IsWhite(p.pixel(90, 60)));

  // Cut off in the middle of its data, as an interrupted transfer leaves it:
  // the part that is there is still a picture of the full size.
  folio::test::WriteJpeg(dir / "whole.jpg", 640, 480);
  std::string bytes = folio::test::ReadBytes(dir / "whole.jpg");
  folio::test::WriteBytes(dir / "cut.jpg", bytes.substr(0, bytes.size() * 6 / 10));
  Photo cut = Photo::Load(dir / "cut.jpg");
  ASSERT_TRUE(cut.ok());
  QImage c = cut.Decode();
  ASSERT_EQ(QSize(640, 480), c.size());
  EXPECT_LT(qRed(c.pixel(5, 10)), 40);  // the top rows are the real ones
  EXPECT_GT(qRed(c.pixel(630, 10)), 215);
}

TEST(PhotoTest, PropertiesAreLittleEndianWhateverTheFileOrder) {
  TempDir dir;
  folio::test::ExifFields fields;
  fields.make = "Canon";
  fields.model = "Canon EOS 5D";
  fields.exposureTime = {1, 250};
  fields.iso = 400;
  fields.exposureBias = {-2, 3};
  fields.pixelXDimension = 4000;
  fields.orientation = 6;
  // A maker note that the metadata library recognises and takes apart: its
  // item must still be the bytes as stored, in the file's own order.
  const std::vector<uint8_t> makerNoteLE = CanonMakerNote(false);
  const std::vector<uint8_t> makerNoteBE = CanonMakerNote(true);
  fields.makerNote = makerNoteLE;
  fields.bigEndian = false;
  folio::test::WriteJpegWithExif(dir / "le.jpg", 64, 48, fields);
  fields.makerNote = makerNoteBE;
  fields.bigEndian = true;
  folio::test::WriteJpegWithExif(dir / "be.jpg", 64, 48, fields);

  Photo le = Photo::Load(dir / "le.jpg");
  Photo be = Photo::Load(dir / "be.jpg");
  for (const Photo* photo : {&le, &be}) {
    SCOPED_TRACE(photo == &le ? "little-endian file" : "big-endian file");
    ASSERT_TRUE(photo->ok());
    const auto* exposure = photo->FindProperty(0x829A);
    ASSERT_NE(nullptr, exposure);
    EXPECT_EQ(folio::kTypeRational, exposure->type);
    EXPECT_EQ(Bytes({1, 0, 0, 0, 0xFA, 0, 0, 0}), exposure->value);
    const auto* iso = photo->FindProperty(0x8827);
    ASSERT_NE(nullptr, iso);
    EXPECT_EQ(folio::kTypeShort, iso->type);
    EXPECT_EQ(Bytes({0x90, 0x01}), iso->value);
    const auto* bias = photo->FindProperty(0x9204);
    ASSERT_NE(nullptr, bias);
    EXPECT_EQ(folio::kTypeSRational, bias->type);
    EXPECT_EQ(Bytes({0xFE, 0xFF, 0xFF, 0xFF, 3, 0, 0, 0}), bias->value);
    const auto* pixelX = photo->FindProperty(0xA002);
    ASSERT_NE(nullptr, pixelX);
    EXPECT_EQ(folio::kTypeLong, pixelX->type);
    EXPECT_EQ(Bytes({0xA0, 0x0F, 0, 0}), pixelX->value);
    const auto* make = photo->FindProperty(0x010F);
    ASSERT_NE(nullptr, make);
    EXPECT_EQ(folio::kTypeAscii, make->type);
    EXPECT_EQ(Bytes({'C', 'a', 'n', 'o', 'n', 0}), make->value);
    EXPECT_EQ(6u, make->length());
    const auto* note = photo->FindProperty(0x927C);
    ASSERT_NE(nullptr, note);
    EXPECT_EQ(folio::kTypeUndefined, note->type);
    EXPECT_EQ(photo == &le ? makerNoteLE : makerNoteBE, note->value);
    // Only the primary directories: none of the maker note's own tags.
    EXPECT_EQ(nullptr, photo->FindProperty(0x0006));
    EXPECT_EQ(nullptr, photo->FindProperty(0x0007));

    // IFD0 before the Exif directory: Make comes before the maker note.
    const auto& items = photo->Properties();
    auto at = [&](uint32_t id) {
      return std::find_if(items.begin(), items.end(), [&](const PropertyItem& i) { return i.id == id; }) -
             items.begin();
    };
    EXPECT_LT(at(0x010F), at(0x927C));
    EXPECT_LT(at(0x0112), at(0x829A));
    EXPECT_TRUE(std::is_sorted(items.begin(), items.end(),
                               [](const PropertyItem& a, const PropertyItem& b) { return a.ifd < b.ifd; }));
    for (const PropertyItem& item : items) EXPECT_NE(folio::kIfdUnknown, item.ifd) << item.id;
  }
  // Same items, same bytes, whichever order the file was written in.
  ASSERT_EQ(le.Properties().size(), be.Properties().size());
  for (size_t i = 0; i < le.Properties().size(); ++i) {
    const PropertyItem& a = le.Properties()[i];
    const PropertyItem& b = be.Properties()[i];
    EXPECT_EQ(a.id, b.id);
    EXPECT_EQ(a.type, b.type);
    if (a.id != 0x8769 && a.id != 0x927C) {  // offsets and the maker note differ
      EXPECT_EQ(a.value, b.value) << std::hex << a.id;
    }
  }
}

TEST(PhotoTest, PhotoWithoutExifHasNoProperties) {
  TempDir dir;
  folio::test::WriteJpeg(dir / "plain.jpg", 32, 32);
  Photo photo = Photo::Load(dir / "plain.jpg");
  ASSERT_TRUE(photo.ok());
  EXPECT_TRUE(photo.Properties().empty());
  EXPECT_EQ(nullptr, photo.FindProperty(0x010F));
}

TEST(CanvasTest, SavedPropertyItemsReadBack) {
  TempDir dir;
  Canvas canvas(64, 48);
  canvas.Fill(0xFF336699);
  PropertyItem orientation{0x0112, folio::kTypeShort, Bytes({1, 0})};
  PropertyItem pixelX{0xA002, folio::kTypeLong, Bytes({0x58, 0x02, 0, 0})};
  PropertyItem make{0x010F, folio::kTypeAscii, Bytes({'N', 'i', 'k', 'o', 'n', 0})};
  PropertyItem exposure{0x829A, folio::kTypeRational, Bytes({1, 0, 0, 0, 0xFA, 0, 0, 0})};
  PropertyItem gpsRef{0x0001, folio::kTypeAscii, Bytes({'N', 0}), folio::kIfdGps};
  PropertyItem interop{0x0001, folio::kTypeAscii, Bytes({'R', '9', '8', 0}), folio::kIfdInterop};
  canvas.SetProperty(PropertyItem{0x0112, folio::kTypeShort, Bytes({6, 0})});
  for (const PropertyItem& item : {orientation, pixelX, make, exposure, gpsRef}) canvas.SetProperty(item);
  ASSERT_EQ(5u, canvas.Properties().size());  // the second Orientation replaced the first
  // Tag 1 of another directory is another item.
  canvas.SetProperty(interop);
  ASSERT_EQ(6u, canvas.Properties().size());

  ASSERT_TRUE(canvas.SaveJpeg(dir / "out.jpg", 90));
  Photo photo = Photo::Load(dir / "out.jpg");
  ASSERT_TRUE(photo.ok());
  EXPECT_EQ(64, photo.width());
  EXPECT_EQ(48, photo.height());
  for (const PropertyItem& want : {orientation, pixelX, make, exposure, gpsRef}) {
    SCOPED_TRACE(testing::Message() << std::hex << want.id);
    const PropertyItem* got = photo.FindProperty(want.id);
    ASSERT_NE(nullptr, got);
    EXPECT_EQ(want.type, got->type);
    EXPECT_EQ(want.value, got->value);
  }
  EXPECT_EQ(folio::kIfdGps, photo.FindProperty(0x0001)->ifd);
  EXPECT_EQ(folio::kIfdExif, photo.FindProperty(0x829A)->ifd);
  // Directory by directory: IFD0, Exif, GPS, interop.
  std::vector<std::pair<uint32_t, uint16_t>> order;
  for (const PropertyItem& item : photo.Properties())
    if (item.id != 0x8769 && item.id != 0x8825 && item.id != 0xA005) order.emplace_back(item.id, item.ifd);
  const std::vector<std::pair<uint32_t, uint16_t>> expected = {
      {0x010F, folio::kIfd0},    {0x0112, folio::kIfd0},  {0x829A, folio::kIfdExif},
      {0xA002, folio::kIfdExif}, {0x0001, folio::kIfdGps}, {0x0001, folio::kIfdInterop}};
  EXPECT_EQ(expected, order);
  EXPECT_EQ(interop.value, photo.Properties().back().value);
  QColor centre = QColor::fromRgb(photo.Decode().pixel(32, 24));
  EXPECT_NEAR(0x33, centre.red(), 6);
  EXPECT_NEAR(0x66, centre.green(), 6);
  EXPECT_NEAR(0x99, centre.blue(), 6);
}

TEST(CanvasTest, ItemsOfABigEndianPhotoSurviveACopy) {
  TempDir dir;
  folio::test::ExifFields fields;
  fields.bigEndian = true;
  fields.make = "Canon";
  fields.exposureTime = {1, 60};
  fields.fNumber = {28, 10};
  fields.dateTimeOriginal = "2024:05:06 07:08:09";
  fields.makerNote = Bytes({1, 2, 3, 4, 5, 6, 7, 8});
  folio::test::WriteJpegWithExif(dir / "src.jpg", 80, 60, fields);
  Photo source = Photo::Load(dir / "src.jpg");
  Canvas canvas(40, 30);
  for (const PropertyItem& item : source.Properties()) canvas.SetProperty(item);
  ASSERT_TRUE(canvas.SaveJpeg(dir / "copy.jpg", 80));
  Photo copy = Photo::Load(dir / "copy.jpg");
  for (uint32_t id : {0x010Fu, 0x829Au, 0x829Du, 0x9003u, 0x927Cu}) {
    SCOPED_TRACE(testing::Message() << std::hex << id);
    ASSERT_NE(nullptr, copy.FindProperty(id));
    EXPECT_EQ(source.FindProperty(id)->value, copy.FindProperty(id)->value);
  }
}

TEST(CanvasTest, SaveReplacesTheFileAndFailsCleanly) {
  TempDir dir;
  folio::test::WriteBytes(dir / "out.jpg", "old contents");
  Canvas canvas(20, 10);
  canvas.Fill(0xFFFFFFFF);
  ASSERT_TRUE(canvas.SaveJpeg(dir / "out.jpg", 80));
  EXPECT_EQ(std::make_pair(20, 10), folio::test::JpegSize(dir / "out.jpg"));
  // Into a folder that does not exist: false, and nothing left behind.
  EXPECT_FALSE(canvas.SaveJpeg(dir / "no-such-folder" / "x.jpg", 80));
  // Over a folder: false, the folder stays.
  fs::create_directory(dir / "taken.jpg");
  EXPECT_FALSE(canvas.SaveJpeg(dir / "taken.jpg", 80));
  EXPECT_TRUE(fs::is_directory(dir / "taken.jpg"));
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir.path())) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  EXPECT_EQ((std::vector<std::string>{"out.jpg", "taken.jpg"}), names);
}

TEST(CanvasTest, NewCanvasIsTransparentAndDrawingAFailedPhotoDoesNothing) {
  TempDir dir;
  Canvas canvas(30, 20);
  EXPECT_EQ(0u, canvas.image().pixel(5, 5));
  Photo none = Photo::Load(dir / "missing.jpg");
  canvas.DrawScaled(none, QRect(0, 0, 30, 20), QRect(0, 0, 10, 10));
  canvas.DrawTurned(none, QPoint(30, 0), QPoint(30, 20), QPoint(0, 0));
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 30; ++x) ASSERT_EQ(0u, canvas.image().pixel(x, y));
}

namespace {

// An 800 x 600 photo, its left half red and its right half blue.
Photo RedAndBlueHalves(const fs::path& path) {
  QImage image(800, 600, QImage::Format_RGB32);
  image.fill(qRgb(255, 0, 0));
  for (int y = 0; y < 600; ++y)
    for (int x = 400; x < 800; ++x) image.setPixel(x, y, qRgb(0, 0, 255));
  WriteImage(path, image);
  return Photo::Load(path);
}

}  // namespace

TEST(CanvasTest, DrawScaledStretchesTheSourceRectangleIntoTheDestination) {
  TempDir dir;
  const Photo photo = RedAndBlueHalves(dir / "halves.jpg");
  ASSERT_TRUE(photo.ok());

  Canvas canvas(200, 100);
  // The right half only, squeezed into 60 x 40 at (10, 20).
  canvas.DrawScaled(photo, QRect(10, 20, 60, 40), QRect(400, 0, 400, 600));
  // The whole photo into 100 x 50 at (100, 50).
  canvas.DrawScaled(photo, QRect(100, 50, 100, 50), QRect(0, 0, 800, 600));
  const QImage& out = canvas.image();
  for (int y = 20; y < 60; ++y)
    for (int x = 10; x < 70; ++x) {
      QRgb p = out.pixel(x, y);
      ASSERT_TRUE(qBlue(p) > 200 && qRed(p) < 50) << x << "," << y;
    }
  EXPECT_EQ(0u, out.pixel(9, 30));
  EXPECT_EQ(0u, out.pixel(70, 30));
  EXPECT_EQ(0u, out.pixel(30, 19));
  EXPECT_EQ(0u, out.pixel(30, 60));
  EXPECT_TRUE(IsRed(out.pixel(102, 75)));
  EXPECT_TRUE(IsRed(out.pixel(147, 75)));
  EXPECT_GT(qBlue(out.pixel(152, 75)), 200);
  EXPECT_GT(qBlue(out.pixel(199, 99)), 200);
  EXPECT_EQ(0u, out.pixel(99, 75));
}

TEST(CanvasTest, DrawScaledIntoADestinationFarLargerThanTheCanvas) {
  // The cells of a sheet whose gap is far below 0 are many times the sheet:
  // only the part on the canvas is drawn, and where it belongs.
  TempDir dir;
  const Photo photo = RedAndBlueHalves(dir / "halves.jpg");
  ASSERT_TRUE(photo.ok());

  // 100 canvas pixels a photo pixel: the canvas shows source pixels 100 to
  // 102 of the red half, and with the photo further left 600 to 602 of the blue.
  for (const auto& [left, red] : {std::pair{-10000, true}, std::pair{-60000, false}}) {
    SCOPED_TRACE(left);
    Canvas canvas(200, 100);
    canvas.DrawScaled(photo, QRect(left, -20000, 80000, 60000), QRect(0, 0, 800, 600));
    for (const QPoint at : {QPoint(0, 0), QPoint(100, 50), QPoint(199, 99)}) {
      const QRgb p = canvas.image().pixel(at);
      EXPECT_EQ(red, IsRed(p)) << at.x();
      EXPECT_EQ(!red, qBlue(p) > 200 && qRed(p) < 50) << at.x();
    }
  }
  // 5 canvas pixels a photo pixel: red meets blue at x 100 of the canvas.
  Canvas canvas(200, 100);
  canvas.DrawScaled(photo, QRect(-1900, -1000, 4000, 3000), QRect(0, 0, 800, 600));
  EXPECT_TRUE(IsRed(canvas.image().pixel(0, 50)));
  EXPECT_TRUE(IsRed(canvas.image().pixel(70, 50)));
  EXPECT_GT(qBlue(canvas.image().pixel(130, 50)), 200);
  EXPECT_GT(qBlue(canvas.image().pixel(199, 50)), 200);

  // Wholly beside the canvas: nothing drawn.
  Canvas beside(50, 50);
  beside.DrawScaled(photo, QRect(-100000, 0, 90000, 90000), QRect(0, 0, 800, 600));
  EXPECT_EQ(0u, beside.image().pixel(25, 25));
}

TEST(CanvasTest, DrawTurnedPlacesTheCornerByOrientation) {
  TempDir dir;
  WriteImage(dir / "marked.jpg", MarkedImage(400, 300));
  Photo photo = Photo::Load(dir / "marked.jpg");
  ASSERT_TRUE(photo.ok());
  struct Case {
    const char* name;
    int w, h;  // canvas
    QPoint ul, ur, ll;
    QPoint redAt;  // a pixel near the corner where the photo's upper-left lands
  };
  const Case cases[] = {
      {"6: clockwise", 60, 80, {60, 0}, {60, 80}, {0, 0}, {57, 2}},
      {"8: counter-clockwise", 60, 80, {0, 80}, {0, 0}, {60, 80}, {2, 77}},
      {"3: half turn", 80, 60, {80, 60}, {0, 60}, {80, 0}, {77, 57}},
      {"upright", 80, 60, {0, 0}, {80, 0}, {0, 60}, {2, 2}},
      {"mirrored", 80, 60, {80, 0}, {0, 0}, {80, 60}, {77, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas canvas(c.w, c.h);
    canvas.DrawTurned(photo, c.ul, c.ur, c.ll);
    const QImage& out = canvas.image();
    EXPECT_TRUE(IsRed(out.pixel(c.redAt))) << std::hex << out.pixel(c.redAt);
    // The other three corners are white, and the canvas is covered.
    for (QPoint corner : {QPoint(2, 2), QPoint(c.w - 3, 2), QPoint(2, c.h - 3), QPoint(c.w - 3, c.h - 3)})
      if ((corner - c.redAt).manhattanLength() > 10) {
        EXPECT_TRUE(IsWhite(out.pixel(corner)));
      }
    for (int y = 0; y < c.h; ++y)
      for (int x = 0; x < c.w; ++x) ASSERT_EQ(255, qAlpha(out.pixel(x, y))) << x << "," << y;
  }
}

TEST(CanvasTest, TurnedDrawingIsTheUprightOneTurnedPixelForPixel) {
  TempDir dir;
  folio::test::WriteJpeg(dir / "p.jpg", 400, 300);
  Photo photo = Photo::Load(dir / "p.jpg");
  Canvas upright(80, 60);
  upright.DrawTurned(photo, {0, 0}, {80, 0}, {0, 60});
  Canvas six(60, 80), eight(60, 80), three(80, 60);
  six.DrawTurned(photo, {60, 0}, {60, 80}, {0, 0});
  eight.DrawTurned(photo, {0, 80}, {0, 0}, {60, 80});
  three.DrawTurned(photo, {80, 60}, {0, 60}, {80, 0});
  const QImage base = upright.image();
  EXPECT_EQ(base.transformed(QTransform().rotate(90)), six.image());
  EXPECT_EQ(base.transformed(QTransform().rotate(270)), eight.image());
  EXPECT_EQ(base.transformed(QTransform().rotate(180)), three.image());
}

TEST(CanvasTest, DrawTextIsCentredInItsRectangle) {
  EXPECT_EQ(QStringLiteral("IPAGothic"), folio::TitleFontFamily());
  struct Case {
    std::u16string text;
  } cases[] = {{u"Folioscope"}, {u"旅の写真"}, {u"line one\r\nline two"}};
  int singleHeight = 0;
  for (const Case& c : cases) {
    Canvas canvas(400, 200);
    canvas.Fill(0xFFFFFFFF);
    const QRectF rect(100, 50, 200, 100);
    canvas.DrawText(c.text, 12, 0xFF000000, rect);
    const QImage& out = canvas.image();
    int left = 400, right = -1, top = 200, bottom = -1;
    for (int y = 0; y < 200; ++y)
      for (int x = 0; x < 400; ++x) {
        if (qGray(out.pixel(x, y)) > 128) continue;
        ASSERT_TRUE(rect.contains(QPointF(x + 0.5, y + 0.5))) << "dark pixel outside at " << x << "," << y;
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
    ASSERT_GE(right, 0) << "no text drawn";
    EXPECT_NEAR(200.0, (left + right) / 2.0, 4.0);
    EXPECT_NEAR(100.0, (top + bottom) / 2.0, 4.0);
    const int height = bottom - top + 1;
    if (c.text == u"Folioscope") singleHeight = height;
    // 12 points on a 96-dpi canvas are 16 pixels: glyphs are 10 to 16 high.
    if (c.text == u"旅の写真") {
      EXPECT_NEAR(15, height, 3);
    }
    if (c.text.find(u'\n') != std::u16string::npos) {
      EXPECT_GT(height, singleHeight * 3 / 2);
    }
  }
}

TEST(CanvasTest, LongTextWrapsAtWordsAndStaysInside) {
  Canvas canvas(300, 200);
  canvas.Fill(0xFFFFFFFF);
  const QRectF rect(50, 20, 120, 160);
  canvas.DrawText(u"one two three four five six", 14, 0xFF000000, rect);
  int top = 200, bottom = -1;
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 300; ++x)
      if (qGray(canvas.image().pixel(x, y)) < 128) {
        ASSERT_TRUE(rect.contains(QPointF(x + 0.5, y + 0.5))) << x << "," << y;
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  EXPECT_GT(bottom - top, 40);  // several lines
}
