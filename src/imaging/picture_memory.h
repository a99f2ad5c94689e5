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
QImage NewPicture(int width, int height, QImage::Format format, PictureStart start);

}  // namespace folio
