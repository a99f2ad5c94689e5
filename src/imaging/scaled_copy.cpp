// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/scaled_copy.h"

#include "imaging/image_ops.h"
#include "imaging/jpeg_codec.h"
#include "platform/files.h"
#include "platform/regular_file.h"
#include "platform/text.h"

#include <QImage>

#include <algorithm>
#include <atomic>
#include <utility>

namespace folio {
namespace {
std::atomic<bool> g_encoderMissing{false};  // read by the workers
constexpr int kScaledCopyQuality = 80;

// Every encoded copy comes from a decode through here: scaled to the stored
// size `width` x `height`, turned upright, encoded. Empty when it could not
// be encoded.
std::vector<uint8_t> EncodedCopy(const QImage& decoded, int width, int height, int orientation,
                                 const ColourProfile& profile, int& shownWidth, int& shownHeight) {
  QImage picture = decoded;
  if (picture.width() != width || picture.height() != height)
    picture = picture.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  // Colours are brought into sRGB at the small size, where it costs little.
  ConvertToSrgb(picture, profile);
  picture = TurnedUpright(picture, orientation);
  std::vector<uint8_t> jpeg;
  if (!jpeg::Encode(picture, kScaledCopyQuality, jpeg)) return {};
  shownWidth = picture.width();
  shownHeight = picture.height();
  return jpeg;
}
}  // namespace

int FindJpegEncoder() { return g_encoderMissing ? -1 : 0; }

void SetJpegEncoderMissingForTesting(bool missing) { g_encoderMissing = missing; }

bool ScaledSize(int width, int height, int longSide, int& newWidth, int& newHeight) {
  newWidth = width;
  newHeight = height;
  // A file that cannot be read has no size and is copied as it is, also
  // under a long side below 0 (a hand-edited INI file) that the width would
  // not bound: the height could not be worked out from a width of 0.
  if (width <= 0 || height <= 0) return false;
  long long w = 0, h = 0;
  if (width < height) {
    if (height <= longSide) return false;
    w = static_cast<long long>(width) * longSide / height;
    h = longSide;
  } else {
    if (width <= longSide) return false;
    w = longSide;
    h = static_cast<long long>(height) * longSide / width;
  }
  if (w == width) return false;
  // A very long, thin photo would truncate its short side to 0 pixels, and
  // a picture of no pixels cannot be written: keep at least one.
  newWidth = static_cast<int>(std::max(1LL, w));
  newHeight = static_cast<int>(std::max(1LL, h));
  return true;
}

int MakeScaledCopy(std::u16string_view fileName, std::u16string_view folder, int longSide,
                   std::u16string_view subFolder, Upright upright) {
  return PlaceScaledCopy(PrepareScaledCopy(fileName, folder, longSide, upright), fileName, folder,
                         subFolder);
}

int PlaceScaledCopy(const ScaledCopy& copy, std::u16string_view fileName,
                    std::u16string_view folder, std::u16string_view subFolder,
                    std::u16string_view doubleSizeFolder) {
  const std::filesystem::path folderPath = ToPath(folder);
  const std::filesystem::path source = folderPath / ToPath(fileName);
  const std::filesystem::path destination = folderPath / ToPath(subFolder) / ToPath(fileName);
  if (copy.copyAsIs) {
    if (CopyFileReplacing(source, destination)) return copy.result;
    // A photo that cannot be opened is not copied: no fault of the disk.
    return RegularFile(source).ok() ? kScaledCopyNotWritten : copy.result;
  }
  if (!copy.jpeg.empty() && !WriteFileReplacing(destination, {copy.jpeg}))
    return kScaledCopyNotWritten;
  if (!copy.doubleJpeg.empty() && !doubleSizeFolder.empty()) {
    const std::filesystem::path doubles = folderPath / ToPath(subFolder) / ToPath(doubleSizeFolder);
    if (IsRealFolder(doubles) && !WriteFileReplacing(doubles / ToPath(fileName), {copy.doubleJpeg}))
      return kScaledCopyNotWritten;
  }
  return copy.result;
}

ScaledCopy PrepareScaledCopy(std::u16string_view fileName, std::u16string_view folder, int longSide,
                             Upright upright, bool doubleSize) {
  const std::filesystem::path source = ToPath(folder) / ToPath(fileName);
  ScaledCopy out;

  QImage picture;
  int newWidth = 0, newHeight = 0;
  int doubleWidth = 0, doubleHeight = 0;
  bool makesDouble = false;
  int orientation = 1;
  ColourProfile profile;
  {
    Photo photo = Photo::Load(source);
    if (upright == Upright::kYes) orientation = photo.Orientation();
    const bool swap = SwapsSides(orientation);
    const int width = swap ? photo.height() : photo.width();
    const int height = swap ? photo.width() : photo.height();
    if (!ScaledSize(width, height, longSide, newWidth, newHeight)) {
      out.copyAsIs = true;
      // A byte copy keeps the tag, which a browser follows either way.
      const bool shownSwapped = SwapsSides(photo.Orientation());
      out.width = shownSwapped ? photo.height() : photo.width();
      out.height = shownSwapped ? photo.width() : photo.height();
      return out;
    }
    if (FindJpegEncoder() < 0) {
      out.result = -1;
      return out;
    }
    // A photo no larger than twice the copy gets no 2x rendition: it would
    // show no more than the photo itself.
    makesDouble = doubleSize && longSide > 0 && longSide <= (1 << 29) &&
                  ScaledSize(width, height, 2 * longSide, doubleWidth, doubleHeight);
    // The picture is reduced as stored and turned once it is small.
    if (swap) {
      std::swap(newWidth, newHeight);
      std::swap(doubleWidth, doubleHeight);
    }
    // DCT scaling does most of the reduction while decoding; one smooth
    // resample makes each exact size.
    picture =
        makesDouble ? photo.Decode(doubleWidth, doubleHeight) : photo.Decode(newWidth, newHeight);
    profile = photo.EmbeddedProfile();
  }
  if (picture.isNull()) return out;  // undecodable: nothing written, as a failed save
  if (makesDouble) {
    int shownWidth = 0, shownHeight = 0;
    out.doubleJpeg =
        EncodedCopy(picture, doubleWidth, doubleHeight, orientation, profile, shownWidth,
                    shownHeight);
  }
  out.jpeg =
      EncodedCopy(picture, newWidth, newHeight, orientation, profile, out.width, out.height);
  if (out.jpeg.empty()) out.doubleJpeg.clear();
  return out;
}

}  // namespace folio
