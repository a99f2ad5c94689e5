// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/scaled_copy.h"

#include "imaging/image_ops.h"
#include "imaging/pixels.h"
#include "platform/text.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;
using folio::MakeScaledCopy;
using folio::test::TempDir;

namespace {

struct EncoderMissing {
  EncoderMissing() { folio::SetJpegEncoderMissingForTesting(true); }
  ~EncoderMissing() { folio::SetJpegEncoderMissingForTesting(false); }
};

class ScaledCopyTest : public testing::Test {
 protected:
  void SetUp() override { fs::create_directory(dir_ / "thum"); }
  std::u16string folder() const { return dir_.u16(); }
  fs::path thumb(const char* name) const { return dir_ / "thum" / name; }
  TempDir dir_;
};

}  // namespace

TEST(ScaledSizeTest, LongSideBoundsTheSizeWithTruncation) {
  struct Case {
    int w, h, s;
    bool scaled;
    int nw, nh;
  } cases[] = {
      {4000, 3000, 340, true, 340, 255},  {3000, 4000, 340, true, 255, 340},
      {4000, 2999, 340, true, 340, 254},  {500, 500, 340, true, 340, 340},
      {340, 200, 340, false, 340, 200},   {200, 340, 340, false, 200, 340},
      {341, 341, 340, true, 340, 340},    {100, 80, 340, false, 100, 80},
      {0, 0, 340, false, 0, 0},           {30000, 20000, 30000, false, 30000, 20000},
      // An unreadable photo is copied whatever the long side says.
      {0, 0, -1, false, 0, 0},            {0, 0, -100000, false, 0, 0},
      // A short side that would truncate to nothing keeps one pixel.
      {4000, 10, 340, true, 340, 1},      {10, 4000, 340, true, 1, 340},
      // No overflow for big photos.
      {60000, 45000, 50000, true, 50000, 37500},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << " S" << c.s);
    int nw = -1, nh = -1;
    EXPECT_EQ(c.scaled, folio::ScaledSize(c.w, c.h, c.s, nw, nh));
    EXPECT_EQ(c.nw, nw);
    EXPECT_EQ(c.nh, nh);
  }
}

TEST(ScaledSizeTest, EncoderLookup) {
  EXPECT_EQ(0, folio::FindJpegEncoder());
  {
    EncoderMissing missing;
    EXPECT_EQ(-1, folio::FindJpegEncoder());
  }
  EXPECT_EQ(0, folio::FindJpegEncoder());
}

TEST_F(ScaledCopyTest, LargePhotosAreScaledWithoutExif) {
  folio::test::ExifFields fields;
  fields.make = "Canon";
  fields.exposureTime = {1, 250};
  folio::test::WriteJpegWithExif(dir_ / "land.jpg", 4000, 3000, fields);
  folio::test::WriteJpeg(dir_ / "port.JPG", 1500, 2000);
  ASSERT_EQ(0, MakeScaledCopy(u"land.jpg", folder(), 340, u"thum"));
  ASSERT_EQ(0, MakeScaledCopy(u"port.JPG", folder(), 340, u"thum"));
  EXPECT_EQ(std::make_pair(340, 255), folio::test::JpegSize(thumb("land.jpg")));
  EXPECT_EQ(std::make_pair(255, 340), folio::test::JpegSize(thumb("port.JPG")));
  // Always quality 80, whatever the source was written with.
  EXPECT_EQ(80, folio::test::JpegQuality(thumb("land.jpg")));
  EXPECT_EQ(80, folio::test::JpegQuality(thumb("port.JPG")));

  folio::Photo copy = folio::Photo::Load(thumb("land.jpg"));
  ASSERT_TRUE(copy.ok());
  EXPECT_TRUE(copy.Properties().empty());
  // The picture is the source reduced: the red gradient runs left to right,
  // the green one top to bottom.
  QImage pixels = copy.Decode();
  EXPECT_LT(qRed(pixels.pixel(4, 127)), 30);
  EXPECT_NEAR(128, qRed(pixels.pixel(170, 127)), 20);
  EXPECT_GT(qRed(pixels.pixel(335, 127)), 225);
  EXPECT_LT(qGreen(pixels.pixel(170, 3)), 30);
  EXPECT_GT(qGreen(pixels.pixel(170, 251)), 225);
  // The source is untouched.
  EXPECT_TRUE(folio::Photo::Load(dir_ / "land.jpg").FindProperty(0x010F) != nullptr);
}

TEST_F(ScaledCopyTest, SmallPhotosAndNonJpegFilesAreCopiedByteForByte) {
  folio::test::ExifFields fields;
  fields.make = "Canon";
  folio::test::WriteJpegWithExif(dir_ / "exact.jpg", 340, 200, fields);
  folio::test::WriteJpeg(dir_ / "small.jpg", 120, 90);
  folio::test::WriteBytes(dir_ / "broken.jpg", "not a jpeg at all");
  for (const char* name : {"exact.jpg", "small.jpg", "broken.jpg"}) {
    SCOPED_TRACE(name);
    std::u16string name16(name, name + std::char_traits<char>::length(name));
    ASSERT_EQ(0, MakeScaledCopy(name16, folder(), 340, u"thum"));
    EXPECT_EQ(folio::test::ReadBytes(dir_ / name), folio::test::ReadBytes(thumb(name)));
  }
}

