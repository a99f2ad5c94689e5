// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/command_line.h"

#include <QCoreApplication>
#include <cstring>
#include <system_error>

#include "platform/text.h"
#include "version/version.h"

namespace folio::gui {

std::u16string FolderArgument(const std::filesystem::path& argument) {
  std::u16string path = FromPath(argument);
  if (path.empty()) return path;
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(argument, error);
  if (!error) path = FromPath(absolute.lexically_normal());
  return WithoutTrailingSeparators(path);
}

CommandLineRequest RequestOf(int argc, const char* const* argv) {
  for (int i = 1; i < argc && argv[i] != nullptr; ++i) {
    if (std::strcmp(argv[i], "--") == 0) break;
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
      return CommandLineRequest::kHelp;
    if (std::strcmp(argv[i], "--version") == 0) return CommandLineRequest::kVersion;
  }
  return CommandLineRequest::kWindow;
}

QString HelpText() {
  return QCoreApplication::translate(
      "CommandLine",
      "Usage: folioscope [FOLDER]...\n"
      "Turns folders of JPEG photos into web pages, a slideshow, contact sheets or\n"
      "resized copies, as the options of the window say.\n"
      "\n"
      "With one FOLDER the window runs its job on it, with several it runs them as\n"
      "one batch, as if they were dropped on it; then it ends without saving.\n"
      "Without a FOLDER the window opens.\n"
      "\n"
      "  -h, --help     show this help and exit\n"
      "      --version  show the version and exit\n"
      "      --         every argument after it is a folder\n"
      "\n"
      "For scripts, folioscope-cli runs the same jobs without a window.\n");
}

QString VersionText() {
  return QStringLiteral("folioscope ") + QString::fromUtf8(folio::kVersion) + u'\n';
}

std::vector<std::u16string> CommandLineFolders(int argc, const char* const* argv) {
  std::vector<std::u16string> folders;
  bool separatorSeen = false;
  for (int i = 1; i < argc; ++i) {
    if (argv[i] == nullptr || *argv[i] == '\0') continue;
    if (!separatorSeen && std::strcmp(argv[i], "--") == 0) {
      separatorSeen = true;
      continue;
    }
    folders.push_back(FolderArgument(std::filesystem::path(argv[i])));
  }
  return folders;
}

}  // namespace folio::gui
