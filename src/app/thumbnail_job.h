// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The thumbnail job: every photo gets its thumbnail in thum/ and moves into
// jpg/, and the pages page1.html onwards link them.
#include <string_view>

#include "app/job_host.h"
#include "app/job_outcome.h"
#include "catalogue/catalogue.h"
#include "html/page_options.h"

namespace folio {

// kPagesMade (or kPagesMadeLensUnread); kCancelled after undoing what the
// job did; kPageExists or kPageNotWritten when it stopped at a page (the
// photos placed so far stay in jpg).
// `threads` is the `Threads` setting: the thumbnails are made ahead on that
// many threads, placed in order on this one.
Outcome RunThumbnailJob(JobHost& host, const ThumbnailPageOptions& options,
                        std::u16string_view folder, const Catalogue& catalogue, int threads = 1);

}  // namespace folio
