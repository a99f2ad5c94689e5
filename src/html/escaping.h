// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text from outside the program (file and folder names, Exif texts, keyword
// labels) as it may stand in a page: escaped for where it lands, and names
// encoded so that a link addresses exactly its file.
#include <string>
#include <string_view>

namespace folio {

// For HTML text and double-quoted attributes: "&", "<", ">" and '"' become
// "&amp;", "&lt;", "&gt;" and "&quot;"; every other character stays.
std::u16string EscapeHtml(std::u16string_view text);

// For the inside of a JavaScript string literal in a script element: "\",
// '"', "'", "<" and line breaks become "\\", "\"", "\'", "\u003c", "\n" and
// "\r"; other controls, and characters the page's code page would not carry
// as themselves (the script sees no character references), become "\uXXXX".
std::u16string EscapeScriptString(std::u16string_view text);

// A relative path of names (as FromPath holds them) as a URL path: "%",
// "#", "?", "\", control characters, the bytes of a name that are no UTF-8,
// and characters whose code-page bytes would read as another character are
// percent-encoded from the name's bytes, as are ":" and "|" in the first
// segment (a scheme or drive there) and a space in first place (which
// browsers drop). Everything else keeps its characters. The result still
// goes through EscapeHtml or EscapeScriptString for where it lands.
std::u16string EncodeLink(std::u16string_view path);

// A link in a double-quoted href or src: EscapeHtml(EncodeLink(path)).
std::u16string LinkAttribute(std::u16string_view path);

}  // namespace folio
