// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/slideshow_job.h"

#include "app/job_progress.h"
#include "folder/folder_layout.h"
#include "html/slideshow_page.h"
#include "imaging/scaled_copy.h"
#include "platform/cp932.h"
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
  OrderedPrefetch<ScaledCopy> copies(WorkerCount(threads), count, [&](int i) {
    return PrepareScaledCopy(FieldText(records[static_cast<std::size_t>(i)].fileName), folder,
                             options.slideSize, options.upright);
  });
  for (int i = 0; i < count; ++i) {
    const std::u16string_view name = FieldText(records[static_cast<std::size_t>(i)].fileName);
    // Without an encoder no copy can be made; the page still lists every image.
    if (encoderMissing) {
      copies.Skip(i);
    } else {
      const int made = PlaceScaledCopy(copies.Take(i), name, folder, kSlideFolder);
      if (made == kScaledCopyNotWritten) return Outcome::kImageNotWritten;
      encoderMissing = made == -1;
    }
    progress.Advance(i + 1);
    if (progress.Cancelled()) return Outcome::kCancelled;
  }
  if (!WriteCp932TextFile(ToPath(folder) / ToPath(kSlideshowPageName),
                          SlideshowPageText(options.page, records)))
    return Outcome::kPageNotWritten;
  return Outcome::kSlideshowMade;
}

}  // namespace folio
