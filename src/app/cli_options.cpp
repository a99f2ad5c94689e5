// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli_options.h"

#include <cstdlib>
#include <iterator>
#include <utility>

#include "app/cli_text.h"
#include "platform/text.h"

namespace folio {

namespace {

constexpr std::string_view kModeNames[] = {"thumbnail", "slideshow", "composite", "resize"};
constexpr CliOptionSpec kOptions[] = {
    {"--ini", "", "FILE", "settings file"},
    {"--mode", "-m", "MODE", "the job to run"},
    {"--set", "", "Section.Key=Value", "one setting for this run"},
    {"--dry-run", "", "", "say what a run would do, change nothing"},
    {"--list-settings", "", "", "print every settings key"},
    {"--make-demo", "", "FOLDER", "write generated photos"},
    {"--quiet", "-q", "", "print only the lines of errors"},
    {"--verbose", "-v", "", "also print the settings file and the mode"},
    {"--version", "-V", "", "print the version"},
    {"--help", "-h", "", "print the usage"},
};

// The long name a one-letter option stands for.
std::string_view LongNameOf(std::string_view arg) {
  for (const CliOptionSpec& option : kOptions)
    if (!option.shortName.empty() && arg == option.shortName) return option.name;
  return arg;
}

}  // namespace

std::span<const CliOptionSpec> CliOptionSpecs() { return kOptions; }
std::span<const std::string_view> CliModeNames() { return kModeNames; }

std::optional<JobMode> ModeOfName(std::string_view name) {
  for (std::size_t i = 0; i < std::size(kModeNames); ++i)
    if (name == kModeNames[i]) return static_cast<JobMode>(i);
  return std::nullopt;
}

std::optional<CliOptions> ParseCliArguments(const std::vector<std::string>& args,
                                            std::string& error) {
  CliOptions options;
  bool optionsEnded = false;  // after "--" every argument is a folder
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (optionsEnded) {
      options.folders.push_back(args[i]);
      continue;
    }
    // "--name=value" is "--name value"; a value given so may be empty.
    std::string arg = args[i];
    std::optional<std::string> attached;
    if (arg.starts_with("--")) {
      if (const std::size_t equals = arg.find('='); equals != std::string::npos) {
        attached = arg.substr(equals + 1);
        arg.resize(equals);
      }
    }
    const std::string name(LongNameOf(arg));
    const auto takeValue = [&]() -> std::optional<std::string> {
      if (attached) return std::exchange(attached, std::nullopt);
      if (i + 1 < args.size()) return args[++i];
      return std::nullopt;
    };
    if (name == "--") {
      optionsEnded = true;
    } else if (name == "--help") {
      options.help = true;
    } else if (name == "--version") {
      options.version = true;
    } else if (name == "--quiet") {
      options.quiet = true;
      options.verbose = false;
    } else if (name == "--verbose") {
      options.verbose = true;
      options.quiet = false;
    } else if (name == "--dry-run") {
      options.dryRun = true;
    } else if (name == "--list-settings") {
      options.listSettings = true;
    } else if (name == "--ini" || name == "--mode" || name == "--set") {
      const std::optional<std::string> value = takeValue();
      if (!value) {
        error = CliText(QT_TRANSLATE_NOOP("Cli", "%1 needs a value"), {arg});
        return std::nullopt;
      }
      if (name == "--ini") {
        options.iniPath = *value;
      } else if (name == "--mode") {
        options.mode = ModeOfName(*value);
        if (!options.mode) {
          error =
              CliText(QT_TRANSLATE_NOOP(
                          "Cli", "unknown mode '%1' (thumbnail, slideshow, composite or resize)"),
                      {*value});
          return std::nullopt;
        }
      } else {
        options.sets.push_back(*value);
      }
    } else if (name == "--make-demo") {
      const std::optional<std::string> folder = takeValue();
      if (!folder) {
        error = CliText(QT_TRANSLATE_NOOP("Cli", "--make-demo needs a folder"));
        return std::nullopt;
      }
      options.demoFolder = *folder;
      if (i + 1 < args.size() && !args[i + 1].empty() && args[i + 1][0] != '-') {
        options.demoCount = std::atoi(args[++i].c_str());
        if (options.demoCount < 1) {
          error = CliText(QT_TRANSLATE_NOOP("Cli", "--make-demo needs a count of at least 1"));
          return std::nullopt;
        }
      }
    } else if (!arg.empty() && arg[0] == '-') {
      error = CliText(QT_TRANSLATE_NOOP("Cli", "unknown option %1"), {arg});
      return std::nullopt;
    } else {
      options.folders.push_back(arg);
      continue;
    }
    if (attached) {
      error = CliText(QT_TRANSLATE_NOOP("Cli", "%1 takes no value"), {arg});
      return std::nullopt;
    }
  }
  if (!options.help && !options.version && !options.listSettings && !options.demoFolder &&
      options.folders.empty()) {
    error = CliText(QT_TRANSLATE_NOOP("Cli", "no folder given"));
    return std::nullopt;
  }
  return options;
}

