// SPDX-License-Identifier: GPL-3.0-or-later
// The encoder that takes a picture a band of rows at a time writes the very
// bytes of the one-call encoder, whatever the bands, the quality or the size.
#include "imaging/jpeg_codec.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace folio::jpeg {
namespace {

// A decoded camera photo: real detail and noise, not a flat test card.
QImage CameraPicture(int minWidth, int minHeight) {
  const std::string bytes = test::ReadBytes(test::SharedPhotosDir() / "canon-eos1000d.jpg");
  const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
  Header header;
  if (!ReadHeader(data, bytes.size(), header)) return QImage();
  return Decode(data, bytes.size(), header, minWidth, minHeight);
}

std::vector<uint8_t> EncodeInBands(const QImage& picture, int quality, int band) {
  RowEncoder encoder(picture.width(), picture.height(), quality);
  for (int y = 0; y < picture.height(); y += band) {
    const int count = std::min(band, picture.height() - y);
    EXPECT_TRUE(encoder.Write(picture.constScanLine(y), picture.bytesPerLine(), count));
  }
  EXPECT_EQ(encoder.rowsWritten(), picture.height());
  std::vector<uint8_t> out;
  EXPECT_TRUE(encoder.Finish(out));
  return out;
}

TEST(RowEncoder, SameBytesAsTheOneCallEncoder) {
  if (test::SharedPhotosDir().empty()) GTEST_SKIP() << "no shared sample photos";
  const QImage photo = CameraPicture(600, 400);
  ASSERT_FALSE(photo.isNull());
  // Odd sizes leave part-filled blocks at the right and the bottom.
  const QImage cut = photo.copy(3, 5, 517, 333);
  struct Case {
    int quality, band;
  };
  for (const Case c : {Case{80, 1}, Case{80, 16}, Case{50, 7}, Case{95, 100}, Case{96, 333},
                       Case{100, 64}, Case{0, 40}}) {
    std::vector<uint8_t> whole;
    ASSERT_TRUE(Encode(cut, c.quality, whole));
    EXPECT_EQ(EncodeInBands(cut, c.quality, c.band), whole)
        << "quality " << c.quality << ", bands of " << c.band;
  }
}

TEST(RowEncoder, RefusesTooManyRowsAndAnEarlyEnd) {
  QImage picture(16, 8, QImage::Format_RGB32);
  picture.fill(Qt::gray);
  {
    RowEncoder encoder(16, 8, 80);
    ASSERT_TRUE(encoder.Write(picture.constBits(), picture.bytesPerLine(), 4));
    std::vector<uint8_t> out;
    EXPECT_FALSE(encoder.Finish(out)) << "half the rows";
    EXPECT_TRUE(out.empty());
  }
  {
    RowEncoder encoder(16, 8, 80);
    EXPECT_FALSE(encoder.Write(picture.constBits(), picture.bytesPerLine(), 9));
    EXPECT_FALSE(encoder.ok());
  }
  {
    RowEncoder encoder(0, 8, 80);
    EXPECT_FALSE(encoder.ok());
    std::vector<uint8_t> out;
    EXPECT_FALSE(encoder.Finish(out));
  }
}

}  // namespace
}  // namespace folio::jpeg
