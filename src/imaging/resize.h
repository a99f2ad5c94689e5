// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Resized JPEG copies of photos, written into a save folder.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace folio {

class Canvas;

struct ResizeOptions {
  std::u16string saveFolder;
  int quality = 80;
  int longSide = 800;
  int keepExif = 0;
  int overwrite = 0;
  int sizeRule = 0;
  int ratioWidth = 50;
  int ratioHeight = 50;
  int targetWidth = 1024;
  int targetHeight = 768;
  int rotate = 0;
};

// 0 written, -1 no JPEG encoder, -2 destination exists and overwriting is off.
int ResizeOneImage(const ResizeOptions& options, std::u16string_view fileName,
                   std::u16string_view folder);

// ResizeOneImage in two steps: Prepare reads, turns and scales the photo and
// encodes the copy in memory, touching no file, so that it can run ahead on
// another thread; Place makes the checks against the save folder and writes.
// Place(Prepare) gives what ResizeOneImage gives.
struct ResizedCopy {
  int result = 0;              // kResizeNoEncoder or kResizeNotWritten when nothing is to be written
  bool copyAsIs = false;       // unreadable, or no new size: a byte copy
  bool refused = false;        // not worked out: the save folder refused it when prepared
  std::vector<uint8_t> jpeg;   // the copy, Exif included
};
ResizedCopy PrepareResizedCopy(const ResizeOptions& options, std::u16string_view fileName,
                               std::u16string_view folder);
int PlaceResizedCopy(const ResizedCopy& copy, const ResizeOptions& options,
                     std::u16string_view fileName, std::u16string_view folder);
std::optional<int> ReadOrientation(const std::u16string& path);
void CopyExifProperties(const std::u16string& sourcePath, Canvas& canvas, bool rotate);
// The colour-space items of a copy whose pixels were converted into sRGB:
// ColorSpace 1, and an interoperability index of the sRGB kind ("R98") in
// place of the Adobe RGB one ("R03"). Only on a canvas that carries items.
void MarkPropertiesSrgb(Canvas& canvas);

// Results of ResizeOneImage.
inline constexpr int kResizeWritten = 0;
inline constexpr int kResizeNoEncoder = -1;
inline constexpr int kResizeExists = -2;  // the save folder has that name, overwriting is off
inline constexpr int kResizeNotWritten =
    -3;  // the copy would replace its own source, or writing failed

// The save folder the `SaveDir` text names for a job on `folder`: an empty
// text, or one equal to the folder, gives "resize"; every "%s" becomes the
// folder's own name.
std::u16string ResizeSaveFolder(std::u16string_view saveDir, std::u16string_view folder);
// The folder the copies go to: `saveFolder` itself when it is absolute,
// else that name below the photo folder.
std::filesystem::path ResizeSavePath(std::u16string_view saveFolder, std::u16string_view folder);
// The new size by the options' size rule (integer arithmetic that truncates).
// False when the photo is to be copied unchanged.
bool ResizedSize(const ResizeOptions& options, int width, int height, int& newWidth,
                 int& newHeight);

}  // namespace folio
