// SPDX-License-Identifier: GPL-3.0-or-later
// Photos with an embedded ICC profile: the profile reader, the sRGB verdict,
// and the four kinds of derived image (thumbnail, slide, sheet cell, resized
// copy) converted into sRGB, or left byte for byte as without a profile.
#include "imaging/colour_profile.h"

#include "imaging/composite.h"
#include "imaging/exif_items.h"
#include "imaging/image_ops.h"
#include "imaging/pixels.h"
#include "imaging/resize.h"
#include "imaging/scaled_copy.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <lcms2.h>

#include <cmath>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace folio {
namespace {

using Bytes = std::vector<uint8_t>;
using test::TempDir;

// ---------------------------------------------------------------- profiles made here

Bytes Saved(cmsHPROFILE profile) {
  cmsUInt32Number size = 0;
  Bytes bytes;
  if (profile && cmsSaveProfileToMem(profile, nullptr, &size) && size > 0) {
    bytes.resize(size);
    cmsSaveProfileToMem(profile, bytes.data(), &size);
  }
  if (profile) cmsCloseProfile(profile);
  return bytes;
}

cmsHPROFILE RgbProfile(cmsCIExyYTRIPLE primaries, cmsToneCurve* curve) {
  cmsCIExyY d65;
  cmsWhitePointFromTemp(&d65, 6504);
  cmsToneCurve* curves[3] = {curve, curve, curve};
  cmsHPROFILE profile = cmsCreateRGBProfile(&d65, &primaries, curves);
  cmsFreeToneCurve(curve);
  return profile;
}

// The sRGB tone curve as its IEC parameters give it.
cmsToneCurve* SrgbCurve() {
  const cmsFloat64Number parameters[5] = {2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045};
  return cmsBuildParametricToneCurve(nullptr, 4, parameters);
}

Bytes SrgbIcc() { return Saved(cmsCreate_sRGBProfile()); }

// sRGB as many makers write it: the curve as a table of 1024 points.
Bytes TabulatedSrgbIcc() {
  std::vector<cmsUInt16Number> table(1024);
  for (size_t i = 0; i < table.size(); ++i) {
    const double v = static_cast<double>(i) / (table.size() - 1);
    const double linear = v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    table[i] = static_cast<cmsUInt16Number>(std::lround(linear * 65535));
  }
  return Saved(RgbProfile({{0.64, 0.33, 1}, {0.30, 0.60, 1}, {0.15, 0.06, 1}},
                          cmsBuildTabulatedToneCurve16(nullptr, 1024, table.data())));
}

Bytes DisplayP3Icc() {
  return Saved(RgbProfile({{0.680, 0.320, 1}, {0.265, 0.690, 1}, {0.150, 0.060, 1}}, SrgbCurve()));
}

Bytes AdobeRgbIcc() {
  return Saved(RgbProfile({{0.64, 0.33, 1}, {0.21, 0.71, 1}, {0.15, 0.06, 1}},
                          cmsBuildGamma(nullptr, 563.0 / 256)));
}

Bytes GreyIcc() {
  cmsCIExyY d65;
  cmsWhitePointFromTemp(&d65, 6504);
  cmsToneCurve* curve = cmsBuildGamma(nullptr, 2.2);
  Bytes bytes = Saved(cmsCreateGrayProfile(&d65, curve));
  cmsFreeToneCurve(curve);
  return bytes;
}

// An RGB profile whose header says CMYK.
Bytes CmykIcc() {
  Bytes bytes = DisplayP3Icc();
  std::copy_n("CMYK", 4, bytes.begin() + 16);
  return bytes;
}

Bytes Truncated(Bytes bytes) {
  bytes.resize(bytes.size() / 2);
  return bytes;
}

Bytes Garbage() {
  Bytes bytes(600);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 37 + 11);
  std::copy_n("acsp", 4, bytes.begin() + 36);  // the signature, and nothing else right
  return bytes;
}

// ---------------------------------------------------------------- JPEG streams

Bytes ToBytes(const std::string& s) { return Bytes(s.begin(), s.end()); }

Bytes App2(const Bytes& chunk, int sequence, int count) {
  Bytes segment = {0xFF, 0xE2};
  const size_t length = 2 + 14 + chunk.size();
  segment.push_back(static_cast<uint8_t>(length >> 8));
  segment.push_back(static_cast<uint8_t>(length));
  for (char c : std::string("ICC_PROFILE", 12)) segment.push_back(static_cast<uint8_t>(c));
  segment.push_back(static_cast<uint8_t>(sequence));
  segment.push_back(static_cast<uint8_t>(count));
  segment.insert(segment.end(), chunk.begin(), chunk.end());
  return segment;
}

