// SPDX-License-Identifier: GPL-3.0-or-later
// Real camera photos stored landscape with Orientation 6 and 8: the folder
// jobs give thumbnails, slide images and sheet cells that stand upright,
// checked against the photo turned here by hand.
#include <gtest/gtest.h>
#include <QImage>

#include <cstdlib>
#include <filesystem>

#include "app/folder_job.h"
#include "app/test_window.h"
#include "imaging/pixels.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using folio::test::ReadPicture;
using folio::test::TempDir;
using folio::test::TestWindow;

namespace {

struct RealPhoto {
  const char* name;
  int orientation;
};
// A pair of one camera, 2880x1920 and 1920x1280 as stored.
const RealPhoto kPhotos[] = {{"canon-eos5d3-28-135-o6.jpg", 6}, {"canon-eos5d3-28-135-o8.jpg", 8}};

// A quarter turn, clockwise or not, pixel by pixel.
QImage QuarterTurn(const QImage& stored, bool clockwise) {
  const int w = stored.width(), h = stored.height();
  QImage out(h, w, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      out.setPixel(clockwise ? h - 1 - y : y, clockwise ? x : w - 1 - x, stored.pixel(x, y));
  return out;
}

// Mean difference of the grey values, 0 to 255.
double MeanDifference(const QImage& a, const QImage& b) {
  if (a.size() != b.size() || a.isNull()) return 255;
  double sum = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      sum += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
  return sum / (static_cast<double>(a.width()) * a.height());
}

class UprightRealPhotos : public testing::Test {
 protected:
  void SetUp() override {
    photos_ = folio::test::SharedPhotosDir();
    if (photos_.empty()) GTEST_SKIP() << "the shared sample photos are not there";
  }

  // The photo reduced to `upright` (the size a viewer shows), turned the way
  // its tag says and the wrong way round.
  struct References {
    QImage right, wrong;
  };
  References Turned(const RealPhoto& photo, QSize upright) const {
    const QImage stored = ReadPicture(photos_ / photo.name)
                              .scaled(upright.height(), upright.width(), Qt::IgnoreAspectRatio,
                                      Qt::SmoothTransformation);
    return {QuarterTurn(stored, photo.orientation == 6),
            QuarterTurn(stored, photo.orientation != 6)};
  }

  void ExpectUpright(const RealPhoto& photo, const fs::path& made, QSize size) const {
    SCOPED_TRACE(made.string());
    const QImage picture = ReadPicture(made);
    ASSERT_EQ(picture.size(), size);
    EXPECT_GT(picture.height(), picture.width());
    const References refs = Turned(photo, size);
    const double right = MeanDifference(picture, refs.right);
    const double wrong = MeanDifference(picture, refs.wrong);
    EXPECT_LT(right, 8) << "against the upright photo";
    EXPECT_LT(right * 3, wrong) << "no better than the photo turned the other way";
  }

  fs::path photos_;
};

TEST_F(UprightRealPhotos, ThumbnailsSlideImagesAndSheetCellsStandUpright) {
  for (const RealPhoto& photo : kPhotos) {
    SCOPED_TRACE(photo.name);
    TempDir dir;
    fs::copy_file(photos_ / photo.name, dir / photo.name);
    TestWindow host;
    folio::Settings& settings = host.settings();
    settings.slideShow.Size = 640;
    settings.compose.PaperSize = u"カスタム";
    settings.compose.CreateJpgWidth = 200;  // one cell of the upright shape, 2:3
    settings.compose.CreateJpgHeight = 300;

    settings.setting.CreateMode = folio::kModeSlideshow;
    ASSERT_EQ(host.RunFolder(dir.u16()), folio::Outcome::kSlideshowMade);
    ExpectUpright(photo, dir / "slideshow" / photo.name, QSize(426, 640));

    settings.setting.CreateMode = folio::kModeComposite;
    ASSERT_EQ(host.RunFolder(dir.u16()), folio::Outcome::kSheetsMade);
    ExpectUpright(photo, dir / "img" / "Image1.jpg", QSize(200, 300));

    settings.setting.CreateMode = folio::kModeThumbnail;
    ASSERT_EQ(host.RunFolder(dir.u16()), folio::Outcome::kPagesMade);
    ExpectUpright(photo, dir / "thum" / photo.name, QSize(226, 340));
    // The photo itself is moved, not changed.
    EXPECT_EQ(folio::test::HashFile(dir / "jpg" / photo.name),
              folio::test::HashFile(photos_ / photo.name));
  }
}

TEST_F(UprightRealPhotos, SwitchedOffTheThumbnailsStayAsStored) {
  const RealPhoto& photo = kPhotos[0];
  TempDir dir;
  fs::copy_file(photos_ / photo.name, dir / photo.name);
  TestWindow host;
  host.settings().thumbnail.AutoRotate = 0;
  ASSERT_EQ(host.RunFolder(dir.u16()), folio::Outcome::kPagesMade);
  const QImage thumbnail = ReadPicture(dir / "thum" / photo.name);
  ASSERT_EQ(thumbnail.size(), QSize(340, 226));
  const QImage stored = ReadPicture(dir / "jpg" / photo.name)
                            .scaled(340, 226, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  EXPECT_LT(MeanDifference(thumbnail, stored), 8);
}

}  // namespace
