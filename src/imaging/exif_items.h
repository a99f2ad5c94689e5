// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Exif property items read from and written into JPEG streams (exiv2 behind).
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "imaging/property_item.h"

namespace folio::exif {

// The items of the primary image's directories (IFD0, Exif, GPS, interop),
// directory by directory, each in file order. Decoded maker-note directories
// and the thumbnail's IFD1 are left out. Empty for a stream without Exif.
std::vector<PropertyItem> ReadItems(const uint8_t* data, size_t size);

// The items of a photo file, as ReadItems gives them; empty for a file that
// cannot be read as a JPEG. Reads no pixels.
std::vector<PropertyItem> ReadPhotoItems(const std::filesystem::path& path);

// The APP1 segment (marker, length, "Exif\0\0" and a little-endian TIFF
// block) holding the items; empty when there is nothing to write or the
// block would not fit one segment even without the maker note.
std::vector<uint8_t> BuildApp1Segment(const std::vector<PropertyItem>& items);

}  // namespace folio::exif
