// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The block of links to every page at the top of each thumbnail page.
#include <span>
#include <string>

#include "catalogue/image_record.h"
#include "html/page_options.h"

namespace folio {

// The link block of page `current` (1-based) of `pages`. With keyword pages
// (`keywordPages`), the g-th run of equal `groupNumber` labels page g + 1 by its
// first record's value, e.g. "：ISO100"; otherwise every label is "ページ".
std::u16string BuildPageLinks(const ThumbnailPageOptions& options, int pages, int current,
                              std::span<const ImageRecord> records);

// The label a run of keyword pages gets from its first record.
std::u16string KeywordPageLabel(const ImageRecord& first);

}  // namespace folio
