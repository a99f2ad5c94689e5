// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dir_list.h"

#include <algorithm>
#include <system_error>

#include "platform/text.h"

namespace folio {

std::vector<std::u16string> ListBySuffix(const std::filesystem::path& folder,
                                         std::u16string_view suffix) {
  std::vector<std::string> names;  // UTF-8, so the sort is by byte order
  std::error_code ec;
  std::filesystem::directory_iterator it(folder, ec);
  if (ec) return {};
  for (const std::filesystem::directory_iterator end; it != end; it.increment(ec)) {
    if (ec) break;
    const std::string name = it->path().filename().native();
    if (EndsWithNoCase(FromPath(name), suffix)) names.push_back(name);
  }
  // An unreadable entry part-way ends the listing; what was found so far stands.
  std::sort(names.begin(), names.end());
  std::vector<std::u16string> out;
  out.reserve(names.size());
  for (const std::string& name : names) out.push_back(FromPath(name));
  return out;
}

}  // namespace folio
