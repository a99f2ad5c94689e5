#pragma once
// Pictures with known pixels written as JPEG, and saved JPEGs read back, with
// TurboJPEG directly so that the checks do not go through the code under test.
#include <QColor>
#include <QImage>
#include <turbojpeg.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace folio::test {

// 4:4:4 at high quality, so colour edges stay where they are drawn.
inline void WritePicture(const std::filesystem::path& path, const QImage& picture,
                         int quality = 95) {
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
  tjhandle handle = tjInitCompress();
  unsigned char* out = nullptr;
  unsigned long size = 0;
  tjCompress2(handle, rgb.constBits(), rgb.width(), static_cast<int>(rgb.bytesPerLine()),
              rgb.height(), TJPF_BGRX, &out, &size, TJSAMP_444, quality, 0);
  WriteBytes(path, std::string(reinterpret_cast<char*>(out), size));
  tjFree(out);
  tjDestroy(handle);
}

inline QImage SolidPicture(int width, int height, QColor colour) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

// A null image when the file is no JPEG.
inline QImage ReadPicture(const std::filesystem::path& path) {
  const std::string bytes = ReadBytes(path);
  tjhandle handle = tjInitDecompress();
  int width = 0, height = 0, subsampling = 0, colorspace = 0;
  QImage image;
  if (tjDecompressHeader3(handle, reinterpret_cast<const unsigned char*>(bytes.data()),
                          bytes.size(), &width, &height, &subsampling, &colorspace) == 0) {
    image = QImage(width, height, QImage::Format_RGB32);
    if (tjDecompress2(handle, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(),
                      image.bits(), width, static_cast<int>(image.bytesPerLine()), height,
                      TJPF_BGRX, 0) != 0)
      image = QImage();
  }
  tjDestroy(handle);
  return image;
}

// Colours equal within JPEG noise.
inline bool Near(QRgb a, QRgb b, int tolerance = 40) {
  return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
         std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

}  // namespace folio::test
