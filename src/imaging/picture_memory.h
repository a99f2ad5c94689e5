// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the imaging layer's big pictures live: a decoded photo or a sheet
// canvas of many megabytes is faulted in page by page when it is first
// written, and on a 4 KiB page size that costs more than filling it.
#include <QImage>

namespace folio {

// A picture of that size and 32-bit format. kCleared sets every byte to 0
// (transparent black); kToBeWritten leaves small pictures as the heap gives
// them, for a caller that writes every pixel. A null image when there is no
// memory for it or the size is out of range.
enum class PictureStart { kCleared, kToBeWritten };

// The most bytes one 32-bit picture may take: far above any sheet the
// options allow (10000 x 10000, 400 MB) and any camera photo, far below what
// would bring a desktop to its knees (a 60000 x 60000 sheet needs 14 GB).
inline constexpr long long kMaxPictureBytes = 2LL << 30;
// True when a 32-bit picture of that size is within kMaxPictureBytes.
bool PictureFits(long long width, long long height);
QImage NewPicture(int width, int height, QImage::Format format, PictureStart start);

}  // namespace folio
