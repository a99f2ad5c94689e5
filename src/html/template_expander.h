#pragma once
// The expansion of the page title, top text and caption templates: plain
// text (HTML allowed) with two-character commands such as "%m" and "%s".
#include <string>

#include "catalogue/image_record.h"

namespace folio {

// Expands `text` for one record; "%n" gives n + 1. The commands are replaced
// one after the other in a fixed order, so text inserted by one command is
// subject to the commands after it. Nothing is escaped.
std::u16string ExpandTemplate(const ImageRecord& record, int n, std::u16string_view text);

// Replaces every occurrence of `from`, left to right without overlaps.
void ReplaceAll(std::u16string& text, std::u16string_view from, std::u16string_view to);

}  // namespace folio
