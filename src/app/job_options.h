// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's settings turned into the options each job takes. The jobs see
// only these, never the record the settings file is read into, so no job
// can write into what the window saves.
#include <string_view>

#include "catalogue/catalogue.h"
#include "html/page_options.h"
#include "imaging/composite.h"
#include "imaging/resize.h"
#include "settings/settings.h"

namespace folio {

// The slideshow page and its reduced copies.
struct SlideshowJobOptions {
  SlideshowPageOptions page;
  int slideSize = 640;  // the longer side of each copy
  Upright upright = Upright::kYes;
};

CatalogueOptions CatalogueOptionsOf(const Settings& settings);
ThumbnailPageOptions ThumbnailPageOptionsOf(const Settings& settings);
SlideshowJobOptions SlideshowJobOptionsOf(const Settings& settings);
// The sheet size is the named paper's, or the size fields' for a custom one.
SheetOptions SheetOptionsOf(const Settings& settings);
// The save folder after the save-folder rule for a job on `folder`.
ResizeOptions ResizeOptionsOf(const Settings& settings, std::u16string_view folder);

}  // namespace folio
