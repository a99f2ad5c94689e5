// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The photos a job takes from a folder.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace folio {

// The JPEG files of a folder: names ending in ".jpg", any case, that are
// regular files or links to them, sorted by name. A name holding a line
// feed is left out.
std::vector<std::u16string> ListJpegFiles(std::u16string_view folder);

// The folder that holds `path` when `path` names a photo ListJpegFiles would
// take from it (a full path, no trailing separator); nothing otherwise.
std::optional<std::u16string> FolderOfPhoto(std::u16string_view path);

}  // namespace folio
