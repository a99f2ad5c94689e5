#include "app/thumbnail_job.h"

#include <span>
#include <vector>

#include "app/job_progress.h"
#include "html/placing.h"
#include "html/thumbnail_pages.h"
#include "imaging/scaled_copy.h"
#include "platform/cp932.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/work_pool.h"

namespace folio {

Outcome RunThumbnailJob(JobHost& host, const ThumbnailSettings& settings,
                        std::u16string_view folder, const Catalogue& catalogue, int threads) {
  const std::span<const ImageRecord> records = catalogue.records;
  const std::vector<PageRange> pages =
      PlanThumbnailPages(settings, records, catalogue.pageCount, catalogue.keywordPages);
  const int pageCount = static_cast<int>(pages.size());
  JobProgress progress(host, static_cast<int>(records.size()));
  bool makerNoteFailed = false;
  // The pages take the records one after another, so the thumbnails are
  // prepared in record order.
  const bool makesThumbnails = settings.NotResize == 0;
  OrderedPrefetch<ScaledCopy> thumbnails(
      makesThumbnails ? WorkerCount(threads) : 1, static_cast<int>(records.size()), [&](int i) {
        return PrepareScaledCopy(FieldText(records[static_cast<std::size_t>(i)].fileName), folder,
                                 settings.PhotoSize);
      });

  for (int p = 1; p <= pageCount; ++p) {
    const PageRange range = pages[static_cast<std::size_t>(p - 1)];
    for (int i = range.first; i < range.first + range.count; ++i) {
      const ImageRecord& record = records[static_cast<std::size_t>(i)];
      if (makesThumbnails) {
        const ScaledCopy thumbnail = thumbnails.Take(i);
        PlaceOriginal(settings, FieldText(record.fileName), folder, &thumbnail);
      } else {
        PlaceOriginal(settings, FieldText(record.fileName), folder);
      }
      progress.Advance(i + 1);
      if (record.makerNoteFailStage != 0) makerNoteFailed = true;
      if (progress.Cancelled()) {
        // Only the images placed so far are undone: what thum and jpg hold
        // under the names of photos the job never reached is not its own.
        UndoThumbnailJob(folder, p - 1, records.first(static_cast<std::size_t>(i) + 1));
        return Outcome::kCancelled;
      }
    }
    const std::filesystem::path file = ToPath(folder) / ToPath(ThumbnailPageName(p));
    if (EntryExists(file)) return Outcome::kPageExists;
    // A page that cannot be written is no success: the photos placed so far
    // stay in jpg, as after a stop at an existing page.
    if (!WriteCp932TextFile(
            file, ThumbnailPageText(settings, records, catalogue.tallies, p, pageCount, range)))
      return Outcome::kPageNotWritten;
  }
  return makerNoteFailed ? Outcome::kPagesMadeLensUnread : Outcome::kPagesMade;
}

}  // namespace folio
