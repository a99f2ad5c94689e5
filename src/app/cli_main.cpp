// folioscope-cli: the headless front end. Runs the folders named on the
// command line as one drop batch (outcomes as status lines on stdout) with
// the settings of the INI file, for scripts and benchmarks.
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "app/cli_host.h"
#include "app/drop_batch.h"
#include "imaging/demo_photos.h"
#include "platform/ini_profile.h"
#include "platform/text.h"
#include "settings/settings.h"

namespace {

void PrintLine(std::u16string_view line) { std::cout << folio::ToUtf8(line) << '\n' << std::flush; }

int Usage() {
  std::cerr << "usage: folioscope-cli [--ini FILE] FOLDER...\n"
               "       folioscope-cli --make-demo FOLDER [COUNT]\n"
               "Runs the job of the INI file's mode on each folder, as a drop of those folders\n"
               "on the window would. The INI file defaults to folioscope-cli.ini beside the\n"
               "program; settings are read, never written.\n";
  return 64;
}

// Dropped paths are full paths without a trailing separator.
std::u16string NormaliseFolder(const std::string& argument) {
  std::error_code ec;
  std::filesystem::path path = std::filesystem::absolute(argument, ec).lexically_normal();
  // An empty argument names no folder; it is reported as such, as any other.
  if (ec) return folio::FromPath(argument);
  return folio::WithoutTrailingSeparators(folio::FromPath(path));
}

}  // namespace

int main(int argc, char** argv) {
  // Drawing text needs the font database; no window is ever shown.
  if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Without a desktop session Qt warns about its runtime folder on every start.
  if (qgetenv("XDG_RUNTIME_DIR").isEmpty() && qgetenv("QT_LOGGING_RULES").isEmpty())
    qputenv("QT_LOGGING_RULES", "default.warning=false");
  std::vector<std::string> args(argv + 1, argv + argc);
  std::filesystem::path iniPath = folio::MakeIniPath();
  std::vector<std::u16string> folders;

  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--help" || args[i] == "-h") {
      Usage();
      return 0;
    }
    if (args[i] == "--ini") {
      if (++i >= args.size()) return Usage();
      iniPath = args[i];
    } else if (args[i] == "--make-demo") {
      if (i + 1 >= args.size()) return Usage();
      int count = i + 2 < args.size() ? std::atoi(args[i + 2].c_str()) : 25;
      if (count < 1) return Usage();
      QGuiApplication app(argc, argv);
      std::string error;
      if (!folio::WriteDemoPhotos(args[i + 1], count, error)) {
        std::cerr << "folioscope-cli: " << error << '\n';
        return 1;
      }
      std::cout << "wrote " << count << " demo photos into " << args[i + 1] << '\n';
      return 0;
    } else if (!args[i].empty() && args[i][0] == '-') {
      return Usage();
    } else {
      folders.push_back(NormaliseFolder(args[i]));
    }
  }
  if (folders.empty()) return Usage();

  QGuiApplication app(argc, argv);

  folio::Settings settings;
  folio::IniProfile profile(iniPath);
  folio::LoadSettings(settings, profile);

  folio::CliHost host;
  host.onLine = PrintLine;

  int presses = 0;
  std::vector<folio::Outcome> outcomes;
  {
    const folio::InterruptCatcher catcher;
    outcomes = folio::RunDropBatch(host, host, settings, folders);
    presses = folio::InterruptCatcher::count();
  }
  if (presses > 0) return 130;
  return std::any_of(outcomes.begin(), outcomes.end(), folio::IsFailure) ? 1 : 0;
}
