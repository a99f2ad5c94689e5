// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The numbered thumbnail pages page1.html onwards, as text.
#include <span>
#include <string>
#include <vector>

#include "catalogue/exif_tallies.h"
#include "catalogue/image_record.h"
#include "html/page_options.h"

namespace folio {

// The records one page shows: `count` of them from index `first`.
struct PageRange {
  int first = 0;
  int count = 0;
};

// The records of each of the `pageCount` pages: one run of equal keyword
// values per page with `keywordPages`, else `photosPerPage` records a page.
std::vector<PageRange> PlanThumbnailPages(const ThumbnailPageOptions& options,
                                          std::span<const ImageRecord> records, int pageCount,
                                          bool keywordPages);

// The whole text of page `page` (1-based) of `pageCount`, showing `range` of
// the records: title, top text, link block, the table of thumbnails with
// their captions and the navigation row. No line end after "</HTML>".
std::u16string ThumbnailPageText(const ThumbnailPageOptions& options,
                                 std::span<const ImageRecord> records, const ExifTallies& tallies,
                                 int page, int pageCount, PageRange range);

}  // namespace folio
