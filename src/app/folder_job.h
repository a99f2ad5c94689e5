#pragma once
// One processing run over one folder: list its JPEG files, prepare the window,
// build the catalogue, run the generator of the job mode, finish.
#include <string>

#include "app/job_host.h"

namespace folio {

struct CompositeParams;

enum JobMode { kModeThumbnail = 0, kModeSlideshow = 1, kModeComposite = 2, kModeResize = 3 };

// Results given to the caller.
inline constexpr int kJobNoImages = -1;  // no JPEG file, or stopped at an existing page
inline constexpr int kJobDone = 0;
inline constexpr int kJobCompositeMade = 1;
inline constexpr int kJobCancelled = 2;

// The JPEG files of a folder (names ending in ".jpg", any case, folders
// included, sorted by name) and the 0-based index of the last thumbnail page.
struct FolderListing {
  std::u16string fileList;  // every name followed by a line feed
  int count = 0;
  int lastPageIndex = 0;
};
FolderListing ListJpegFiles(std::u16string_view folder, int photosPerPage);

// Runs the job of the current `CreateMode` on host.folderPath().
int RunFolderJob(JobHost& host);

void PrepareJob(JobHost& host, int count, CompositeParams& params);
void FinishJob(JobHost& host);

}  // namespace folio
