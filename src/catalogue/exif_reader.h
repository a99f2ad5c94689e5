// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads the Exif properties a photo's record shows, sorts and groups by, and
// counts them into the folder's tallies. Walks the MakerNote of photos
// whose make is exactly "Canon".
#include <filesystem>
#include <vector>

#include "catalogue/exif_tallies.h"
#include "catalogue/image_record.h"
#include "imaging/property_item.h"

namespace folio {

// Exif tags the record takes.
inline constexpr uint32_t kTagMake = 0x010F;
inline constexpr uint32_t kTagModel = 0x0110;
inline constexpr uint32_t kTagExposureTime = 0x829A;
inline constexpr uint32_t kTagFNumber = 0x829D;
inline constexpr uint32_t kTagExposureProgram = 0x8822;
inline constexpr uint32_t kTagIsoSpeedRatings = 0x8827;
inline constexpr uint32_t kTagDateTimeOriginal = 0x9003;
inline constexpr uint32_t kTagShutterSpeedValue = 0x9201;
inline constexpr uint32_t kTagExposureBiasValue = 0x9204;
inline constexpr uint32_t kTagFlash = 0x9209;
inline constexpr uint32_t kTagFocalLength = 0x920A;
inline constexpr uint32_t kTagMakerNote = 0x927C;
inline constexpr uint32_t kTagPixelXDimension = 0xA002;
inline constexpr uint32_t kTagPixelYDimension = 0xA003;
inline constexpr uint32_t kTagWhiteBalance = 0xA403;

// Loads the photo and applies its property items. A file that does not load
// or has no items leaves the record as it was. Never fails towards the caller.
void ReadExifProperties(const std::filesystem::path& path, ImageRecord& record,
                        ExifTallies& tallies);
// ReadExifProperties in two steps: the items read (on any thread; empty when
// the file does not load), then applied to the record in folder order.
std::vector<PropertyItem> ReadExifItems(const std::filesystem::path& path);
void ApplyReadExifItems(const std::vector<PropertyItem>& items, ImageRecord& record,
                        ExifTallies& tallies);

// The items in order: a later item of a tag overwrites an earlier one and
// every occurrence is counted. Items whose value is shorter than the tag's
// layout are skipped.
void ApplyExifProperties(const std::vector<PropertyItem>& items, ImageRecord& record,
                         ExifTallies& tallies);
void ApplyExifProperty(const PropertyItem& item, ImageRecord& record, ExifTallies& tallies);

}  // namespace folio
