// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line of folioscope-cli: options, folders, and the settings the
// options change for this run only (they never reach the settings file).
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/coded_values.h"
#include "settings/settings.h"

namespace folio {

struct CliOptions {
  bool help = false;
  bool version = false;
  bool quiet = false;         // -q: only the lines of errors
  bool verbose = false;       // -v: also the settings file and the mode
  bool dryRun = false;        // say per folder what a run would do, change nothing
  bool listSettings = false;  // print the key table and end
  std::optional<std::filesystem::path> iniPath;  // --ini FILE
  std::optional<JobMode> mode;                   // --mode NAME
  std::vector<std::string> sets;                 // --set Section.Key=Value, in order
  std::optional<std::string> demoFolder;         // --make-demo FOLDER [COUNT]
  int demoCount = 25;
  std::vector<std::string> folders;
};

// The options, or the reason they are not usable in `error`.
std::optional<CliOptions> ParseCliArguments(const std::vector<std::string>& args,
                                            std::string& error);

// The CreateMode of "thumbnail", "slideshow", "composite" or "resize".
std::optional<JobMode> ModeOfName(std::string_view name);

// Applies --mode and every --set to the settings; false with the reason
// (the options dialog's message for a value out of range).
bool ApplyCliSettings(const CliOptions& options, Settings& settings, std::string& error);

// An option as the completions and the man page offer it.
struct CliOptionSpec {
  std::string_view name;       // "--mode"
  std::string_view shortName;  // "-m", or empty
  std::string_view valueName;  // "MODE", or empty for one that takes none
  std::string_view summary;
};
// Every option the parser takes.
std::span<const CliOptionSpec> CliOptionSpecs();
// The names --mode takes, in CreateMode order.
std::span<const std::string_view> CliModeNames();

// The text of --help.
std::string CliUsage();

}  // namespace folio
