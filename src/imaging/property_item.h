// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One Exif property item as the imaging layer reads and writes them.
#include <cstdint>
#include <vector>

namespace folio {

// Exif value types as the property items carry them.
enum PropertyType : uint16_t {
  kTypeByte = 1,
  kTypeAscii = 2,
  kTypeShort = 3,
  kTypeLong = 4,
  kTypeRational = 5,
  kTypeUndefined = 7,
  kTypeSLong = 9,
  kTypeSRational = 10,
};

// The Exif directory an item belongs to. Tag numbers of different
// directories overlap (GPS and interop both start at 1), so an item read
// from a photo remembers its directory and is written back into it; an item
// made by hand (kIfdUnknown) goes to the directory that defines its tag.
enum PropertyIfd : uint16_t {
  kIfdUnknown = 0,
  kIfd0 = 1,
  kIfdExif = 2,
  kIfdGps = 3,
  kIfdInterop = 4
};

// One Exif tag of a photo: the tag id, the value type and the value bytes.
// Numbers are little-endian whatever the file's byte order; the MakerNote
// (0x927C) value is the file's raw bytes. ASCII values end with their NUL.
struct PropertyItem {
  uint32_t id = 0;
  uint16_t type = 0;
  std::vector<uint8_t> value;
  uint16_t ifd = kIfdUnknown;
  uint32_t length() const { return static_cast<uint32_t>(value.size()); }
};

}  // namespace folio
