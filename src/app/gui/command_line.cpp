// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/command_line.h"

#include <system_error>

#include "platform/text.h"

namespace folio::gui {

std::u16string FolderArgument(const std::filesystem::path& argument) {
  std::u16string path = FromPath(argument);
  if (path.empty()) return path;
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(argument, error);
  if (!error) path = FromPath(absolute.lexically_normal());
  return WithoutTrailingSeparators(path);
}

std::vector<std::u16string> CommandLineFolders(int argc, const char* const* argv) {
  std::vector<std::u16string> folders;
  for (int i = 1; i < argc; ++i) {
    if (argv[i] == nullptr || *argv[i] == '\0') continue;
    folders.push_back(FolderArgument(std::filesystem::path(argv[i])));
  }
  return folders;
}

}  // namespace folio::gui
