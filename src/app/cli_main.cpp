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

#include <unistd.h>

#include "app/cli_host.h"
#include "app/cli_options.h"
#include "app/drop_batch.h"
#include "app/translations.h"
#include "imaging/demo_photos.h"
#include "platform/allocator.h"
#include "platform/ini_profile.h"
#include "platform/random_generator.h"
#include "platform/text.h"
#include "settings/settings.h"
#include "version/version.h"

namespace {

void PrintLine(std::u16string_view line) { std::cout << folio::ToUtf8(line) << '\n' << std::flush; }

// Dropped paths are full paths without a trailing separator.
std::u16string NormaliseFolder(const std::string& argument) {
  std::error_code ec;
  std::filesystem::path path = std::filesystem::absolute(argument, ec).lexically_normal();
  // An empty argument names no folder; it is reported as such, as any other.
  if (ec) return folio::FromPath(argument);
  return folio::WithoutTrailingSeparators(folio::FromPath(path));
}

constexpr int kUsageError = 64;

int UsageError(const std::string& error) {
  std::cerr << "folioscope-cli: " << error << "\n"
            << "Try 'folioscope-cli --help'.\n";
  return kUsageError;
}

// Ends the program once a batch has run: every file it wrote is closed. The
// application's teardown would first load the whole font configuration only
// to free it again (Qt's font database does so even when no text was drawn),
// which for a small folder takes longer than its job and adds a megabyte to
// the peak of a large one.
[[noreturn]] void EndWithoutTeardown(int status) {
  std::cout.flush();
  std::fflush(nullptr);
  std::_Exit(status);
}

}  // namespace

int main(int argc, char** argv) {
  folio::TuneAllocatorForPictures();
  // Drawing text needs the font database; no window is ever shown.
  if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Without a desktop session Qt warns about its runtime folder on every start.
  if (qgetenv("XDG_RUNTIME_DIR").isEmpty() && qgetenv("QT_LOGGING_RULES").isEmpty())
    qputenv("QT_LOGGING_RULES", "default.warning=false");

  std::string error;
  const std::optional<folio::CliOptions> options =
      folio::ParseCliArguments(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!options) return UsageError(error);
  if (options->help) {
    std::cout << folio::CliUsage();
    return 0;
  }
  if (options->version) {
    std::cout << "folioscope-cli " << folio::kVersion << '\n';
    return 0;
  }
  if (options->demoFolder) {
    QGuiApplication app(argc, argv);
    if (!folio::WriteDemoPhotos(*options->demoFolder, options->demoCount, error)) {
      std::cerr << "folioscope-cli: " << error << '\n';
      return 1;
    }
    std::cout << "wrote " << options->demoCount << " demo photos into " << *options->demoFolder
              << '\n';
    return 0;
  }

  // From here on a signal ends the run in order: a job that runs is undone,
  // and one that comes before the batch starts keeps it from starting. The
  // catcher outlives the application, whose teardown takes a moment too.
  const folio::InterruptCatcher catcher;
  folio::Settings settings;
  folio::IniProfile profile(options->iniPath.value_or(folio::SettingsFilePath()));
  folio::LoadSettings(settings, profile);
  if (!folio::ApplyCliSettings(*options, settings, error)) return UsageError(error);
  std::vector<std::u16string> folders;
  for (const std::string& folder : options->folders) folders.push_back(NormaliseFolder(folder));

  QGuiApplication app(argc, argv);
  folio::InstallUserTranslation();
  folio::CliHost host(PrintLine);
  host.showProgressOn(isatty(STDERR_FILENO) ? stderr : nullptr);
  // Seeded once, as at the start of the window program: the random order of
  // a folder repeats from one run to the next.
  folio::RandomGenerator random;

  if (folio::InterruptCatcher::terminated()) return 2;
  const std::vector<folio::Outcome> outcomes =
      folio::RunDropBatch(host, host, settings, folders, random);
  // A signal after the last image of the last job stopped nothing: the
  // batch ended as it would have anyway.
  if (host.terminationTaken()) return 2;
  if (folio::InterruptCatcher::count() > 0) return 130;
  EndWithoutTeardown(std::any_of(outcomes.begin(), outcomes.end(), folio::IsFailure) ? 1 : 0);
}
