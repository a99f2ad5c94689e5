// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/resize.h"

#include <system_error>
#include <vector>

#include "imaging/image_ops.h"
#include "imaging/scaled_copy.h"
#include "platform/files.h"
#include "platform/regular_file.h"
#include "platform/text.h"

namespace fs = std::filesystem;

namespace folio {

namespace {

bool IsAbsoluteFolder(std::u16string_view folder) { return !folder.empty() && folder[0] == u'/'; }

int ResizeResult(WriteResult result) {
  switch (result) {
    case WriteResult::kWritten: return kResizeWritten;
    case WriteResult::kExists: return kResizeExists;
    case WriteResult::kFailed: break;
  }
  return kResizeNotWritten;
}

void PutLittle16(std::vector<uint8_t>& value, int number) {
  if (value.size() < 2) return;
  value[0] = static_cast<uint8_t>(number & 0xFF);
  value[1] = static_cast<uint8_t>((number >> 8) & 0xFF);
}

}  // namespace

std::u16string ResizeSaveFolder(std::u16string_view saveDir, std::u16string_view folder) {
  std::u16string saveFolder(saveDir);
  if (saveDir.empty() || saveDir == folder) saveFolder = u"resize";
  if (saveDir.find(u"%s") != std::u16string_view::npos) {
    const std::size_t slash = folder.rfind(u'/');
    const std::u16string_view name = slash == folder.npos ? folder : folder.substr(slash + 1);
    ReplaceAll(saveFolder, u"%s", name);
  }
  return saveFolder;
}

fs::path ResizeSavePath(std::u16string_view saveFolder, std::u16string_view folder) {
  if (IsAbsoluteFolder(saveFolder)) return ToPath(saveFolder);
  return ToPath(folder) / ToPath(saveFolder);
}

bool ResizedSize(const ResizeOptions& options, int width, int height, int& newWidth,
                 int& newHeight) {
  long long w = width, h = height;
  switch (options.sizeRule) {
    case 0: {
      const long long side = options.longSide;
      if (width < height) {
        if (height <= side) return false;
        w = width * side / height;
        h = side;
      } else {
        if (width <= side) return false;
        w = side;
        h = height * side / width;
      }
      break;
    }
    case 1:
      w = 1LL * options.ratioWidth * width / 100;
      h = 1LL * options.ratioHeight * height / 100;
      break;
    case 2:
      w = options.targetWidth;
      h = options.targetHeight;
      break;
    default: return false;
  }
  if (w == width) return false;  // whatever the height says
  newWidth = static_cast<int>(w);
  newHeight = static_cast<int>(h);
  return true;
}

std::optional<int> ReadOrientation(const std::u16string& path) {
  // The first 100 bytes are scanned; 8 more are read so that a marker among
  // the last of them still has its value byte.
  constexpr int kScan = 100;
  const RegularFile file(ToPath(path));
  unsigned char bytes[kScan + 8] = {};
  const std::ptrdiff_t got = file.ReadAt(0, bytes, sizeof bytes);
  if (got < 0) return std::nullopt;
  const int n = static_cast<int>(got);
  int state = 0;
  for (int p = 0; p < kScan && p < n; ++p) {
    if (state == 0 && p + 1 < n && bytes[p] == 0xFF && bytes[p + 1] == 0xD8) state = 1;
    if (state == 1 && p + 3 < n && bytes[p] == 'E' && bytes[p + 1] == 'x' && bytes[p + 2] == 'i' &&
        bytes[p + 3] == 'f')
      state = 2;
    // The Orientation entry of a little-endian block: tag 0x0112, its value
    // byte 8 further on. Big-endian files never match and are never turned.
    if (state == 2 && p + 1 < n && bytes[p] == 0x12 && bytes[p + 1] == 0x01)
      return p + 8 < n ? std::optional<int>(bytes[p + 8]) : std::nullopt;
  }
  return std::nullopt;
}

void CopyExifProperties(const std::u16string& sourcePath, Canvas& canvas, bool rotate) {
  const Photo source = Photo::Load(ToPath(sourcePath));
  for (PropertyItem item : source.Properties()) {
    switch (item.id) {
      case 0xA002:  // PixelXDimension
      case 0x1001:  // RelatedImageWidth
        PutLittle16(item.value, canvas.width());
        break;
      case 0xA003:  // PixelYDimension
      case 0x1002:  // RelatedImageLength
        PutLittle16(item.value, canvas.height());
        break;
      case 0x0112:  // Orientation: the copy is drawn upright
        if (rotate) PutLittle16(item.value, 1);
        break;
      default: break;
    }
    canvas.SetProperty(item);
  }
}

void MarkPropertiesSrgb(Canvas& canvas) {
  if (canvas.Properties().empty()) return;
  canvas.SetProperty({0xA001, kTypeShort, {1, 0}, kIfdExif});  // ColorSpace: sRGB
  for (PropertyItem item : canvas.Properties()) {
    static const std::vector<uint8_t> kAdobeRgb = {'R', '0', '3', 0};
    if (item.ifd == kIfdInterop && item.id == 0x0001 && item.value == kAdobeRgb) {
      item.value = {'R', '9', '8', 0};
      canvas.SetProperty(item);
      break;
    }
  }
}

namespace {

// The checks against the save folder, made before any photo is read:
// kResizeWritten when the copy may be written.
int SaveFolderRefusal(const ResizeOptions& options, std::u16string_view fileName,
                      std::u16string_view folder) {
  if (fileName.empty()) return kResizeNotWritten;
  const fs::path source = ToPath(folder) / ToPath(fileName);
  const fs::path destination = ResizeSavePath(options.saveFolder, folder) / ToPath(fileName);
  if (EntryExists(destination)) {
    if (!options.overwrite) return kResizeExists;
    // Never onto the photo itself, whichever way the save folder names it.
    if (SamePlace(source, destination)) return kResizeNotWritten;
  }
  return kResizeWritten;
}

// Nothing to write, for that reason.
ResizedCopy Failed(int result) {
  ResizedCopy copy;
  copy.result = result;
  return copy;
}

ResizedCopy Prepare(const ResizeOptions& options, const fs::path& source) {
  ResizedCopy out;
  Photo photo = Photo::Load(source);
  const int width = photo.width(), height = photo.height();
  int w = 0, h = 0;
  // A photo that cannot be read is copied as it is under every rule: a
  // blank picture of the target size would stand in for it otherwise.
  if (!photo.ok() || !ResizedSize(options, width, height, w, h)) {
    out.copyAsIs = true;
    return out;
  }

  std::optional<int> orientation;
  if (options.rotate) {
    orientation = ReadOrientation(FromPath(source));
    if (orientation == 6 || orientation == 8) std::swap(w, h);
  }
  if (w < 1 || h < 1) return Failed(kResizeNotWritten);  // no picture of that size can be made

  if (FindJpegEncoder() < 0) return Failed(kResizeNoEncoder);
  Canvas canvas(w, h);
  const bool turned = options.rotate && (orientation == 6 || orientation == 8 || orientation == 3);
  if (options.rotate && orientation == 6)
    canvas.DrawTurned(photo, QPoint(w, 0), QPoint(w, h), QPoint(0, 0));
  else if (options.rotate && orientation == 8)
    canvas.DrawTurned(photo, QPoint(0, h), QPoint(0, 0), QPoint(w, h));
  else if (options.rotate && orientation == 3)
    canvas.DrawTurned(photo, QPoint(w, h), QPoint(0, h), QPoint(w, 0));
  else
    canvas.DrawScaled(photo, QRect(0, 0, w, h), QRect(0, 0, width, height));
  const bool convertedToSrgb = photo.EmbeddedProfile().convertsToSrgb();
  photo = Photo();

  // The tag says "upright" only on a copy that was turned upright: an
  // unturned one (mirrored values, or a big-endian file whose tag the scan
  // does not find) keeps its tag and still shows the right way round.
  if (options.keepExif) {
    CopyExifProperties(FromPath(source), canvas, turned);
    if (convertedToSrgb) MarkPropertiesSrgb(canvas);
  }
  if (!canvas.EncodeJpeg(options.quality, out.jpeg)) return Failed(kResizeNotWritten);
  return out;
}

}  // namespace

ResizedCopy PrepareResizedCopy(const ResizeOptions& options, std::u16string_view fileName,
                               std::u16string_view folder) {
  // Work the save folder would refuse is not done (Place checks again).
  if (SaveFolderRefusal(options, fileName, folder) != kResizeWritten) {
    ResizedCopy refused;
    refused.refused = true;
    return refused;
  }
  return Prepare(options, ToPath(folder) / ToPath(fileName));
}

int PlaceResizedCopy(const ResizedCopy& copy, const ResizeOptions& options,
                     std::u16string_view fileName, std::u16string_view folder) {
  const int refusal = SaveFolderRefusal(options, fileName, folder);
  if (refusal != kResizeWritten) return refusal;
  // Refused when prepared, allowed now: worked out here after all.
  if (copy.refused) return PlaceResizedCopy(PrepareResizedCopy(options, fileName, folder), options,
                                            fileName, folder);
  const fs::path source = ToPath(folder) / ToPath(fileName);
  const fs::path destination = ResizeSavePath(options.saveFolder, folder) / ToPath(fileName);
  const Replace replace = options.overwrite != 0 ? Replace::kYes : Replace::kNo;
  if (copy.copyAsIs) return ResizeResult(CopyFileAtomically(source, destination, replace));
  if (copy.result != kResizeWritten) return copy.result;
  return ResizeResult(WriteFileAtomically(destination, {copy.jpeg}, replace));
}

int ResizeOneImage(const ResizeOptions& options, std::u16string_view fileName,
                   std::u16string_view folder) {
  return PlaceResizedCopy(PrepareResizedCopy(options, fileName, folder), options, fileName,
                          folder);
}

}  // namespace folio