// The stream with the profile in APP2 chunks of at most chunkSize bytes right
// after SOI, in the given order of sequence numbers (1-based; empty: in order).
Bytes WithProfile(const Bytes& jpeg, const Bytes& icc, size_t chunkSize = 65519,
                  std::vector<int> order = {}) {
  std::vector<Bytes> chunks;
  for (size_t at = 0; at < icc.size(); at += chunkSize)
    chunks.emplace_back(
        icc.begin() + static_cast<std::ptrdiff_t>(at),
        icc.begin() + static_cast<std::ptrdiff_t>(std::min(icc.size(), at + chunkSize)));
  if (order.empty())
    for (size_t i = 0; i < chunks.size(); ++i) order.push_back(static_cast<int>(i) + 1);
  Bytes out(jpeg.begin(), jpeg.begin() + 2);
  for (int sequence : order) {
    const Bytes segment =
        App2(chunks[static_cast<size_t>(sequence) - 1], sequence, static_cast<int>(chunks.size()));
    out.insert(out.end(), segment.begin(), segment.end());
  }
  out.insert(out.end(), jpeg.begin() + 2, jpeg.end());
  return out;
}

void WriteFile(const fs::path& path, const Bytes& bytes) {
  test::WriteBytes(path, std::string(bytes.begin(), bytes.end()));
}

Bytes ReadFile(const fs::path& path) { return ToBytes(test::ReadBytes(path)); }

// Saturated, smooth colours over the whole picture: where P3 and sRGB differ.
QImage ColourfulPicture(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.setPixel(x, y, QColor::fromHsv(x * 359 / width, 255 - y * 200 / height, 230).rgb());
  return image;
}

Bytes EncodedPicture(const QImage& picture, bool grey = false) {
  TempDir dir;
  if (grey) {
    const QImage g = picture.convertToFormat(QImage::Format_Grayscale8);
    tjhandle handle = tjInitCompress();
    unsigned char* out = nullptr;
    unsigned long size = 0;
    tjCompress2(handle, g.constBits(), g.width(), static_cast<int>(g.bytesPerLine()), g.height(),
                TJPF_GRAY, &out, &size, TJSAMP_GRAY, 95, 0);
    Bytes bytes(out, out + size);
    tjFree(out);
    tjDestroy(handle);
    return bytes;
  }
  test::WritePicture(dir / "p.jpg", picture);
  return ReadFile(dir / "p.jpg");
}

// ---------------------------------------------------------------- comparing pixels

// The picture converted from the profile into sRGB by the colour engine,
// independently of the code under test.
QImage ConvertedWithLcms(const QImage& picture, const Bytes& icc) {
  QImage out = picture.convertToFormat(QImage::Format_RGB32);
  cmsHPROFILE source = cmsOpenProfileFromMem(icc.data(), static_cast<cmsUInt32Number>(icc.size()));
  cmsHPROFILE srgb = cmsCreate_sRGBProfile();
  cmsHTRANSFORM t =
      cmsCreateTransform(source, TYPE_BGRA_8, srgb, TYPE_BGRA_8, INTENT_RELATIVE_COLORIMETRIC, 0);
  for (int y = 0; y < out.height(); ++y)
    cmsDoTransform(t, out.scanLine(y), out.scanLine(y), static_cast<cmsUInt32Number>(out.width()));
  cmsDeleteTransform(t);
  cmsCloseProfile(srgb);
  cmsCloseProfile(source);
  return out;
}

// Mean absolute difference over the colour channels, of full scale.
double MeanError(const QImage& a, const QImage& b) {
  EXPECT_EQ(a.size(), b.size());
  if (a.size() != b.size() || a.isNull()) return 1;
  double sum = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
             std::abs(qBlue(p) - qBlue(q));
    }
  return sum / (3.0 * 255 * a.width() * a.height());
}

