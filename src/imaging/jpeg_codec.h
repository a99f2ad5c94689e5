// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TurboJPEG behind the imaging layer: header, DCT-scaled decode straight into
// a QImage and encode of a 32-bit QImage.
#include <QImage>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

namespace folio::jpeg {

struct Header {
  int width = 0;
  int height = 0;
  int subsampling = 0;
  int colorspace = 0;  // TJCS_*
};

// False when the bytes are not a JPEG stream TurboJPEG can read.
bool ReadHeader(const uint8_t* data, size_t size, Header& header);

// Three colour components (RGB or YCbCr): the pictures an RGB colour
// profile can describe. Grey, CMYK and YCCK ones are not.
bool HasRgbComponents(const Header& header);

// The smallest DCT scale n/8 (n = 1..8) whose result is still at least
// minWidth x minHeight; 8/8 when none is (or either minimum is 0).
struct Scale {
  int num = 1;
  int denom = 1;
};
Scale ChooseScale(int width, int height, int minWidth, int minHeight);
int ScaledDimension(int dimension, Scale scale);

// The picture at that DCT scale as Format_RGB32 (grey and CMYK pictures
// converted); a null image when nothing could be decoded. A truncated or
// slightly corrupt stream gives what could be decoded, as viewers show it.
QImage Decode(const uint8_t* data, size_t size, const Header& header, int minWidth, int minHeight);

// Baseline JPEG, 4:2:0, of a 32-bit image (alpha dropped). Other formats are
// converted first. False when the encoder failed.
bool Encode(const QImage& image, int quality, std::vector<uint8_t>& out);

// The same stream as Encode, fed a band of rows at a time: a picture that is
// still being painted can be encoded down to the rows that are final while
// the rest is drawn. Rows are 32-bit pixels in B, G, R, X byte order.
class RowEncoder {
 public:
  RowEncoder(int width, int height, int quality);
  ~RowEncoder();
  RowEncoder(const RowEncoder&) = delete;
  RowEncoder& operator=(const RowEncoder&) = delete;

  // False once the encoder has failed; it then takes no more rows.
  bool ok() const;
  int rowsWritten() const;
  // The next `count` rows, `bytesPerLine` apart from `firstRow`.
  bool Write(const uint8_t* firstRow, std::ptrdiff_t bytesPerLine, int count);
  // Ends the stream once every row is written; false when it could not.
  bool Finish(std::vector<uint8_t>& out);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// Where an APP1 segment goes in an encoded stream: after SOI and a JFIF APP0.
size_t MetadataInsertPosition(const std::vector<uint8_t>& jpeg);

}  // namespace folio::jpeg
