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

// The page for the records in order; empty without records. `shown` holds
// each slide as written (by record index; empty or short where unknown).
// Beyond the classic page: a viewport, button tooltips, the counter and name
// under the slide, the sizes and 2x sources of the slides, the keys and
// swipes that drive the show and the preloading of the next slide.
std::u16string SlideshowPageText(const SlideshowPageOptions& options,
                                 std::span<const ImageRecord> records,
                                 std::span<const ShownSize> shown = {});

}  // namespace folio
