// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop program's command line: the folders it names, or a request
// for help or the version.
#include <QString>
#include <filesystem>
#include <string>
#include <vector>

namespace folio::gui {

// One argument as a folder path: trailing separators go (a root stays) and
// a relative path is taken from the current folder. Each argument is one
// path as it stands: spaces and quotes are part of the name.
std::u16string FolderArgument(const std::filesystem::path& argument);

// What the command line asks for: the window, or a text on the terminal.
// "--help" (or "-h") and "--version" count before a "--"; after it every
// argument is a folder.
enum class CommandLineRequest { kWindow, kHelp, kVersion };
CommandLineRequest RequestOf(int argc, const char* const* argv);

// The texts of --help and --version, in the user's language.
QString HelpText();
QString VersionText();

// Every argument after the program name, in order, as FolderArgument gives
// it; an empty argument names nothing and is left out, and so is the first
// "--". The bytes are taken
// as they are, so a name that is no UTF-8 still reaches its folder.
std::vector<std::u16string> CommandLineFolders(int argc, const char* const* argv);

}  // namespace folio::gui
