// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window as the tests see it: the in-memory host and batch view, the
// settings and random generator the window would hold, and the message boxes
// it would show. Report() turns an outcome into a line or a box by the
// window's own rule; RunFolder() and RunPages() run a job and report it,
// RunDrop() a batch.
#include <optional>
#include <string>
#include <vector>

#include "app/drop_batch.h"
#include "app/folder_job.h"
#include "app/job_options.h"
#include "app/job_outcome.h"
#include "app/test_host.h"
#include "app/thumbnail_job.h"
#include "catalogue/catalogue.h"
#include "platform/random_generator.h"
#include "settings/settings.h"

namespace folio::test {

class TestWindow : public TestHost {
 public:
  struct Message {
    std::u16string text, caption;
    MessageIcon icon;
  };

  Settings& settings() { return settings_; }
  // Seeded as at the start of the program.
  RandomGenerator& random() { return random_; }
  bool batchMode() const { return batchMode_; }
  void setBatchMode(bool batch) { batchMode_ = batch; }

  // A status line in a batch; outside one a message box, or a log line for
  // an outcome that has no box.
  void Report(Outcome outcome) {
    const OutcomeText text = Describe(outcome);
    switch (ReportChannelOf(outcome, batchMode_)) {
      case ReportChannel::kStatusLine: addStatusLine(text.statusLine); break;
      case ReportChannel::kMessageBox:
        messages.push_back({std::u16string(text.boxText), std::u16string(text.caption), text.icon});
        break;
      case ReportChannel::kNone: break;
    }
  }

  // The folder job on `folder` as the window runs it (under the folder's
  // lock, after what a killed run left there was put right), reported as
  // the window reports it.
  Outcome RunFolder(std::u16string_view folder) {
    const FolderRunOutcome run = RunFolderJobLocked(*this, settings_, folder, random_);
    if (run.recovered) Report(*run.recovered);
    Report(run.outcome);
    return run.outcome;
  }

  // A drop of `paths`, run as the window runs it.
  std::vector<Outcome> RunDrop(const std::vector<std::u16string>& paths) {
    batchMode_ = true;
    std::vector<Outcome> outcomes = RunDropBatch(*this, *this, settings_, paths, random_);
    batchMode_ = false;
    return outcomes;
  }

  // The page job alone on records as the catalogue would leave them.
  Outcome RunPages(std::u16string_view folder, std::vector<ImageRecord> records, int pageCount,
                   bool keywordPages) {
    Catalogue catalogue;
    catalogue.records = std::move(records);
    catalogue.pageCount = pageCount;
    catalogue.keywordPages = keywordPages;
    const Outcome outcome =
        RunThumbnailJob(*this, ThumbnailPageOptionsOf(settings_), folder, catalogue);
    Report(outcome);
    return outcome;
  }

  std::vector<Message> messages;

 private:
  // The app tests check the classic pages byte for byte and count what a
  // job leaves in a folder; the additions of the other pages (stylesheets,
  // 2x renditions) are tested on their own, with ClassicPages=0.
  Settings settings_ = [] {
    Settings settings;
    settings.setting.ClassicPages = 1;
    return settings;
  }();
  RandomGenerator random_;
  bool batchMode_ = false;
};

}  // namespace folio::test
