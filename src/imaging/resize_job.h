#pragma once
// Resized JPEG copies of every photo of a folder, written into a save folder.
#include <optional>
#include <string>

namespace folio {

class JobHost;
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

void ResizeJob(JobHost& host, std::u16string_view fileList, int count);
// 0 written, -1 no JPEG encoder, -2 destination exists and overwriting is off.
int ResizeOneImage(const ResizeOptions& options, std::u16string_view fileName,
                   std::u16string_view folder);
std::optional<int> ReadOrientation(const std::u16string& path);
void CopyExifProperties(const std::u16string& sourcePath, Canvas& canvas, bool rotate);

}  // namespace folio
