// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/drop_batch.h"

#include <QCoreApplication>

#include <system_error>
#include <vector>

#include "app/folder_job.h"
#include "folder/folder_layout.h"
#include "html/batch_pages.h"
#include "platform/cp932.h"
#include "platform/files.h"
#include "platform/regular_file.h"
#include "platform/text.h"

namespace folio {

namespace fs = std::filesystem;

bool TopPagesWanted(const Settings& settings) {
  return JobModeFromStored(settings.setting.CreateMode) == kModeThumbnail &&
         settings.thumbnail.TopHtml == 1 &&
         RewindPolicyFromStored(settings.thumbnail.Sougo) != RewindPolicy::kRewindOnly;
}

namespace {

fs::path BesideFolder(const FolderNames& names, std::u16string_view file) {
  std::u16string path = names.parentPath;
  path += u'/';
  path += file;
  return ToPath(path);
}

std::optional<std::string> ReadWholeFile(const fs::path& path) {
  // A frameset is small; a FIFO or device of that name is never read.
  constexpr uint64_t kMaxPageBytes = uint64_t{64} << 20;
  std::vector<uint8_t> bytes;
  if (!RegularFile(path).ReadAll(bytes, kMaxPageBytes)) return std::nullopt;
  return std::string(bytes.begin(), bytes.end());
}

std::span<const uint8_t> Bytes(const std::string& text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

}  // namespace

void LogOutcome(BatchView& view, Outcome outcome) {
  if (ReportChannelOf(outcome, /*batchMode=*/true) == ReportChannel::kStatusLine)
    view.addStatusLine(Describe(outcome).statusLine);
}

std::optional<TopPageWrite> WriteTopPage(const Settings& settings, std::u16string_view folder,
                                         bool& failed) {
  failed = false;
  if (!TopPagesWanted(settings) || folder.empty()) return std::nullopt;
  const FolderNames names = NamesOfFolder(folder);
  TopPageWrite written;
  written.path = BesideFolder(names, kBatchTopPageName);
  // An earlier batch's frameset is kept so that a stop can put it back.
  written.previous = ReadWholeFile(written.path);
  if (!written.previous && EntryExists(written.path))
    return std::nullopt;  // something unreadable is there: leave it alone
  if (!WriteCp932TextFile(written.path, TopPageText(names, settings.thumbnail.FrameWidth,
                                                    settings.setting.ClassicPages != 0))) {
    failed = true;
    return std::nullopt;
  }
  return written;
}

void AppendMenuLink(const Settings& settings, std::u16string_view folder,
                    std::u16string& menuText) {
  if (!TopPagesWanted(settings)) return;
  menuText += MenuLinkLine(NamesOfFolder(folder).own);
}

bool WriteMenuPage(const Settings& settings, std::u16string_view folder,
                   std::u16string_view shownFolder, std::u16string& menuText) {
  if (!TopPagesWanted(settings) || folder.empty()) return true;
  if (settings.setting.ClassicPages != 0)
    menuText += kMenuEnd;
  else
    menuText += MenuEndWithMarking(NamesOfFolder(shownFolder).own);
  return WriteCp932TextFile(BesideFolder(NamesOfFolder(folder), kBatchMenuPageName), menuText);
}

void DeleteTopPage(const std::optional<TopPageWrite>& written) {
  if (!written) return;
  if (written->previous) {
    WriteFileReplacing(written->path, {Bytes(*written->previous)});
    return;
  }
  std::error_code ec;
  fs::remove(written->path, ec);
}

std::vector<Outcome> RunDropBatch(JobHost& host, BatchView& view, Settings& settings,
                                  const std::vector<std::u16string>& paths,
                                  RandomGenerator& random) {
  std::vector<Outcome> outcomes;
  if (host.busy()) return outcomes;  // a drop during a job changes nothing
  std::u16string menuText(kMenuStart);
  if (settings.setting.ClassicPages == 0) menuText += MenuHeadAdditions();
  const int total = static_cast<int>(paths.size());
  view.setRunning(false);
  view.clearStatusLog();

  // An outcome goes into the log and into what the batch returns.
  const auto report = [&](Outcome outcome) {
    LogOutcome(view, outcome);
    outcomes.push_back(outcome);
  };
  bool cancelled = false;
  std::optional<TopPageWrite> topPage;
  std::u16string lastPath;
  for (int number = 1; number <= total; ++number) {
    const std::u16string& path = paths[static_cast<std::size_t>(number - 1)];
    lastPath = path;
    if (settings.setting.NoDDtoRun == 1) continue;
    view.addFolderLine(path, number, total);
    view.setRunning(true);
    view.setStatusButton(QCoreApplication::translate("StatusDialog", "Cancel").toStdU16String(),
                         true);
    view.showStatusDialog(true);
    // The frameset exists before the first job runs.
    if (total > 1 && number == 1) {
      bool failed = false;
      topPage = WriteTopPage(settings, path, failed);
      if (failed) report(Outcome::kPageNotWritten);
    }
    Outcome outcome = Outcome::kNotAFolder;
    if (IsFolder(ToPath(path))) {
      const FolderRunOutcome run = RunFolderJobLocked(host, settings, path, random);
      if (run.recovered) LogOutcome(view, *run.recovered);
      outcome = run.outcome;
    }
    report(outcome);
    if (!IsCancel(outcome) && outcome != Outcome::kNotAFolder)
      AppendMenuLink(settings, path, menuText);
    if (!view.running()) {
      cancelled = true;
      break;
    }
  }

  if (total > 0) view.setFolderBox(lastPath);
  if (!cancelled) {
    if (total > 0 && !WriteMenuPage(settings, lastPath, paths.front(), menuText))
      report(Outcome::kPageNotWritten);
  } else {
    DeleteTopPage(topPage);
  }
  view.setRunning(false);
  view.setStatusButton(QCoreApplication::translate("StatusDialog", "Close").toStdU16String(), true);
  if (settings.setting.AutoClose == 1) view.showStatusDialog(false);
  return outcomes;
}

}  // namespace folio