QImage ScaledLike(const QImage& picture, const QImage& like) {
  return picture.scaled(like.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// ---------------------------------------------------------------- the four jobs

constexpr int kThumbnailSide = 160;
constexpr int kSlideSide = 640;

struct Job {
  const char* name;
  // Makes the derived image of folder/name and returns where it was written.
  std::function<fs::path(const TempDir& dir, const std::string& name)> make;
};

fs::path MakeThumbnail(const TempDir& dir, const std::string& name, int side,
                       const char* subFolder) {
  fs::create_directories(dir / subFolder);
  const std::u16string sub(subFolder, subFolder + std::strlen(subFolder));
  EXPECT_EQ(0, MakeScaledCopy(std::u16string(name.begin(), name.end()), dir.u16(), side, sub));
  return dir / subFolder / name;
}

fs::path MakeSheet(const TempDir& dir, const std::string& name) {
  SheetOptions options;
  options.rows = options.columns = 1;
  options.gap = 0;
  options.canvasWidth = 400;
  options.canvasHeight = 300;
  options.jpegQuality = 95;
  CompositeParams params;
  FillCompositeParams(options, 1, params);
  SheetPainter painter(params);
  painter.Begin();
  painter.DrawPhoto(dir / name, SheetRect{0, 0, 400, 300});
  const fs::path sheet = dir / ("sheet-" + name);
  EXPECT_TRUE(painter.Save(sheet));
  return sheet;
}

fs::path MakeResized(const TempDir& dir, const std::string& name) {
  ResizeOptions options;
  options.saveFolder = u"resize";
  options.longSide = 500;
  options.keepExif = 1;
  options.overwrite = 1;
  fs::create_directories(dir / "resize");
  EXPECT_EQ(kResizeWritten,
            ResizeOneImage(options, std::u16string(name.begin(), name.end()), dir.u16()));
  return dir / "resize" / name;
}

const std::vector<Job>& Jobs() {
  static const std::vector<Job> jobs = {
      {"thumbnail",
       [](const TempDir& d, const std::string& n) {
         return MakeThumbnail(d, n, kThumbnailSide, "thum");
       }},
      {"slide", [](const TempDir& d,
                   const std::string& n) { return MakeThumbnail(d, n, kSlideSide, "slide"); }},
      {"sheet", MakeSheet},
      {"resize", MakeResized},
  };
  return jobs;
}

// ---------------------------------------------------------------- tests

TEST(IccProfileReader, JoinsChunksBySequenceNumber) {
  const Bytes jpeg = EncodedPicture(test::SolidPicture(16, 16, Qt::red));
  const Bytes icc = DisplayP3Icc();
  ASSERT_GT(icc.size(), 300u);
  EXPECT_EQ(icc, ReadIccProfile(WithProfile(jpeg, icc).data(), WithProfile(jpeg, icc).size()));
  const Bytes shuffled = WithProfile(jpeg, icc, 100, {3, 1, 2, 5, 4, 6});
  ASSERT_EQ((icc.size() + 99) / 100, 6u);
  EXPECT_EQ(icc, ReadIccProfile(shuffled.data(), shuffled.size()));
  EXPECT_TRUE(ReadIccProfile(jpeg.data(), jpeg.size()).empty());
}

TEST(IccProfileReader, RefusesChunksThatMakeNoWholeProfile) {
  const Bytes jpeg = EncodedPicture(test::SolidPicture(16, 16, Qt::red));
  const Bytes chunk(50, 0x42);
  auto withSegments = [&](std::vector<Bytes> segments) {
    Bytes out(jpeg.begin(), jpeg.begin() + 2);
    for (const Bytes& s : segments) out.insert(out.end(), s.begin(), s.end());
    out.insert(out.end(), jpeg.begin() + 2, jpeg.end());
    return out;
  };
  Bytes cut = App2(chunk, 1, 1);
  cut.resize(cut.size() - 10);
  const Bytes whole = withSegments({App2(chunk, 1, 1)});
  const struct {
    const char* what;
    Bytes stream;
  } cases[] = {
      {"second of two missing", withSegments({App2(chunk, 1, 2)})},
      {"number given twice", withSegments({App2(chunk, 1, 2), App2(chunk, 1, 2)})},
      {"counts disagree", withSegments({App2(chunk, 1, 2), App2(chunk, 2, 3)})},
      {"number 0", withSegments({App2(chunk, 0, 1)})},
      {"number past the count", withSegments({App2(chunk, 2, 1)})},
      {"count 0", withSegments({App2(chunk, 0, 0)})},
      {"cut segment at the end", Bytes(whole.begin(), whole.begin() + 40)},
      {"length past the end",
       [&] {
         Bytes b(jpeg.begin(), jpeg.begin() + 2);
         b.insert(b.end(), cut.begin(), cut.end());
         return b;
       }()},
      {"no JPEG", Bytes(chunk)},
      {"empty", Bytes()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_TRUE(ReadIccProfile(c.stream.data(), c.stream.size()).empty());
  }
  EXPECT_EQ(chunk, ReadIccProfile(whole.data(), whole.size()));
  // A segment after the first scan is pixel data, not metadata.
  Bytes afterScan = jpeg;
  const Bytes segment = App2(chunk, 1, 1);
  afterScan.insert(afterScan.end() - 2, segment.begin(), segment.end());
  EXPECT_TRUE(ReadIccProfile(afterScan.data(), afterScan.size()).empty());
}

TEST(ColourProfileVerdict, SrgbOfAnyMakerAndUnusableProfilesConvertNothing) {
  const Bytes samsung = ReadFile(test::SharedPhotosDir() / "samsung-progressive.jpg");
  const Bytes iphone = ReadFile(test::SharedPhotosDir() / "apple-iphonexr-burst1.jpg");
  const struct {
    const char* what;
    Bytes icc;
    bool converts;
  } cases[] = {
      {"none", {}, false},
      {"sRGB", SrgbIcc(), false},
      {"sRGB with a tabulated curve", TabulatedSrgbIcc(), false},
      {"a phone maker's sRGB", ReadIccProfile(samsung.data(), samsung.size()), false},
      {"Display P3", DisplayP3Icc(), true},
      {"a phone's Display P3", ReadIccProfile(iphone.data(), iphone.size()), true},
      {"Adobe RGB", AdobeRgbIcc(), true},
      {"grey", GreyIcc(), false},
      {"CMYK", CmykIcc(), false},
      {"truncated", Truncated(DisplayP3Icc()), false},
      {"garbage", Garbage(), false},
      {"one byte", {0x00}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (std::string(c.what).find("phone") != std::string::npos) {
      ASSERT_FALSE(c.icc.empty());
    }
    EXPECT_EQ(c.converts, ColourProfile::FromIcc(c.icc).convertsToSrgb());
    // Asked again, the kept verdict.
    EXPECT_EQ(c.converts, ColourProfile::FromIcc(c.icc).convertsToSrgb());
  }
}

TEST(ColourProfileVerdict, OneConversionServesThreadsAtOnce) {
  const ColourProfile profile = ColourProfile::FromIcc(DisplayP3Icc());
  ASSERT_TRUE(profile.convertsToSrgb());
  const QImage source = ColourfulPicture(300, 200);
  QImage expected = source.copy();
  ConvertToSrgb(expected, profile);
  ASSERT_NE(expected, source);
  std::vector<QImage> results(4, source);
  std::vector<std::thread> threads;
  for (QImage& picture : results)
    threads.emplace_back([&picture, &profile] {
      for (int i = 0; i < 5; ++i) {
        QImage p = picture.copy();
        ConvertToSrgb(p, profile);
        if (i == 4) picture = p;
      }
    });
  for (std::thread& t : threads) t.join();
  for (const QImage& picture : results) EXPECT_EQ(expected, picture);
}

// Every profile case through every job: none, sRGB and whatever cannot be
// used give the very bytes of the photo without its profile; P3 and Adobe
// RGB come out converted, nearer to the engine's own conversion.
TEST(ColourProfileJobs, EachProfileCaseThroughTheFourJobs) {
  const QImage picture = ColourfulPicture(1200, 900);
  const Bytes colour = EncodedPicture(picture);
  const Bytes grey = EncodedPicture(picture, true);
  const QImage decodedColour = test::ReadPicture([&] {
    static TempDir d;
    WriteFile(d / "c.jpg", colour);
    return d / "c.jpg";
  }());
  ASSERT_FALSE(decodedColour.isNull());
  const struct {
    const char* what;
    Bytes plain;
    Bytes icc;
    bool converts;
  } cases[] = {
      {"none", colour, {}, false},
      {"sRGB", colour, SrgbIcc(), false},
      {"Display P3", colour, DisplayP3Icc(), true},
      {"Adobe RGB", colour, AdobeRgbIcc(), true},
      {"truncated P3", colour, Truncated(DisplayP3Icc()), false},
      {"garbage", colour, Garbage(), false},
      {"grey profile", colour, GreyIcc(), false},
      {"P3 on a grey JPEG", grey, DisplayP3Icc(), false},
  };
  for (const auto& c : cases) {
    TempDir dir;
    WriteFile(dir / "plain.jpg", c.plain);
    const Bytes tagged = c.icc.empty() ? c.plain : WithProfile(c.plain, c.icc);
    WriteFile(dir / "tagged.jpg", tagged);
    for (const Job& job : Jobs()) {
      SCOPED_TRACE(testing::Message() << c.what << ", " << job.name);
      const Bytes withoutProfile = ReadFile(job.make(dir, "plain.jpg"));
      const Bytes withProfile = ReadFile(job.make(dir, "tagged.jpg"));
      ASSERT_FALSE(withoutProfile.empty());
      if (!c.converts) {
        EXPECT_EQ(withoutProfile, withProfile);
        continue;
      }
      EXPECT_TRUE(ReadIccProfile(withProfile.data(), withProfile.size()).empty());
      WriteFile(dir / "out.jpg", withProfile);
      const QImage derived = test::ReadPicture(dir / "out.jpg");
      const QImage reference = ScaledLike(ConvertedWithLcms(decodedColour, c.icc), derived);
      const QImage unconverted = ScaledLike(decodedColour, derived);
      const double toReference = MeanError(derived, reference);
      const double toUnconverted = MeanError(derived, unconverted);
      EXPECT_LT(toReference * 2, toUnconverted) << toReference << " vs " << toUnconverted;
    }
  }
}

// The phone photos themselves, with their Display P3 profile: each derived
// image is clearly nearer the photo converted into sRGB than its raw pixels.
TEST(ColourProfileJobs, RealDisplayP3PhotosComeOutInSrgb) {
  for (const char* name : {"apple-iphonexr-burst1.jpg", "apple-iphonexr-burst2.jpg"}) {
    TempDir dir;
    const fs::path source = test::SharedPhotosDir() / name;
    fs::copy_file(source, dir / name);
    const Bytes original = ReadFile(source);
    const Bytes icc = ReadIccProfile(original.data(), original.size());
    ASSERT_FALSE(icc.empty()) << name;
    const QImage full = test::ReadPicture(source);
    const QImage converted = ConvertedWithLcms(full, icc);
    for (const Job& job : Jobs()) {
      SCOPED_TRACE(testing::Message() << name << ", " << job.name);
      const fs::path made = job.make(dir, name);
      const QImage derived = test::ReadPicture(made);
      ASSERT_FALSE(derived.isNull());
      // Measured at a quarter of the derived size, so that the fine texture
      // the two ways of scaling render differently weighs little beside
      // the colours.
      const QImage small = derived.scaled(derived.width() / 4, derived.height() / 4,
                                          Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      const double toConverted =
          MeanError(small, ScaledLike(ScaledLike(converted, derived), small));
      const double toRaw = MeanError(small, ScaledLike(ScaledLike(full, derived), small));
      EXPECT_LT(toConverted * 2, toRaw) << toConverted << " vs " << toRaw;
      if (std::string(job.name) == "resize") {
        const Bytes copy = ReadFile(made);
        bool srgb = false;
        for (const PropertyItem& item : exif::ReadItems(copy.data(), copy.size()))
          if (item.id == 0xA001) srgb = item.value == Bytes{1, 0};
        EXPECT_TRUE(srgb) << "ColorSpace of the resized copy";
      }
    }
  }
}

// Byte-for-byte copies keep the photo as it is, profile and all.
TEST(ColourProfileJobs, UnchangedCopiesKeepTheProfile) {
  TempDir dir;
  const Bytes small = WithProfile(EncodedPicture(ColourfulPicture(120, 90)), DisplayP3Icc());
  WriteFile(dir / "small.jpg", small);
  EXPECT_EQ(small, ReadFile(MakeThumbnail(dir, "small.jpg", kThumbnailSide, "thum")));
  EXPECT_EQ(small, ReadFile(MakeResized(dir, "small.jpg")));
}

// A copy converted into sRGB says so in its Exif; a copy without Exif gets none.
TEST(ColourProfileJobs, ConvertedCopySaysSrgbInItsExif) {
  Canvas canvas(4, 4);
  MarkPropertiesSrgb(canvas);
  EXPECT_TRUE(canvas.Properties().empty());
  canvas.SetProperty({0xA001, kTypeShort, {0xFF, 0xFF}, kIfdExif});  // uncalibrated
  canvas.SetProperty({0x0001, kTypeAscii, {'R', '0', '3', 0}, kIfdInterop});
  canvas.SetProperty({0x0002, kTypeAscii, {'R', '0', '3', 0}, kIfdGps});
  MarkPropertiesSrgb(canvas);
  ASSERT_EQ(3u, canvas.Properties().size());
  for (const PropertyItem& item : canvas.Properties()) {
    SCOPED_TRACE(item.id);
    if (item.ifd == kIfdExif) {
      EXPECT_EQ((Bytes{1, 0}), item.value);
    }
    if (item.ifd == kIfdInterop) {
      EXPECT_EQ((Bytes{'R', '9', '8', 0}), item.value);
    }
    if (item.ifd == kIfdGps) {
      EXPECT_EQ((Bytes{'R', '0', '3', 0}), item.value);
    }
  }
}

}  // namespace
}  // namespace folio
