// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The composite job: the photos laid out on sheets img/Image1.jpg onwards.
#include <span>
#include <string_view>

#include "app/job_host.h"
#include "app/job_outcome.h"
#include "catalogue/image_record.h"
#include "imaging/composite.h"

namespace folio {

// kSheetsMade; kSheetsFailed when there is no JPEG encoder, nothing can be
// laid out, or a sheet could not be written (the others are still made);
// kSheetsCancelled, seen at the next cell drawn: the sheet in progress is
// dropped, a sheet whose last cell was drawn is still saved.
// The photos are decoded and scaled ahead on `threads` threads (the
// `Threads` setting) and drawn onto the sheets in order on this one.
Outcome RunCompositeJob(JobHost& host, const CompositeParams& params, std::u16string_view folder,
                        std::span<const ImageRecord> records, int threads = 1);

}  // namespace folio
