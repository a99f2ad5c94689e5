// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/thumbnail_job.h"

#include <optional>
#include <span>
#include <vector>

#include "app/job_progress.h"
#include "folder/folder_layout.h"
#include "folder/job_folders.h"
#include "folder/job_journal.h"
#include "folder/own_files.h"
#include "folder/placing.h"
#include "html/batch_pages.h"
#include "html/default_styles.h"
#include "html/thumbnail_pages.h"
#include "imaging/scaled_copy.h"
#include "platform/cp932.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/work_pool.h"

namespace folio {

Outcome RunThumbnailJob(JobHost& host, const ThumbnailPageOptions& jobOptions,
                        std::u16string_view folder, const Catalogue& catalogue, int threads) {
  ThumbnailPageOptions options = jobOptions;
  options.folderName = NamesOfFolder(folder).own;
  const std::span<const ImageRecord> records = catalogue.records;
  const std::vector<PageRange> pages =
      PlanThumbnailPages(options, records, catalogue.pageCount, catalogue.keywordPages);
  const int pageCount = static_cast<int>(pages.size());
  // Nothing moves before the journal that lets a killed run be undone is
  // on the disk.
  std::optional<ThumbnailJournal> journal = ThumbnailJournal::Begin(folder, records);
  if (!journal) {
    UndoThumbnailJob(folder, 0, std::span<const ImageRecord>());  // the empty thum and jpg
    return Outcome::kJournalNotWritten;
  }
  // Puts the folder back as it was and ends the job with `outcome`; photos
  // that could not go back (a folder no longer writable) stay in jpg, and so
  // does the journal, with which the next run puts them back.
  const std::filesystem::path stylesheet = ToPath(folder) / ToPath(kThumbnailStylesheetName);
  bool stylesheetWritten = false;
  const auto undo = [&](int pagesWritten, std::size_t placed, Outcome outcome) {
    if (stylesheetWritten) RemoveOwnFile(stylesheet, DefaultThumbnailStylesheet());
    if (UndoThumbnailJob(folder, pagesWritten, records.first(placed))) return outcome;
    journal->Keep();
    return Outcome::kPhotosLeftInJpg;
  };
  JobProgress progress(host, static_cast<int>(records.size()));
  bool makerNoteFailed = false;
  // The pages take the records one after another, so the thumbnails are
  // prepared in record order.
  const bool makesThumbnails = options.thumbnails;
  const PlacingOptions placing{options.thumbnails, options.thumbnailSize, options.upright};
  // The 2x renditions go into a sub-folder of thum, and only while thum is
  // a real folder (the driver refuses a link there; this holds for a run
  // called directly too).
  const std::u16string thum = PathInFolder(folder, kThumbnailFolder);
  bool makesDoubles = makesThumbnails && !options.classic && IsRealFolder(ToPath(thum));
  if (makesDoubles) {
    MakeJobFolder(thum, kDoubleSizeFolder);
    makesDoubles = IsRealFolder(ToPath(thum) / ToPath(kDoubleSizeFolder));
  }
  std::vector<ShownSize> shown(records.size());
  OrderedPrefetch<ScaledCopy> thumbnails(
      makesThumbnails ? WorkerCount(threads) : 1, static_cast<int>(records.size()), [&](int i) {
        return PrepareScaledCopy(FieldText(records[static_cast<std::size_t>(i)].fileName), folder,
                                 options.thumbnailSize, options.upright, makesDoubles);
      });

  for (int p = 1; p <= pageCount; ++p) {
    const PageRange range = pages[static_cast<std::size_t>(p - 1)];
    for (int i = range.first; i < range.first + range.count; ++i) {
      const ImageRecord& record = records[static_cast<std::size_t>(i)];
      if (!journal->WillPlace(i))
        return undo(p - 1, static_cast<std::size_t>(i), Outcome::kJournalNotWritten);
      int placed = 0;
      if (makesThumbnails) {
        const ScaledCopy thumbnail = thumbnails.Take(i);
        placed = PlaceOriginal(placing, FieldText(record.fileName), folder, &thumbnail);
        shown[static_cast<std::size_t>(i)] = {thumbnail.width, thumbnail.height,
                                              makesDoubles && !thumbnail.doubleJpeg.empty()};
      } else {
        placed = PlaceOriginal(placing, FieldText(record.fileName), folder);
      }
      if (placed == kScaledCopyNotWritten) {
        // A full disk: the folder goes back as it was rather than stay half
        // processed, where the next drop would see only some of its photos.
        return undo(p - 1, static_cast<std::size_t>(i) + 1, Outcome::kImageNotWritten);
      }
      progress.Advance(i + 1);
      if (record.makerNoteFailStage != 0) makerNoteFailed = true;
      if (progress.Cancelled()) {
        // Only the images placed so far are undone: what thum and jpg hold
        // under the names of photos the job never reached is not its own.
        return undo(p - 1, static_cast<std::size_t>(i) + 1, Outcome::kCancelled);
      }
    }
    const std::filesystem::path file = ToPath(folder) / ToPath(ThumbnailPageName(p));
    if (EntryExists(file)) return Outcome::kPageExists;
    // A default stylesheet only where the name is free; the journal names it
    // first, so that an undo after a kill takes it away too. Pages without
    // it still work: a failure here fails nothing.
    if (p == 1 && !options.classic && !EntryExists(stylesheet) && journal->WillWriteStylesheet())
      stylesheetWritten =
          WriteOwnFileIfAbsent(stylesheet, DefaultThumbnailStylesheet()) == OwnFileWrite::kWritten;
    // A page that cannot be written (a full disk) is no success, and the
    // folder goes back as it was, as after a cancel.
    if (!journal->WillWritePage(p) ||
        !WriteCp932TextFile(file, ThumbnailPageText(options, records, catalogue.tallies, p,
                                                    pageCount, range, shown))) {
      return undo(p - 1, static_cast<std::size_t>(range.first + range.count),
                  Outcome::kPageNotWritten);
    }
  }
  // Photos no larger than twice a thumbnail get no 2x rendition: a folder
  // of only such photos keeps no empty 2x folder.
  if (makesDoubles) RemoveIfEmptyFolder(ToPath(thum) / ToPath(kDoubleSizeFolder));
  return makerNoteFailed ? Outcome::kPagesMadeLensUnread : Outcome::kPagesMade;
}

}  // namespace folio
