#pragma once
// The command line of folioscope-cli: options, folders, and the settings the
// options change for this run only (they never reach the settings file).
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "settings/coded_values.h"
#include "settings/settings.h"

namespace folio {

struct CliOptions {
  bool help = false;
  bool version = false;
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

// The text of --help.
std::string CliUsage();

}  // namespace folio
