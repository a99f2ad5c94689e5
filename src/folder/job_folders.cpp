// SPDX-License-Identifier: GPL-3.0-or-later
#include "folder/job_folders.h"

#include <filesystem>
#include <system_error>

#include "platform/files.h"
#include "platform/text.h"

namespace folio {

namespace fs = std::filesystem;

std::u16string_view FirstFakeSubFolder(std::u16string_view folder,
                                       std::initializer_list<std::u16string_view> names) {
  for (const std::u16string_view name : names) {
    const fs::path path = ToPath(folder) / ToPath(name);
    if (EntryExists(path) && !IsRealFolder(path)) return name;
  }
  return {};
}

void MakeJobFolder(std::u16string_view folder, std::u16string_view name) {
  std::error_code ignored;  // the job's own writes fail visibly instead
  fs::create_directory(ToPath(folder) / ToPath(name), ignored);
}

void RemoveIfEmptyFolder(const fs::path& path) {
  std::error_code ignored;  // one that holds anything stays
  if (IsRealFolder(path)) fs::remove(path, ignored);
}

}  // namespace folio
