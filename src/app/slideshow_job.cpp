// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/slideshow_job.h"

#include <vector>

#include "app/job_progress.h"
#include "folder/folder_layout.h"
#include "folder/job_folders.h"
#include "folder/own_files.h"
#include "html/default_styles.h"
#include "html/slideshow_page.h"
#include "imaging/scaled_copy.h"
#include "platform/cp932.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/work_pool.h"

namespace folio {

Outcome RunSlideshowJob(JobHost& host, const SlideshowJobOptions& options,
                        std::u16string_view folder, std::span<const ImageRecord> records,
                        int threads) {
  if (records.empty()) return Outcome::kNoPhotos;  // the driver never calls without photos
  const int count = static_cast<int>(records.size());
  JobProgress progress(host, count);
  bool encoderMissing = false;
  // The 2x renditions go into a sub-folder of the slide folder, and only
  // while both are real folders: a link would lead outside.
  const std::u16string slides = PathInFolder(folder, kSlideFolder);
  bool makesDoubles = !options.page.classic && IsRealFolder(ToPath(slides));
  if (makesDoubles) {
    MakeJobFolder(slides, kDoubleSizeFolder);
    makesDoubles = IsRealFolder(ToPath(slides) / ToPath(kDoubleSizeFolder));
  }
  std::vector<ShownSize> shown(records.size());
  OrderedPrefetch<ScaledCopy> copies(WorkerCount(threads), count, [&](int i) {
    return PrepareScaledCopy(FieldText(records[static_cast<std::size_t>(i)].fileName), folder,
                             options.slideSize, options.upright, makesDoubles);
  });
  for (int i = 0; i < count; ++i) {
    const std::u16string_view name = FieldText(records[static_cast<std::size_t>(i)].fileName);
    // Without an encoder no copy can be made; the page still lists every image.
    if (encoderMissing) {
      copies.Skip(i);
    } else {
      const ScaledCopy copy = copies.Take(i);
      const int made = PlaceScaledCopy(copy, name, folder, kSlideFolder, kDoubleSizeFolder);
      if (made == kScaledCopyNotWritten) return Outcome::kImageNotWritten;
      shown[static_cast<std::size_t>(i)] = {copy.width, copy.height,
                                            makesDoubles && !copy.doubleJpeg.empty()};
      encoderMissing = made == -1;
    }
    progress.Advance(i + 1);
    if (progress.Cancelled()) return Outcome::kCancelled;
  }
  if (!WriteCp932TextFile(ToPath(folder) / ToPath(kSlideshowPageName),
                          SlideshowPageText(options.page, records, shown)))
    return Outcome::kPageNotWritten;
  if (makesDoubles) RemoveIfEmptyFolder(ToPath(slides) / ToPath(kDoubleSizeFolder));
  // Only where the name is free; the page works without it, so a failure
  // here fails nothing.
  if (!options.page.classic)
    WriteOwnFileIfAbsent(ToPath(folder) / ToPath(kSlideshowStylesheetName),
                         DefaultSlideshowStylesheet());
  return Outcome::kSlideshowMade;
}

}  // namespace folio
