// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the page makers take from the user's options, in their own terms.
#include <string>

#include "imaging/orientation.h"

namespace folio {

// A thumbnail or slide as a browser shows it: its size (0 when unknown) and
// whether a 2x rendition of it was written.
struct ShownSize {
  int width = 0;
  int height = 0;
  bool doubleSize = false;
};

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
  // The pages exactly as they always were; else the same markup with a
  // viewport, image sizes, alt texts and the folder's name in the title.
  // The builders default to the classic page; the settings' default (and so
  // every job's) is the other.
  bool classic = true;
  std::u16string folderName;  // the photo folder's own name, for the title
};

// slideshow.html.
struct SlideshowPageOptions {
  int intervalMs = 2000;
  std::u16string topText;  // CR LF lines
  bool classic = true;     // as ThumbnailPageOptions::classic
};

}  // namespace folio
