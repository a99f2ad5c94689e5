// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Directory search by a "*.ext" pattern, as the tool's file operations use it.
#include <filesystem>
#include <string>
#include <vector>

namespace folio {

// Names (no folder) of the entries of `folder` whose name ends in `suffix`
// (".jpg", ".html"), ignoring ASCII letter case. Folders count as entries, as
// the platform's pattern search counts them. Sorted by name (byte order of the
// UTF-8 name) so that runs are reproducible. A missing folder gives none.
std::vector<std::u16string> ListBySuffix(const std::filesystem::path& folder,
                                         std::u16string_view suffix);

}  // namespace folio