bool ApplyCliSettings(const CliOptions& options, Settings& settings, std::string& error) {
  if (options.mode) settings.setting.CreateMode = StoredJobMode(*options.mode);
  for (const std::string& assignment : options.sets) {
    const std::size_t dot = assignment.find('.');
    const std::size_t equals = assignment.find('=');
    if (dot == std::string::npos || equals == std::string::npos || dot == 0 || equals < dot + 2) {
      error = CliText(QT_TRANSLATE_NOOP("Cli", "--set takes Section.Key=Value, not '%1'"),
                      {assignment});
      return false;
    }
    std::u16string reason;
    if (!SetSettingFromText(settings, FromUtf8(assignment.substr(0, dot)),
                            FromUtf8(assignment.substr(dot + 1, equals - dot - 1)),
                            FromUtf8(assignment.substr(equals + 1)), reason)) {
      error = "--set " + assignment + ": " + ToUtf8(reason);
      return false;
    }
  }
  return true;
}

std::string CliUsage() {
  return CliText(QT_TRANSLATE_NOOP(
      "Cli",
      "usage: folioscope-cli [OPTION]... [--] FOLDER...\n"
      "       folioscope-cli --make-demo FOLDER [COUNT]\n"
      "       folioscope-cli --list-settings [--ini FILE] [--set Section.Key=Value]...\n"
      "Runs the job of the settings' mode on each folder, as a drop of those folders\n"
      "on the window would; status lines of errors go to standard error, the others\n"
      "to standard output.\n"
      "\n"
      "  --ini FILE             settings file (default: folioscope.ini beside the\n"
      "                         program if present, else\n"
      "                         $XDG_CONFIG_HOME/folioscope/folioscope.ini)\n"
      "  -m, --mode MODE        thumbnail, slideshow, composite or resize\n"
      "  --set Section.Key=Value  one setting for this run (repeatable), checked as\n"
      "                         the options dialog checks it\n"
      "  --dry-run              say per folder what the run would do; change nothing\n"
      "  --list-settings        print every key: section, value, default and range\n"
      "  --make-demo FOLDER [COUNT]  write COUNT generated photos (default 25)\n"
      "  -q, --quiet            print only the status lines of errors\n"
      "  -v, --verbose          also print the settings file and the mode\n"
      "  -V, --version          print the version and end\n"
      "  -h, --help             print this help and end\n"
      "  --                     the arguments after it are folders, even those\n"
      "                         that begin with '-'\n"
      "An option's value may also be given as --option=VALUE.\n"
      "Options never write the settings file. Exit status: 0 done, 1 a folder\n"
      "failed, 2 ended by SIGTERM or SIGHUP, 64 usage error, 130 Ctrl-C.\n"));
}

}  // namespace folio
