// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The expansion of the page title, top text and caption templates: plain
// text (HTML allowed) with two-character commands such as "%m" and "%s".
#include <string>

#include "catalogue/exif_tallies.h"
#include "catalogue/image_record.h"

namespace folio {

// Expands `text` for one record; "%n" gives n + 1. The commands are replaced
// one after the other in a fixed order, so text inserted by one command is
// subject to the commands after it. The template is the user's own HTML and
// stays as written; every value it receives (names, Exif texts) is escaped
// as HTML text. The statistics commands ("%I", "%F", "%S", "%V", "%L") print
// the folder's tallies.
std::u16string ExpandTemplate(const ImageRecord& record, int n, std::u16string_view text,
                              const ExifTallies& tallies);

}  // namespace folio
