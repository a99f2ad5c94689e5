// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/folder_job.h"

#include <filesystem>
#include <system_error>

#include "app/composite_job.h"
#include "app/job_options.h"
#include "app/resize_job.h"
#include "app/slideshow_job.h"
#include "app/thumbnail_job.h"
#include "catalogue/catalogue.h"
#include "folder/folder_layout.h"
#include "folder/folder_lock.h"
#include "folder/job_folders.h"
#include "folder/job_journal.h"
#include "folder/photo_listing.h"
#include "folder/placing.h"
#include "html/default_styles.h"
#include "imaging/composite.h"
#include "platform/allocator.h"
#include "platform/files.h"
#include "platform/text.h"

namespace folio {

namespace {

// The job folders of a run must be real folders inside the folder: through a
// link (or over a file) its writes, deletes and moves would reach elsewhere.
std::optional<Outcome> RefuseFakeSubFolder(std::u16string_view folder,
                                           std::initializer_list<std::u16string_view> names) {
  const std::u16string_view fake = FirstFakeSubFolder(folder, names);
  if (fake.empty()) return std::nullopt;
  if (fake == kThumbnailFolder) return Outcome::kThumNotFolder;
  if (fake == kPhotoFolder) return Outcome::kJpgNotFolder;
  if (fake == kSlideFolder) return Outcome::kSlideshowNotFolder;
  return Outcome::kImgNotFolder;
}

std::optional<Outcome> RefuseFakeJobFolders(std::optional<JobMode> mode,
                                            std::u16string_view folder) {
  if (!mode) return std::nullopt;
  switch (*mode) {
    // thum counts also without thumbnails: the undo deletes there.
    case kModeThumbnail: return RefuseFakeSubFolder(folder, {kThumbnailFolder, kPhotoFolder});
    case kModeSlideshow: return RefuseFakeSubFolder(folder, {kSlideFolder});
    case kModeComposite: return RefuseFakeSubFolder(folder, {kSheetFolder});
    case kModeResize: break;
  }
  return std::nullopt;
}

// A folder without JPEG files: rewind it when it is a processed one.
Outcome TakeRewindDecision(const Settings& settings, std::u16string_view folder) {
  if (!IsProcessedFolder(folder)) return Outcome::kNoPhotos;
  if (RewindPolicyFromStored(settings.thumbnail.Sougo) == RewindPolicy::kPagesOnly)
    return Outcome::kRewindDeclined;
  if (const std::optional<Outcome> refused =
          RefuseFakeSubFolder(folder, {kThumbnailFolder, kPhotoFolder}))
    return *refused;
  // A rewind killed half-way is finished by the next run; without its
  // journal the photos still in jpg would be left out of the next pages.
  if (!BeginRewindJournal(folder)) return Outcome::kJournalNotWritten;
  RewindFolder(folder, false, DefaultThumbnailStylesheet());
  EndRewindJournal(folder);
  return Outcome::kRewound;
}

}  // namespace

void PrepareJob(JobHost& host, const Settings& settings, std::u16string_view folder, int count,
                CompositeParams& params) {
  const std::optional<JobMode> mode = JobModeFromStored(settings.setting.CreateMode);
  if (mode == kModeThumbnail) {
    if (settings.thumbnail.NotResize == 0) MakeJobFolder(folder, kThumbnailFolder);
    MakeJobFolder(folder, kPhotoFolder);
  } else if (mode == kModeSlideshow) {
    MakeJobFolder(folder, kSlideFolder);
  } else if (mode == kModeComposite) {
    MakeJobFolder(folder, kSheetFolder);
  }
  host.showJobRunning(true);
  FillCompositeParams(SheetOptionsOf(settings), count, params);
  host.setBusy(true);
  if (mode == kModeComposite)
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
  switch (RecoverInterruptedJob(folder, DefaultThumbnailStylesheet())) {
    case Recovery::kJobUndone: return Outcome::kInterruptedJobUndone;
    case Recovery::kRewindFinished: return Outcome::kInterruptedRewindFinished;
    case Recovery::kJournalDamaged: return Outcome::kJournalDamaged;
    case Recovery::kUndoIncomplete: return Outcome::kInterruptedJobNotUndone;
    case Recovery::kThumNotFolder: return Outcome::kThumNotFolder;
    case Recovery::kJpgNotFolder: return Outcome::kJpgNotFolder;
    case Recovery::kNothing: break;
  }
  return std::nullopt;
}

FolderRunOutcome RunFolderJobLocked(JobHost& host, const Settings& settings,
                                    std::u16string_view folder, RandomGenerator& random) {
  std::optional<FolderLock> lock;
  switch (FolderLock::TryLock(ToPath(folder), lock)) {
    case FolderLock::State::kTaken: return {std::nullopt, Outcome::kFolderInUse};
    case FolderLock::State::kFailed: return {std::nullopt, Outcome::kLockNotMade};
    // A folder that lets no file be made is one no run can change: the jobs
    // that only read it (a resize into a save folder elsewhere) still run.
    case FolderLock::State::kUnwritable:
    case FolderLock::State::kHeld: break;
  }
  FolderRunOutcome run;
  run.recovered = RecoverFolder(folder);
  // The undo of a killed job is followed by the job that was asked for; a
  // finished rewind was that run's job, and a refusal leaves the folder.
  if (run.recovered && *run.recovered != Outcome::kInterruptedJobUndone) {
    run.outcome = *run.recovered;
    run.recovered.reset();
    return run;
  }
  run.outcome = RunFolderJob(host, settings, folder, random);
  return run;
}

FolderPlan PlanFolderRun(const Settings& settings, std::u16string_view folder) {
  using Action = FolderPlan::Action;
  const std::filesystem::path path = ToPath(folder);
  if (!IsFolder(path)) return {Action::kRefuseNotAFolder};
  switch (FolderLock::Probe(path)) {
    case FolderLock::State::kTaken: return {Action::kRefuseInUse};
    case FolderLock::State::kFailed: return {Action::kRefuseNotOurs};
    case FolderLock::State::kUnwritable:
    case FolderLock::State::kHeld: break;
  }
  std::error_code ec;
  const std::filesystem::file_status journal =
      std::filesystem::symlink_status(path / kJournalName, ec);
  if (std::filesystem::exists(journal)) {
    // A journal under a name that is no plain file is refused as damaged.
    return {std::filesystem::is_regular_file(journal) ? Action::kRecover : Action::kRefuseNotOurs};
  }
  const std::vector<std::u16string> names = ListJpegFiles(folder);
  if (names.empty()) {
    if (!IsProcessedFolder(folder)) return {Action::kRefuseNoPhotos};
    if (RewindPolicyFromStored(settings.thumbnail.Sougo) == RewindPolicy::kPagesOnly)
      return {Action::kNothing};
    if (RefuseFakeSubFolder(folder, {kThumbnailFolder, kPhotoFolder}))
      return {Action::kRefuseNotOurs};
    return {Action::kRewind};
  }
  const int photos = static_cast<int>(names.size());
  const std::optional<JobMode> mode = JobModeFromStored(settings.setting.CreateMode);
  if (!mode) return {Action::kNothing};
  if (RefuseFakeJobFolders(mode, folder)) return {Action::kRefuseNotOurs, photos};
  switch (*mode) {
    case kModeThumbnail:
      return {RewindPolicyFromStored(settings.thumbnail.Sougo) == RewindPolicy::kRewindOnly
                  ? Action::kNothing
                  : Action::kMakePages,
              photos};
    case kModeSlideshow: return {Action::kMakeSlideshow, photos};
    case kModeComposite: return {Action::kMakeSheets, photos};
    case kModeResize: return {Action::kResize, photos};
  }
  return {Action::kNothing};
}

Outcome RunFolderJob(JobHost& host, const Settings& settings, std::u16string_view folder,
                     RandomGenerator& random) {
  std::vector<std::u16string> names = ListJpegFiles(folder);
  if (names.empty()) return TakeRewindDecision(settings, folder);
  const std::optional<JobMode> mode = JobModeFromStored(settings.setting.CreateMode);
  if (const std::optional<Outcome> refused = RefuseFakeJobFolders(mode, folder)) return *refused;
  ReleaseFreedMemory();

  CompositeParams params;
  PrepareJob(host, settings, folder, static_cast<int>(names.size()), params);

  // Every mode but resizing reads the catalogue (and draws its random keys,
  // so that the random order of the next folder does not depend on the mode).
  Catalogue catalogue;
  if (mode != kModeResize) {
    catalogue = BuildCatalogue(std::move(names), folder, CatalogueOptionsOf(settings), random);
    ReleaseFreedMemory();
  }

  const int threads = settings.setting.Threads;
  Outcome outcome = Outcome::kNoJob;  // an unknown mode does nothing
  if (mode) switch (*mode) {
      case kModeThumbnail:
        outcome = RewindPolicyFromStored(settings.thumbnail.Sougo) == RewindPolicy::kRewindOnly
                      ? Outcome::kPagesNotMade
                      : RunThumbnailJob(host, ThumbnailPageOptionsOf(settings), folder, catalogue,
                                        threads);
        break;
      case kModeSlideshow:
        outcome = RunSlideshowJob(host, SlideshowJobOptionsOf(settings), folder, catalogue.records,
                                  threads);
        break;
      case kModeComposite:
        outcome = RunCompositeJob(host, params, folder, catalogue.records, threads);
        break;
      case kModeResize:
        outcome = RunResizeJob(host, ResizeOptionsOf(settings, folder), folder, names, threads);
        break;
    }

  FinishJob(host);
  ReleaseFreedMemory();
  return outcome;
}

}  // namespace folio
