#include "app/folder_job.h"

#include <filesystem>
#include <system_error>

#include "app/composite_job.h"
#include "app/resize_job.h"
#include "app/slideshow_job.h"
#include "app/thumbnail_job.h"
#include "catalogue/catalogue.h"
#include "html/job_journal.h"
#include "html/placing.h"
#include "imaging/composite.h"
#include "platform/allocator.h"
#include "platform/dir_list.h"
#include "platform/regular_file.h"
#include "platform/text.h"

namespace folio {

namespace {

// A folder without JPEG files: rewind it when it is a processed one.
Outcome TakeRewindDecision(const Settings& settings, std::u16string_view folder) {
  if (!IsProcessedFolder(folder)) return Outcome::kNoPhotos;
  if (settings.thumbnail.Sougo == 1) return Outcome::kRewindDeclined;
  // A rewind killed half-way is finished by the next run; without its
  // journal the photos still in jpg would be left out of the next pages.
  if (!BeginRewindJournal(folder)) return Outcome::kJournalNotWritten;
  RewindFolder(folder);
  EndRewindJournal(folder);
  return Outcome::kRewound;
}

void MakeSubFolder(std::u16string_view folder, std::u16string_view name) {
  std::error_code ignored;  // the job's own writes fail visibly instead
  std::filesystem::create_directory(ToPath(folder) / ToPath(name), ignored);
}

}  // namespace

std::vector<std::u16string> ListJpegFiles(std::u16string_view folder) {
  const std::filesystem::path base = ToPath(folder);
  std::vector<std::u16string> names = ListBySuffix(base, u".jpg");
  // A link cannot name a photo whose name holds a line feed (browsers drop
  // line feeds from addresses, so it would lead to another file): such a
  // photo is left alone. So is every entry that is no regular file (a
  // folder, a FIFO, a device, a dangling link): it is never opened, and
  // never moved.
  std::erase_if(names, [&](const std::u16string& name) {
    return name.find(u'\n') != name.npos || !IsRegularFileOrLinkToOne(base / ToPath(name));
  });
  return names;
}

void PrepareJob(JobHost& host, Settings& settings, std::u16string_view folder, int count,
                CompositeParams& params) {
  switch (settings.setting.CreateMode) {
    case kModeThumbnail:
      if (settings.thumbnail.NotResize == 0) MakeSubFolder(folder, u"thum");
      MakeSubFolder(folder, u"jpg");
      break;
    case kModeSlideshow: MakeSubFolder(folder, u"slideshow"); break;
    case kModeComposite: MakeSubFolder(folder, u"img"); break;
    default: break;
  }
  host.showJobRunning(true);
  FillCompositeParams(settings, count, params);
  host.setBusy(true);
  if (settings.setting.CreateMode == kModeComposite)
    host.setProgressRange(0, params.imagesUsed);
  else
    host.setProgressRange(0, count - 1);
}

void FinishJob(JobHost& host) {
  host.setProgressPos(0);
  host.showJobRunning(false);
  host.setBusy(false);
}

std::optional<Outcome> RecoverFolder(std::u16string_view folder) {
  switch (RecoverInterruptedJob(folder)) {
    case Recovery::kJobUndone: return Outcome::kInterruptedJobUndone;
    case Recovery::kRewindFinished: return Outcome::kInterruptedRewindFinished;
    case Recovery::kNothing: break;
  }
  return std::nullopt;
}

Outcome RunFolderJob(JobHost& host, Settings& settings, std::u16string_view folder,
                     RandomGenerator& random) {
  // The page arithmetic needs at least one photo per page; 0 (which the
  // options page lets through) would divide by zero.
  if (settings.thumbnail.PhotoNo < 1) settings.thumbnail.PhotoNo = 1;

  std::vector<std::u16string> names = ListJpegFiles(folder);
  if (names.empty()) return TakeRewindDecision(settings, folder);
  ReleaseFreedMemory();

  CompositeParams params;
  PrepareJob(host, settings, folder, static_cast<int>(names.size()), params);

  const int mode = settings.setting.CreateMode;
  // Every mode but resizing reads the catalogue (and draws its random keys,
  // so that the random order of the next folder does not depend on the mode).
  Catalogue catalogue;
  if (mode != kModeResize) {
    catalogue = BuildCatalogue(std::move(names), folder, settings, random);
    ReleaseFreedMemory();
  }

  const int threads = settings.setting.Threads;
  Outcome outcome = Outcome::kNoJob;
  switch (mode) {
    case kModeThumbnail:
      outcome = settings.thumbnail.Sougo == 2
                    ? Outcome::kPagesNotMade
                    : RunThumbnailJob(host, settings.thumbnail, folder, catalogue, threads);
      break;
    case kModeSlideshow:
      outcome =
          RunSlideshowJob(host, settings.slideShow, UprightWhen(settings.thumbnail.AutoRotate),
                          folder, catalogue.records, threads);
      break;
    case kModeComposite:
      outcome = RunCompositeJob(host, params, folder, catalogue.records, threads);
      break;
    case kModeResize: outcome = RunResizeJob(host, settings.resize, folder, names, threads); break;
    default: break;
  }

  FinishJob(host);
  ReleaseFreedMemory();
  return outcome;
}

}  // namespace folio
