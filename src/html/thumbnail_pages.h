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
// `shown` holds each record's thumbnail as written (by record index; empty
// or short where unknown), for the sizes and 2x sources of the non-classic
// pages.
std::u16string ThumbnailPageText(const ThumbnailPageOptions& options,
                                 std::span<const ImageRecord> records, const ExifTallies& tallies,
                                 int page, int pageCount, PageRange range,
                                 std::span<const ShownSize> shown = {});

// EncodeLink for a srcset candidate: also spaces and commas encoded, which
// would split it. Still goes through EscapeHtml or EscapeScriptString.
std::u16string SourceSetLink(std::u16string_view path);

// The additions of the non-classic pages to an <img> tag, each with a
// leading space: width and height when known, a 2x source in `folder`'s 2x
// sub-folder, the file name as alt text (`withAlt`), and lazy loading when
// `lazy`.
std::u16string ImageAttributes(std::u16string_view folder, std::u16string_view fileName,
                               ShownSize shown, bool lazy, bool withAlt = true);

// The line that lets a phone lay a page out at its own width.
inline constexpr std::u16string_view kViewportLine =
    u"<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\r\n";

}  // namespace folio
