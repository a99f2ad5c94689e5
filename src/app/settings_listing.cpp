// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settings_listing.h"

#include "platform/text.h"
#include "settings/setting_keys.h"

namespace folio {

namespace {

std::string RangeText(const SettingKey& key) {
  switch (key.kind) {
    case KeyKind::kInt:
      return key.range ? std::to_string(key.range->low) + ".." + std::to_string(key.range->high)
                       : "number";
    case KeyKind::kFlag: return "0|1";
    case KeyKind::kText: return "text";
    case KeyKind::kLines: return "lines";
    case KeyKind::kDirectory: return "folder";
  }
  return {};
}

// A text on one line: its line ends ("\r\n" in memory, U+0001 stored) as
// "\n", tabs as "\t", other control characters as "?".
std::string OneLine(std::u16string_view text) {
  std::string line;
  const std::string bytes = ToUtf8(text);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
    if (c == '\x01' || c == '\n') {
      line += "\\n";
    } else if (c == '\t') {
      line += "\\t";
    } else if (static_cast<unsigned char>(c) < 0x20 || c == '\x7f') {
      line += '?';
    } else {
      line += c;
    }
  }
  return line;
}

std::string ValueText(const SettingKey& key, Settings& record) {
  if (key.number != nullptr) return std::to_string(*key.number(record));
  if (key.text != nullptr) return OneLine(*key.text(record));
  return {};
}

std::string DefaultText(const SettingKey& key) {
  Settings defaults;
  return ValueText(key, defaults);
}

// roff takes a line that begins with '.' or '\'' as a request, and '\' as an escape.
std::string RoffCell(const std::string& text) {
  std::string cell;
  if (!text.empty() && (text[0] == '.' || text[0] == '\'')) cell += "\\&";
  for (const char c : text) {
    if (c == '\\')
      cell += "\\e";
    else if (c == '-')
      cell += "\\-";
    else
      cell += c;
  }
  return cell.empty() ? "\\&" : cell;
}

}  // namespace

std::string SettingsListing(const Settings& settings) {
  Settings record = settings;
  std::string listing = "section\tkey\tvalue\tdefault\trange\n";
  for (const SettingKey& key : AllSettingKeys()) {
    listing += ToUtf8(key.section) + '\t' + ToUtf8(key.name) + '\t' + ValueText(key, record) +
               '\t' + DefaultText(key) + '\t' + RangeText(key) + '\n';
  }
  return listing;
}

std::string SettingsRoffTable() {
  std::string table = ".TS\ntab(\t);\nl l l l.\n";
  table += "\\fBSection\\fR\t\\fBKey\\fR\t\\fBDefault\\fR\t\\fBRange\\fR\n_\n";
  for (const SettingKey& key : AllSettingKeys()) {
    table += RoffCell(ToUtf8(key.section)) + '\t' + RoffCell(ToUtf8(key.name)) + '\t' +
             RoffCell(DefaultText(key)) + '\t' + RoffCell(RangeText(key)) + '\n';
  }
  table += ".TE\n";
  return table;
}

}  // namespace folio
