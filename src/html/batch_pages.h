// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two pages of a drop batch beside its folders: Top.html, a frameset
// with Menu.html on the left and a folder's page1.html on the right, and
// Menu.html, a link to each folder's first page.
#include <string>
#include <string_view>

#include "html/charset.h"

namespace folio {

// Names taken from a folder path without a trailing separator.
struct FolderNames {
  std::u16string own;         // the folder's own name
  std::u16string parentPath;  // where Top.html and Menu.html lie
  std::u16string parentName;  // the title of Top.html
};
FolderNames NamesOfFolder(std::u16string_view path);

// The frameset; `frameWidth` is the menu's width in pixels. Unless
// `classic`, it also sends a screen narrower than 600 CSS pixels, where the
// split leaves the folder's pages no room, to Menu.html, and links that from
// its noframes text.
std::u16string TopPageText(const FolderNames& names, int frameWidth, bool classic = true);

// The opening of Menu.html, before the first link.
inline constexpr std::u16string_view kMenuStart =
    u"<html>\r\n"
    u"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">\r\n"
    u"<base target=\"main\">\r\n";
static_assert(kMenuStart.substr(8, kCharsetLine.size()) == kCharsetLine);
// What the non-classic Menu.html adds after its opening: a viewport and the
// look of the menu's links, the shown folder's bold.
std::u16string_view MenuHeadAdditions();
// The menu line of one folder.
std::u16string MenuLinkLine(std::u16string_view ownName);
// The closing of Menu.html, after the last link.
inline constexpr std::u16string_view kMenuEnd = u"</html>\r\n";
// The closing of the non-classic Menu.html: a script that marks the folder
// shown in the main frame (first the frameset's own, `shownOwnName`, then
// each one clicked) and, when the menu is opened on its own (a phone),
// opens the folders in its own window.
std::u16string MenuEndWithMarking(std::u16string_view shownOwnName);

}  // namespace folio
