// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every page is written in code page 932; browsers that guess the encoding
// otherwise show the Japanese texts garbled, so each page says which it is.
#include <string_view>

namespace folio {

// The line that follows the opening html tag of every page.
inline constexpr std::u16string_view kCharsetLine =
    u"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">\r\n";

}  // namespace folio
