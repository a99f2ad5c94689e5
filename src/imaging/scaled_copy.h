// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one lookup of the JPEG encoder, and a JPEG copy of a photo bounded by a
// long side written into a sub-folder of the photo folder.
#include <cstdint>
#include <string>
#include <vector>

#include "imaging/orientation.h"

namespace folio {

// 0 (the encoder's position) when a JPEG encoder is there, else -1.
int FindJpegEncoder();
// For tests: pretend that no JPEG encoder exists.
void SetJpegEncoderMissingForTesting(bool missing);

// The size rule of the scaled copies: the long side bounded by `longSide`,
// integer arithmetic that truncates. Returns false when the photo is to be
// copied unchanged (small enough, or the new width equals the old).
bool ScaledSize(int width, int height, int longSide, int& newWidth, int& newHeight);

// folder/fileName -> folder/subFolder/fileName. Copies the file byte for byte
// when no scaling is needed, else writes a scaled JPEG (quality 80, no Exif)
// in sRGB: the colours of a photo with another embedded profile converted.
// With Upright::kYes the size rule and the scaled picture follow the photo
// turned by its Exif Orientation (a byte copy keeps the tag, so it shows
// upright too). Returns 0, -1 when no JPEG encoder was found (nothing is
// written), or kScaledCopyNotWritten when the copy could not be written (a
// full disk). A photo that cannot be decoded gets no copy and is no failure.
inline constexpr int kScaledCopyNotWritten = -2;
int MakeScaledCopy(std::u16string_view fileName, std::u16string_view folder, int longSide,
                   std::u16string_view subFolder, Upright upright = Upright::kYes);

// MakeScaledCopy in two steps: Prepare reads and scales the photo without
// touching the file system, so that it can run ahead on another thread;
// Place then writes what was prepared (or the byte copy) into subFolder.
struct ScaledCopy {
  int result = 0;                 // as MakeScaledCopy returns it
  bool copyAsIs = false;          // small enough, or unreadable: a byte copy
  std::vector<uint8_t> jpeg;      // else the scaled copy; empty: nothing written
  // The copy's size as a browser shows it (turned by its Orientation tag
  // when it keeps one); 0 when the photo could not be read.
  int width = 0;
  int height = 0;
  // The 2x rendition (long side twice the copy's), made from the same
  // decode; empty when not asked for or the photo is not that large.
  std::vector<uint8_t> doubleJpeg;
};
// With `doubleSize` the photo is decoded once at the 2x rendition's size and
// both renditions are made from that decode; the 1x copy is then reduced
// from a larger decode than without, so its bytes differ slightly.
ScaledCopy PrepareScaledCopy(std::u16string_view fileName, std::u16string_view folder, int longSide,
                             Upright upright = Upright::kYes, bool doubleSize = false);
// Writes the copy into subFolder, and its 2x rendition (when there is one)
// under the same name into `doubleSizeFolder` inside subFolder, but only
// when that is a real folder: a link there would lead outside.
int PlaceScaledCopy(const ScaledCopy& copy, std::u16string_view fileName,
                    std::u16string_view folder, std::u16string_view subFolder,
                    std::u16string_view doubleSizeFolder = {});

}  // namespace folio
