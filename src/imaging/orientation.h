// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Photos drawn upright by their Exif Orientation (values 1 to 8, mirrored
// ones included), read straight from the Exif bytes without a decode.
#include <cstddef>
#include <cstdint>

namespace folio {

// Whether a reduced copy or a sheet cell follows the photo's Orientation
// tag, or shows the pixels as they are stored.
enum class Upright { kNo, kYes };
inline Upright UprightWhen(int autoRotate) {
  return autoRotate != 0 ? Upright::kYes : Upright::kNo;
}

// The Orientation of IFD0 in the first Exif APP1 segment of a JPEG stream,
// either byte order; 1 (as stored) when there is none or it is out of range.
int ReadJpegOrientation(const uint8_t* data, size_t size);

// Orientations 5 to 8 turn the photo a quarter: width and height swap.
inline bool SwapsSides(int orientation) { return orientation >= 5 && orientation <= 8; }

}  // namespace folio
