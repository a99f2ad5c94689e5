// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// slideshow.html, which shows the reduced copies in slideshow/ one by one.
#include <span>
#include <string>

#include "catalogue/image_record.h"
#include "html/page_options.h"

namespace folio {

// Where the page finds a photo's reduced copy: "slideshow/<name>".
std::u16string SlideshowImagePath(std::u16string_view fileName);

// The page for the records in order; empty without records.
std::u16string SlideshowPageText(const SlideshowPageOptions& options,
                                 std::span<const ImageRecord> records);

}  // namespace folio
