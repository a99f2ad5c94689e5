// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "app/cli_text.h"
#include "app/drop_batch.h"
#include "app/folder_job.h"
#include "app/job_outcome.h"
#include "app/settings_listing.h"
#include "app/translations.h"
#include "imaging/demo_photos.h"
#include "platform/allocator.h"
#include "platform/ini_profile.h"
#include "platform/random_generator.h"
#include "platform/text.h"
#include "settings/settings.h"
#include "version/version.h"

namespace {

// The status lines of the outcomes that fail a run, as the log shows them.
const std::vector<std::u16string>& FailureLines() {
  static const std::vector<std::u16string> lines = [] {
    std::vector<std::u16string> found;
    for (int i = 0; i <= static_cast<int>(folio::Outcome::kInterruptedJobNotUndone); ++i) {
      const auto outcome = static_cast<folio::Outcome>(i);
      if (folio::IsFailure(outcome) && !folio::Describe(outcome).statusLine.empty())
        found.push_back(u"    " + std::u16string(folio::Describe(outcome).statusLine));
    }
    return found;
  }();
  return lines;
}

// Errors go to standard error, every other line to standard output (none
// of those when quiet).
void PrintLine(std::u16string_view line, bool quiet) {
  const auto& failures = FailureLines();
  if (std::find(failures.begin(), failures.end(), line) != failures.end()) {
    std::cout << std::flush;
    std::cerr << folio::ToUtf8(line) << '\n' << std::flush;
  } else if (!quiet) {
    std::cout << folio::ToUtf8(line) << '\n' << std::flush;
  }
}

std::string PlanText(const folio::FolderPlan& plan) {
  using Action = folio::FolderPlan::Action;
  const char* text = "";
  switch (plan.action) {
    case Action::kMakePages: text = QT_TRANSLATE_NOOP("Cli", "make thumbnail pages"); break;
    case Action::kMakeSlideshow: text = QT_TRANSLATE_NOOP("Cli", "make a slideshow"); break;
    case Action::kMakeSheets: text = QT_TRANSLATE_NOOP("Cli", "make composite sheets"); break;
    case Action::kResize: text = QT_TRANSLATE_NOOP("Cli", "make resized copies"); break;
    case Action::kRewind:
      text = QT_TRANSLATE_NOOP(
          "Cli", "rewind: move the photos back out of jpg, delete thumbnails and pages");
      break;
    case Action::kRecover:
      text = QT_TRANSLATE_NOOP("Cli", "recover a killed run, then run the job");
      break;
    case Action::kNothing:
      text = QT_TRANSLATE_NOOP("Cli", "nothing: the settings ask for no job here");
      break;
    case Action::kRefuseInUse:
      text = QT_TRANSLATE_NOOP("Cli", "refuse: in use by another run");
      break;
    case Action::kRefuseNotOurs:
      text = QT_TRANSLATE_NOOP("Cli", "refuse: something not ours lies under a name the job uses");
      break;
    case Action::kRefuseNotAFolder: text = QT_TRANSLATE_NOOP("Cli", "refuse: not a folder"); break;
    case Action::kRefuseNoPhotos: text = QT_TRANSLATE_NOOP("Cli", "refuse: no photos"); break;
  }
  std::string line = folio::CliText(text);
  if (plan.photos == 1) line += folio::CliText(QT_TRANSLATE_NOOP("Cli", " (1 photo)"));
  if (plan.photos > 1)
    line += folio::CliText(QT_TRANSLATE_NOOP("Cli", " (%1 photos)"), {std::to_string(plan.photos)});
  return line;
}

bool IsRefusal(folio::FolderPlan::Action action) {
  using Action = folio::FolderPlan::Action;
  return action == Action::kRefuseInUse || action == Action::kRefuseNotOurs ||
         action == Action::kRefuseNotAFolder || action == Action::kRefuseNoPhotos;
}

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
            << folio::CliText(QT_TRANSLATE_NOOP("Cli", "Try 'folioscope-cli --help'.")) << '\n';
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
  // Usage errors come before the application object: the translation is
  // kept until it can be installed.
  folio::InstallUserTranslation();
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
  if (options->listSettings) {
    folio::Settings settings;
    folio::IniProfile profile(options->iniPath.value_or(folio::SettingsFilePath()));
    folio::LoadSettings(settings, profile);
    if (!folio::ApplyCliSettings(*options, settings, error)) return UsageError(error);
    std::cout << folio::SettingsListing(settings);
    return 0;
  }
  if (options->demoFolder) {
    QGuiApplication app(argc, argv);
    if (!folio::WriteDemoPhotos(*options->demoFolder, options->demoCount, error)) {
      std::cerr << "folioscope-cli: " << error << '\n';
      return 1;
    }
    std::cout << folio::CliText(QT_TRANSLATE_NOOP("Cli", "wrote %1 demo photos into %2"),
                                {std::to_string(options->demoCount), *options->demoFolder})
              << '\n';
    return 0;
  }

  // From here on a signal ends the run in order: a job that runs is undone,
  // and one that comes before the batch starts keeps it from starting. The
  // catcher outlives the application, whose teardown takes a moment too.
  const folio::InterruptCatcher catcher;
  folio::Settings settings;
  const std::filesystem::path settingsPath = options->iniPath.value_or(folio::SettingsFilePath());
  folio::IniProfile profile(settingsPath);
  folio::LoadSettings(settings, profile);
  if (!folio::ApplyCliSettings(*options, settings, error)) return UsageError(error);
  std::vector<std::u16string> folders;
  for (const std::string& folder : options->folders) folders.push_back(NormaliseFolder(folder));
  if (options->verbose) {
    const std::optional<folio::JobMode> mode =
        folio::JobModeFromStored(settings.setting.CreateMode);
    std::cout << folio::CliText(QT_TRANSLATE_NOOP("Cli", "settings: %1"), {settingsPath.string()})
              << '\n'
              << folio::CliText(QT_TRANSLATE_NOOP("Cli", "mode: %1"),
                                {mode ? folio::CliModeNames()[*mode] : "none"})
              << '\n';
  }

  if (options->dryRun) {
    // Only looks: no lock, no recovery, no job folder is made.
    bool refused = false;
    for (const std::u16string& folder : folders) {
      // A batch with `NoD&DtoRun` on runs no folder at all.
      const folio::FolderPlan plan = settings.setting.NoDDtoRun == 1
                                         ? folio::FolderPlan{}
                                         : folio::PlanFolderRun(settings, folder);
      std::ostream& out = IsRefusal(plan.action) ? std::cerr : std::cout;
      std::cout << std::flush;
      out << folio::ToUtf8(folder) << ": " << PlanText(plan) << '\n' << std::flush;
      refused = refused || IsRefusal(plan.action);
    }
    return refused ? 1 : 0;
  }

  QGuiApplication app(argc, argv);
  folio::InstallUserTranslation();
  const bool quiet = options->quiet;
  folio::CliHost host([quiet](std::u16string_view line) { PrintLine(line, quiet); });
  host.showProgressOn(!quiet && isatty(STDERR_FILENO) ? stderr : nullptr);
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
