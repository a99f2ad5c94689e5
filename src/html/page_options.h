// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the page makers take from the user's options, in their own terms.
#include <string>

#include "imaging/orientation.h"

namespace folio {

// The thumbnail pages and the placing of their photos.
struct ThumbnailPageOptions {
  int photosPerPage = 10;  // below 1 counts as 1
  int photoColumns = 2;    // thumbnails per table row; below 1 counts as 1
  int linkColumns = 4;     // page links per line of the link block; below 1 one line
  int thumbnailSize = 340;
  bool keywordPages = false;  // one page per run of equal keyword values
  bool thumbnails = true;     // thum/ copies shown; else the names
  bool photoLinks = true;     // each cell links to its photo in jpg/
  std::u16string title;       // template of the page title
  std::u16string topText;     // template of the text above the links, CR LF lines
  std::u16string caption;     // template of each photo's caption
  Upright upright = Upright::kYes;
};

// slideshow.html.
struct SlideshowPageOptions {
  int intervalMs = 2000;
  std::u16string topText;  // CR LF lines
};

}  // namespace folio
