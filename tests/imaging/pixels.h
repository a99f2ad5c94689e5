// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pictures with known pixels written as JPEG, and saved JPEGs read back, with
// TurboJPEG directly so that the checks do not go through the code under test.
#include <QColor>
#include <QImage>
#include <turbojpeg.h>

#include <algorithm>
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

// The quality a JPEG file was written with, found from its luminance
// quantisation table (the standard table scaled as libjpeg scales it, at
// baseline); -1 when the file holds no such table or it matches no quality.
inline int JpegQuality(const std::filesystem::path& path) {
  static const int kLuminance[64] = {
      16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55,
      14, 13, 16, 24, 40,  57,  69,  56,  14, 17, 22, 29, 51,  87,  80,  62,
      18, 22, 37, 56, 68,  109, 103, 77,  24, 35, 55, 64, 81,  104, 113, 92,
      49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};
  static const int kZigzag[64] = {
      0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
      41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
      30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};
  const std::string bytes = ReadBytes(path);
  auto at = [&](size_t i) { return static_cast<int>(static_cast<unsigned char>(bytes[i])); };
  // The 8-bit table 0 of the first DQT segment, in zigzag order.
  std::vector<int> table;
  for (size_t p = 2; p + 4 <= bytes.size() && at(p) == 0xFF;) {
    const int marker = at(p + 1);
    const size_t length = static_cast<size_t>(at(p + 2) << 8 | at(p + 3));
    if (marker == 0xDA || length < 2 || p + 2 + length > bytes.size()) break;
    if (marker == 0xDB && length >= 67 && at(p + 4) == 0) {
      for (size_t i = 0; i < 64; ++i) table.push_back(at(p + 5 + i));
      break;
    }
    p += 2 + length;
  }
  if (table.size() != 64) return -1;
  for (int quality = 1; quality <= 100; ++quality) {
    const int scale = quality < 50 ? 5000 / quality : 200 - 2 * quality;
    bool same = true;
    for (int i = 0; i < 64 && same; ++i) {
      const int value = std::clamp((kLuminance[kZigzag[i]] * scale + 50) / 100, 1, 255);
      same = value == table[static_cast<size_t>(i)];
    }
    if (same) return quality;
  }
  return -1;
}

// Colours equal within JPEG noise.
inline bool Near(QRgb a, QRgb b, int tolerance = 40) {
  return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
         std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

}  // namespace folio::test
