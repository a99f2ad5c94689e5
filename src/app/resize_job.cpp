// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/resize_job.h"

#include <filesystem>
#include <system_error>

#include "app/job_progress.h"
#include "imaging/resize.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/work_pool.h"

namespace folio {

Outcome RunResizeJob(JobHost& host, const ResizeOptions& options, std::u16string_view folder,
                     std::span<const std::u16string> fileNames, int threads) {
  const std::filesystem::path savePath = ResizeSavePath(options.saveFolder, folder);

  // Copies written into the photo folder would replace the photos.
  if (SamePlace(savePath, ToPath(folder))) return Outcome::kSaveFolderIsPhotoFolder;
  std::error_code ec;
  std::filesystem::create_directory(savePath, ec);
  if (!IsFolder(savePath)) return Outcome::kSaveFolderNotMade;

  const int count = static_cast<int>(fileNames.size());
  JobProgress progress(host, count);
  bool someKept = false, someNotWritten = false;
  OrderedPrefetch<ResizedCopy> copies(WorkerCount(threads), count, [&](int i) {
    return PrepareResizedCopy(options, fileNames[static_cast<std::size_t>(i)], folder);
  });
  for (int i = 1; i <= count; ++i) {
    const std::u16string_view name = fileNames[static_cast<std::size_t>(i - 1)];
    const int result = PlaceResizedCopy(copies.Take(i - 1), options, name, folder);
    // A name taken in the save folder is the user's choice to keep it; a
    // copy that could not be written is a failure and is said as one.
    if (result == kResizeNotWritten)
      someNotWritten = true;
    else if (result != kResizeWritten)
      someKept = true;
    progress.Advance(i);
    if (progress.Cancelled()) return Outcome::kCancelled;
  }
  if (someNotWritten) return Outcome::kResizedSomeNotWritten;
  return someKept ? Outcome::kResizedSomeKept : Outcome::kResized;
}

}  // namespace folio
