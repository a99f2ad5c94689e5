// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A plain profile (INI) file with the semantics the settings rely on:
//  - reads strip one enclosing pair of double quotes and keep at most 4095 characters;
//  - int reads take the leading decimal number (0 when there is none);
//  - a missing file, section or key gives the default;
//  - writes create the file, the section and the key as needed and keep the
//    order in which sections and keys were first written;
//  - the file is written in UTF-8 with CR LF line ends; a file that is not
//    UTF-8 is read as code page 932.
#include <filesystem>
#include <string>
#include <vector>

namespace folio {

// The leading decimal number of a text as the int reads take it: blanks, an
// optional sign, digits; 0 when there are none; clamped to the int range.
int LeadingNumber(std::u16string_view text);

class IniProfile {
 public:
  explicit IniProfile(std::filesystem::path path);

  const std::filesystem::path& path() const { return path_; }

  int GetInt(std::u16string_view section, std::u16string_view key, int defaultValue) const;
  std::u16string GetString(std::u16string_view section, std::u16string_view key,
                           std::u16string_view defaultValue) const;
  // Writes the value text as it is (the caller adds quotes where it wants them).
  // Returns false when the file could not be written.
  bool WriteString(std::u16string_view section, std::u16string_view key,
                   std::u16string_view value);
  bool WriteInt(std::u16string_view section, std::u16string_view key, int value);

 private:
  std::filesystem::path path_;
};

}  // namespace folio
