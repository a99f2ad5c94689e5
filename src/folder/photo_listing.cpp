// SPDX-License-Identifier: GPL-3.0-or-later
#include "folder/photo_listing.h"

#include <filesystem>

#include "platform/dir_list.h"
#include "platform/regular_file.h"
#include "platform/text.h"

namespace folio {

std::vector<std::u16string> ListJpegFiles(std::u16string_view folder) {
  const std::filesystem::path base = ToPath(folder);
  std::vector<std::u16string> names = ListBySuffix(base, u".jpg");
  // A link cannot name a photo whose name holds a line feed (browsers drop
  // line feeds from addresses, so it would lead to another file): such a
  // photo is left alone. So is every entry that is no regular file (a
  // folder, a FIFO, a device, a dangling link): it is never opened, and
  // never moved.
  std::erase_if(names, [&](const std::u16string& name) {
    return name.find(u'\n') != name.npos || !IsRegularFileOrLinkToOne(base / ToPath(name));
  });
  return names;
}

std::optional<std::u16string> FolderOfPhoto(std::u16string_view path) {
  const std::size_t slash = path.rfind(u'/');
  if (slash == path.npos) return std::nullopt;
  const std::u16string_view name = path.substr(slash + 1);
  // The rule of ListJpegFiles: ".jpg" in any case, no line feed.
  if (!EndsWithNoCase(name, u".jpg") || name.find(u'\n') != name.npos) return std::nullopt;
  if (!IsRegularFileOrLinkToOne(ToPath(path))) return std::nullopt;
  // The root's photos are in "/".
  return std::u16string(slash == 0 ? path.substr(0, 1) : path.substr(0, slash));
}

}  // namespace folio
