// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// UTF-16 is the program's text type (as the pages, the settings and the Exif
// record use it); these helpers cross to UTF-8 for paths, Qt and the console.
#include <filesystem>
#include <string>
#include <string_view>

namespace folio {

std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);  // U+FFFD for each bad byte
// Whether every byte belongs to a well-formed UTF-8 character.
bool IsUtf8(std::string_view text);

// A UTF-16 folder or file path as a filesystem path, and back. A name whose
// bytes are no UTF-8 (written by a system in another code page) keeps each
// bad byte b as the lone surrogate U+DC00 + b, so that it comes back to the
// same bytes and the file can still be opened, moved and moved back.
std::filesystem::path ToPath(std::u16string_view text);
std::u16string FromPath(const std::filesystem::path& path);

// Decimal text of an int, as "%d" gives it.
std::u16string DecimalText(long long value);

// "%.*f" of a double as the "C" locale writes it: always a decimal point,
// whatever locale the desktop toolkit has set for the process.
std::string FixedAscii(double value, int decimals);

// "%s" of the C runtime with UTF-16 arguments: replaces each "%s" and "%d"
// in order; "%%" gives "%". Only what the program's fixed texts need.
std::u16string FormatText(std::u16string_view pattern,
                          std::initializer_list<std::u16string_view> args);

// Replaces every occurrence of `from`, left to right without overlaps.
void ReplaceAll(std::u16string& text, std::u16string_view from, std::u16string_view to);

// The path without trailing separators; a lone "/" stays.
std::u16string WithoutTrailingSeparators(std::u16string_view path);

// Case-insensitive (ASCII) test whether a name ends in a suffix such as ".jpg".
bool EndsWithNoCase(std::u16string_view name, std::u16string_view suffix);

}  // namespace folio