TEST_F(ScaledCopyTest, UnreadableFilesAreCopiedUnderALongSideBelowZero) {
  // A hand-edited INI file can hold any long side; an empty or damaged file
  // has no size to divide by and is copied as it is.
  folio::test::WriteBytes(dir_ / "empty.jpg", "");
  folio::test::WriteBytes(dir_ / "broken.jpg", "not a jpeg at all");
  for (const char* name : {"empty.jpg", "broken.jpg"}) {
    SCOPED_TRACE(name);
    std::u16string name16(name, name + std::char_traits<char>::length(name));
    ASSERT_EQ(0, MakeScaledCopy(name16, folder(), -5, u"thum"));
    ASSERT_TRUE(fs::exists(thumb(name)));
    EXPECT_EQ(folio::test::ReadBytes(dir_ / name), folio::test::ReadBytes(thumb(name)));
  }
}

TEST_F(ScaledCopyTest, ExistingDestinationIsReplaced) {
  folio::test::WriteJpeg(dir_ / "big.jpg", 800, 600);
  folio::test::WriteJpeg(dir_ / "small.jpg", 300, 200);
  folio::test::WriteBytes(thumb("big.jpg"), "stale thumbnail");
  folio::test::WriteBytes(thumb("small.jpg"), "stale thumbnail");
  ASSERT_EQ(0, MakeScaledCopy(u"big.jpg", folder(), 340, u"thum"));
  ASSERT_EQ(0, MakeScaledCopy(u"small.jpg", folder(), 340, u"thum"));
  EXPECT_EQ(std::make_pair(340, 255), folio::test::JpegSize(thumb("big.jpg")));
  EXPECT_EQ(folio::test::ReadBytes(dir_ / "small.jpg"), folio::test::ReadBytes(thumb("small.jpg")));
  // Nothing but the two copies in the folder (no temporary files left).
  int files = 0;
  for (const auto& entry : fs::directory_iterator(dir_ / "thum")) ++files, (void)entry;
  EXPECT_EQ(2, files);
}

TEST_F(ScaledCopyTest, PhotosWithTheLongestNamesGetTheirCopies) {
  // 255 bytes, the most a file name can hold: scaled and copied alike.
  const std::string big = std::string(251, 'b') + ".jpg";
  const std::string small = std::string(251, 's') + ".jpg";
  folio::test::WriteJpeg(dir_ / big, 800, 600);
  folio::test::WriteJpeg(dir_ / small, 300, 200);
  ASSERT_EQ(0, MakeScaledCopy(folio::FromUtf8(big), folder(), 340, u"thum"));
  ASSERT_EQ(0, MakeScaledCopy(folio::FromUtf8(small), folder(), 340, u"thum"));
  EXPECT_EQ(std::make_pair(340, 255), folio::test::JpegSize(dir_ / "thum" / big));
  EXPECT_EQ(folio::test::ReadBytes(dir_ / small), folio::test::ReadBytes(dir_ / "thum" / small));
  EXPECT_EQ(2u, folio::test::HashTree(dir_ / "thum").size());
}

TEST_F(ScaledCopyTest, WithoutEncoderNothingIsWritten) {
  folio::test::WriteJpeg(dir_ / "big.jpg", 800, 600);
  folio::test::WriteBytes(thumb("old.jpg"), "keep me");
  EncoderMissing missing;
  EXPECT_EQ(-1, MakeScaledCopy(u"big.jpg", folder(), 340, u"thum"));
  EXPECT_FALSE(fs::exists(thumb("big.jpg")));
  EXPECT_EQ("keep me", folio::test::ReadBytes(thumb("old.jpg")));
}

// A photo that is gone is no failure of the copy; a copy that has nowhere
// to go (its folder could not be made) is one, scaled or copied as it is.
TEST_F(ScaledCopyTest, MissingSourceIsNoErrorMissingFolderIsAFailedWrite) {
  EXPECT_EQ(0, MakeScaledCopy(u"missing.jpg", folder(), 340, u"thum"));
  EXPECT_FALSE(fs::exists(thumb("missing.jpg")));
  folio::test::WriteJpeg(dir_ / "big.jpg", 800, 600);
  EXPECT_EQ(folio::kScaledCopyNotWritten,
            MakeScaledCopy(u"big.jpg", folder(), 340, u"no-such-folder"));
  folio::test::WriteJpeg(dir_ / "small.jpg", 80, 60);
  EXPECT_EQ(folio::kScaledCopyNotWritten,
            MakeScaledCopy(u"small.jpg", folder(), 340, u"no-such-folder"));
  EXPECT_FALSE(fs::exists(dir_ / "no-such-folder"));
}
