// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Code page 932 (Shift_JIS) text: the pages are written in it and the cameras'
// 8-bit Exif texts are read from it.
#include <filesystem>
#include <string>
#include <string_view>

namespace folio {

// UTF-16 to CP932 bytes. A character with no CP932 form becomes the HTML
// numeric character reference "&#NNNNN;" (its code point in decimal), so a
// page never loses or garbles it. Line ends are written exactly as given.
std::string Utf16ToCp932(std::u16string_view text);

// How a page's CP932 bytes carry a character: as itself; as bytes that read
// back as a look-alike (the yen sign as "\", "〜" as "～", "−" as "－"); or
// not at all (Utf16ToCp932 then writes a character reference).
enum class Cp932Form { kItself, kLookAlike, kNone };
Cp932Form Cp932FormOf(char32_t c);

// Writes the text as one CP932 file, replacing any file of that name.
// Returns false when the file could not be written.
bool WriteCp932TextFile(const std::filesystem::path& path, std::u16string_view text);

// CP932 bytes (up to the first NUL) to UTF-16; bytes that do not decode
// become U+FFFD rather than being dropped.
std::u16string Cp932ToUtf16(std::string_view bytes);

}  // namespace folio
