// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text forms of the Exif values that captions and page labels show, and
// the statistics lines of the folder-wide tallies.
#include <string>

#include "catalogue/exif_tallies.h"
#include "catalogue/image_record.h"

namespace folio {

// The exposure time: "1/125", "1/2.50", "1.30", "15", or "0" when the record
// has neither an exposure time nor a shutter-speed value.
std::u16string FormatShutterSpeed(const ImageRecord& record);

// One text per caption command; an absent value prints as "0", except the
// white balance, which reads as auto.
std::u16string FormatIso(const ImageRecord& record);              // %i
std::u16string FormatFNumber(const ImageRecord& record);          // %f
std::u16string FormatFocalLength(const ImageRecord& record);      // %l
std::u16string FormatPixelHeight(const ImageRecord& record);      // %h
std::u16string FormatPixelWidth(const ImageRecord& record);       // %w
std::u16string FormatExposureBias(const ImageRecord& record);     // %r
std::u16string FormatExposureProgram(const ImageRecord& record);  // %e
std::u16string FormatWhiteBalance(const ImageRecord& record);     // %b
std::u16string FormatFlash(const ImageRecord& record);            // %t

enum class Tally { Shutter, Aperture, Iso, Focal, Lens };

// The statistics lines of one tally, one "...枚<br>" line per counted slot in
// slot order; empty when nothing was counted. The tallies are not changed.
// Lens texts are escaped as HTML text.
std::u16string FormatTally(const ExifTallies& tallies, Tally which);

// printf conversions with the classic "C" formatting (decimal point ".").
std::u16string FormatFixed(double value, int decimals);  // "%0.1f", "%0.2f"

}  // namespace folio
