// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The resize job: a resized copy of every photo in the save folder.
#include <span>
#include <string>
#include <string_view>

#include "app/job_host.h"
#include "app/job_outcome.h"
#include "imaging/resize.h"

namespace folio {

// kResized; kResizedSomeKept when some copy was not written (its name was
// taken and overwriting is off, or writing failed); kCancelled;
// kSaveFolderIsPhotoFolder or kSaveFolderNotMade before any copy.
// The copies are worked out ahead on `threads` threads (the `Threads`
// setting) and written in order on this one.
Outcome RunResizeJob(JobHost& host, const ResizeOptions& options, std::u16string_view folder,
                     std::span<const std::u16string> fileNames, int threads = 1);

}  // namespace folio
