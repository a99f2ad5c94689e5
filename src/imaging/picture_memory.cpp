// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/picture_memory.h"

#include <cstddef>
#include <cstdint>
#include <limits>

#include "platform/allocator.h"

namespace folio {
namespace {

// Smaller pictures come from the heap, where freed ones are reused.
constexpr std::size_t kLargePicture = 8 * 1024 * 1024;

struct Block {
  void* memory;
  std::size_t bytes;
};

void Release(void* info) {
  auto* block = static_cast<Block*>(info);
  FreePictureMemory(block->memory, block->bytes);
  delete block;
}

}  // namespace

bool PictureFits(long long width, long long height) {
  if (width <= 0 || height <= 0) return false;
  // Divided, not multiplied: 2000000000 x 2000000000 would overflow.
  return width <= kMaxPictureBytes / 4 / height;
}

QImage NewPicture(int width, int height, QImage::Format format, PictureStart start) {
  if (!PictureFits(width, height)) return QImage();
  const std::int64_t bytesPerLine = std::int64_t{width} * 4;
  const std::int64_t bytes = bytesPerLine * height;
  if (bytesPerLine > std::numeric_limits<int>::max()) return QImage();
  if (static_cast<std::size_t>(bytes) < kLargePicture) {
    QImage picture(width, height, format);
    if (!picture.isNull() && start == PictureStart::kCleared) picture.fill(0u);
    return picture;
  }
  void* memory = AllocatePictureMemory(static_cast<std::size_t>(bytes),
                                       start == PictureStart::kCleared
                                           ? PictureContent::kZeroed
                                           : PictureContent::kToBeWritten);
  if (!memory) return QImage();
  auto* block = new Block{memory, static_cast<std::size_t>(bytes)};
  QImage picture(static_cast<uchar*>(memory), width, height,
                 static_cast<qsizetype>(bytesPerLine), format, Release, block);
  if (picture.isNull()) Release(block);
  return picture;
}

}  // namespace folio
