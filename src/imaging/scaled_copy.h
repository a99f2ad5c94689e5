#pragma once
// The one lookup of the JPEG encoder, and a JPEG copy of a photo bounded by a
// long side written into a sub-folder of the photo folder.
#include <string>

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
// when no scaling is needed, else writes a scaled JPEG (quality 80, no Exif).
// With Upright::kYes the size rule and the scaled picture follow the photo
// turned by its Exif Orientation (a byte copy keeps the tag, so it shows
// upright too). Returns 0, or -1 when no JPEG encoder was found (nothing is
// written).
int MakeScaledCopy(std::u16string_view fileName, std::u16string_view folder, int longSide,
                   std::u16string_view subFolder, Upright upright = Upright::kYes);

}  // namespace folio
