#include "app/cli_options.h"

#include <cstdlib>

#include "platform/text.h"

namespace folio {

std::optional<JobMode> ModeOfName(std::string_view name) {
  if (name == "thumbnail") return kModeThumbnail;
  if (name == "slideshow") return kModeSlideshow;
  if (name == "composite") return kModeComposite;
  if (name == "resize") return kModeResize;
  return std::nullopt;
}

std::optional<CliOptions> ParseCliArguments(const std::vector<std::string>& args,
                                            std::string& error) {
  CliOptions options;
  bool optionsEnded = false;  // after "--" every argument is a folder
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (optionsEnded) {
      options.folders.push_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--version") {
      options.version = true;
    } else if (arg == "--ini" || arg == "--mode" || arg == "--set") {
      if (!hasValue) {
        error = arg + " needs a value";
        return std::nullopt;
      }
      const std::string& value = args[++i];
      if (arg == "--ini") {
        options.iniPath = value;
      } else if (arg == "--mode") {
        options.mode = ModeOfName(value);
        if (!options.mode) {
          error = "unknown mode '" + value + "' (thumbnail, slideshow, composite or resize)";
          return std::nullopt;
        }
      } else {
        options.sets.push_back(value);
      }
    } else if (arg == "--make-demo") {
      if (!hasValue) {
        error = "--make-demo needs a folder";
        return std::nullopt;
      }
      options.demoFolder = args[++i];
      if (i + 1 < args.size() && !args[i + 1].empty() && args[i + 1][0] != '-') {
        options.demoCount = std::atoi(args[++i].c_str());
        if (options.demoCount < 1) {
          error = "--make-demo needs a count of at least 1";
          return std::nullopt;
        }
      }
    } else if (!arg.empty() && arg[0] == '-') {
      error = "unknown option " + arg;
      return std::nullopt;
    } else {
      options.folders.push_back(arg);
    }
  }
  if (!options.help && !options.version && !options.demoFolder && options.folders.empty()) {
    error = "no folder given";
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
      error = "--set takes Section.Key=Value, not '" + assignment + "'";
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
  return "usage: folioscope-cli [OPTION]... [--] FOLDER...\n"
         "       folioscope-cli --make-demo FOLDER [COUNT]\n"
         "Runs the job of the settings' mode on each folder, as a drop of those folders\n"
         "on the window would; status lines go to standard output.\n"
         "\n"
         "  --ini FILE             settings file (default: folioscope.ini beside the\n"
         "                         program if present, else\n"
         "                         $XDG_CONFIG_HOME/folioscope/folioscope.ini)\n"
         "  --mode MODE            thumbnail, slideshow, composite or resize\n"
         "  --set Section.Key=Value  one setting for this run (repeatable), checked as\n"
         "                         the options dialog checks it\n"
         "  --make-demo FOLDER [COUNT]  write COUNT generated photos (default 25)\n"
         "  --version              print the version and end\n"
         "  -h, --help             print this help and end\n"
         "  --                     the arguments after it are folders, even those\n"
         "                         that begin with '-'\n"
         "Options never write the settings file. Exit status: 0 done, 1 a folder\n"
         "failed, 2 ended by SIGTERM or SIGHUP, 64 usage error, 130 Ctrl-C.\n";
}

}  // namespace folio
