// SPDX-License-Identifier: GPL-3.0-or-later
// Big pictures come from memory of their own: they start cleared, can be
// painted and copied like any picture, and a copy outlives the original.
#include "imaging/picture_memory.h"

#include <gtest/gtest.h>

#include <QPainter>

namespace folio {
namespace {

TEST(PictureMemory, LargeAndSmallPicturesStartClearedAndBehaveAsPictures) {
  for (const int width : {64, 4708}) {  // from the heap; mapped (62 MB)
    const int height = width == 64 ? 48 : 3300;
    QImage picture =
        NewPicture(width, height, QImage::Format_ARGB32_Premultiplied, PictureStart::kCleared);
    ASSERT_FALSE(picture.isNull()) << width;
    EXPECT_EQ(picture.size(), QSize(width, height));
    EXPECT_EQ(picture.pixel(0, 0), 0u);
    EXPECT_EQ(picture.pixel(width - 1, height - 1), 0u);
    {
      QPainter painter(&picture);
      painter.fillRect(QRect(width / 2, height / 2, 4, 4), QColor(10, 20, 30));
    }
    QImage copy = picture.copy();
    picture = QImage();  // the original's memory goes back
    EXPECT_EQ(copy.pixel(width / 2 + 1, height / 2 + 1), qRgb(10, 20, 30)) << width;
    EXPECT_EQ(copy.pixel(1, 1), 0u);
  }
}

TEST(PictureMemory, AFreedPictureIsReusedAndStartsClearedWhenAskedTo) {
  // A sheet canvas painted all over, then freed: the next canvas of its size
  // takes the same memory and still starts cleared; a decoded photo of that
  // size may take it as it is.
  const int width = 4708, height = 3300;
  const uchar* first = nullptr;
  {
    QImage canvas = NewPicture(width, height, QImage::Format_ARGB32_Premultiplied,
                               PictureStart::kCleared);
    ASSERT_FALSE(canvas.isNull());
    canvas.fill(QColor(200, 100, 50));
    first = canvas.constBits();
  }
  QImage again =
      NewPicture(width, height, QImage::Format_ARGB32_Premultiplied, PictureStart::kCleared);
  ASSERT_FALSE(again.isNull());
  EXPECT_EQ(again.constBits(), first);
  for (const QPoint at : {QPoint(0, 0), QPoint(width / 2, height / 2), QPoint(width - 1, height - 1)})
    EXPECT_EQ(again.pixel(at), 0u) << at.x();
  // Another size: other memory, cleared as well; both may live at once.
  QImage other =
      NewPicture(width, height + 600, QImage::Format_ARGB32_Premultiplied, PictureStart::kCleared);
  ASSERT_FALSE(other.isNull());
  EXPECT_NE(other.constBits(), first);
  EXPECT_EQ(other.pixel(width - 1, height + 599), 0u);
  again = QImage();
  const QImage decoded = NewPicture(width, height, QImage::Format_RGB32, PictureStart::kToBeWritten);
  EXPECT_EQ(decoded.constBits(), first);
}

TEST(PictureMemory, ImpossibleSizesGiveANullPicture) {
  EXPECT_TRUE(NewPicture(0, 10, QImage::Format_RGB32, PictureStart::kCleared).isNull());
  EXPECT_TRUE(NewPicture(10, -1, QImage::Format_RGB32, PictureStart::kToBeWritten).isNull());
  EXPECT_TRUE(NewPicture(1 << 30, 1 << 30, QImage::Format_RGB32, PictureStart::kCleared).isNull());
}

}  // namespace
}  // namespace folio
