// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/orientation.h"

#include <cstring>

namespace folio {
namespace {

constexpr uint16_t kTagOrientation = 0x0112;
constexpr uint16_t kTypeShort = 3;
constexpr uint16_t kTypeLong = 4;

uint16_t Big16(const uint8_t* p) { return static_cast<uint16_t>(p[0] << 8 | p[1]); }

// Numbers of a TIFF block in its own byte order.
struct Tiff {
  const uint8_t* data;
  size_t size;
  bool big;
  uint16_t At16(size_t offset) const {
    const uint8_t* p = data + offset;
    return big ? Big16(p) : static_cast<uint16_t>(p[1] << 8 | p[0]);
  }
  uint32_t At32(size_t offset) const {
    const uint32_t a = At16(offset), b = At16(offset + 2);
    return big ? (a << 16 | b) : (b << 16 | a);
  }
};

int OrientationOfTiff(const uint8_t* data, size_t size) {
  if (size < 8) return 1;
  Tiff tiff{data, size, false};
  if (std::memcmp(data, "MM", 2) == 0)
    tiff.big = true;
  else if (std::memcmp(data, "II", 2) != 0)
    return 1;
  if (tiff.At16(2) != 42) return 1;
  const size_t ifd = tiff.At32(4);
  if (ifd > size || size - ifd < 2) return 1;
  const size_t entries = tiff.At16(ifd);
  for (size_t i = 0; i < entries; ++i) {
    const size_t entry = ifd + 2 + 12 * i;
    if (entry > size || size - entry < 12) return 1;
    if (tiff.At16(entry) != kTagOrientation) continue;
    const uint16_t type = tiff.At16(entry + 2);
    if (tiff.At32(entry + 4) < 1) return 1;
    // The value sits in the entry itself, at its start in the file's order.
    const uint32_t value = type == kTypeShort  ? tiff.At16(entry + 8)
                           : type == kTypeLong ? tiff.At32(entry + 8)
                                               : 0;
    return value >= 1 && value <= 8 ? static_cast<int>(value) : 1;
  }
  return 1;
}

}  // namespace

int ReadJpegOrientation(const uint8_t* data, size_t size) {
  if (!data || size < 4 || data[0] != 0xFF || data[1] != 0xD8) return 1;
  size_t p = 2;
  // The metadata segments come before the first scan; stop there.
  while (p + 4 <= size) {
    if (data[p] != 0xFF) return 1;
    const uint8_t marker = data[p + 1];
    if (marker == 0xFF) {  // fill byte
      ++p;
      continue;
    }
    if (marker == 0xDA || marker == 0xD9) return 1;
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {  // no length
      p += 2;
      continue;
    }
    const size_t length = Big16(data + p + 2);
    if (length < 2 || length > size - p - 2) return 1;
    const uint8_t* payload = data + p + 4;
    const size_t payloadSize = length - 2;
    if (marker == 0xE1 && payloadSize >= 6 && std::memcmp(payload, "Exif\0\0", 6) == 0)
      return OrientationOfTiff(payload + 6, payloadSize - 6);
    p += 2 + length;
  }
  return 1;
}

}  // namespace folio
