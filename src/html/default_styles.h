// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stylesheets the jobs write beside their pages where the user has none:
// a centred table that reflows to one or two columns on a phone, touch
// targets of 44 pixels and a dark scheme. ASCII only, so the bytes on disk
// are these whatever the pages' code page.
#include <string_view>

namespace folio {

// thum.css of the thumbnail pages.
std::string_view DefaultThumbnailStylesheet();
// slide.css of the slideshow page.
std::string_view DefaultSlideshowStylesheet();

}  // namespace folio
