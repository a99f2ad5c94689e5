// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The slideshow job: a reduced copy of every photo in slideshow/ and
// slideshow.html that shows them.
#include <span>
#include <string_view>

#include "app/job_host.h"
#include "app/job_options.h"
#include "app/job_outcome.h"
#include "catalogue/image_record.h"
#include "imaging/orientation.h"

namespace folio {

// kSlideshowMade, kCancelled (the copies made stay) or kPageNotWritten.
// The copies are made ahead on `threads` threads (the `Threads` setting).
Outcome RunSlideshowJob(JobHost& host, const SlideshowJobOptions& options,
                        std::u16string_view folder, std::span<const ImageRecord> records,
                        int threads = 1);

}  // namespace folio
