// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The maker's private data block of "Canon" photos: the lens text and the
// maker's own white-balance code. The walk notes where the blocks lie (while
// the Exif properties are read); ReadMakerNote then reads them from the file,
// since their offsets count from the Exif data's TIFF header in the file.
// Both treat every offset, length and count as untrusted.
#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "catalogue/exif_tallies.h"
#include "catalogue/image_record.h"

namespace folio {

// Maker-note directory tags the reader uses.
inline constexpr uint16_t kTagCameraSettings = 0x0001;
inline constexpr uint16_t kTagShotInfo = 0x0004;
inline constexpr uint16_t kTagFirmware = 0x0007;
inline constexpr uint16_t kTagLensModel = 0x0095;

// Stages at which a file error stopped ReadMakerNote (makerNoteFailStage).
inline constexpr uint8_t kStageFirmware = 1;
inline constexpr uint8_t kStageLensModel = 2;
inline constexpr uint8_t kStageCameraSettings = 3;
inline constexpr uint8_t kStageShotInfo = 4;

// Walks the little-endian directory in the MakerNote value bytes and stores
// the block positions in the record. Reads nothing beyond `size`.
void WalkMakerNote(ImageRecord& record, const uint8_t* data, std::size_t size);

// For a record whose make is exactly "Canon": finds the TIFF header in the
// file by the firmware text, reads the lens-model text, the lens from the
// camera settings (counted in the tallies) and the white-balance code. File errors end the reading
// and are noted in makerNoteFailStage; it never fails towards the caller.
void ReadMakerNote(ImageRecord& record, const std::filesystem::path& path, ExifTallies& tallies);

}  // namespace folio
