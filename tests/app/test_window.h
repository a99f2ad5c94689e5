#pragma once
// The window as the tests see it: the in-memory host and batch view, the
// settings the window would hold, and the message boxes it would show.
// Report() turns an outcome into a line or a box as the window does;
// RunFolder() and RunPages() run a job and report it.
#include <optional>
#include <string>
#include <vector>

#include "app/basic_job_host.h"
#include "app/folder_job.h"
#include "app/job_outcome.h"
#include "app/thumbnail_job.h"
#include "catalogue/catalogue.h"
#include "settings/settings.h"

namespace folio::test {

class TestWindow : public BasicJobHost {
 public:
  struct Message {
    std::u16string text, caption;
    MessageIcon icon;
  };

  Settings& settings() { return settings_; }
  bool batchMode() const { return batchMode_; }
  void setBatchMode(bool batch) { batchMode_ = batch; }

  // A status line in a batch; outside one a message box, or a log line for
  // an outcome that has no box.
  void Report(Outcome outcome) {
    const OutcomeText text = Describe(outcome);
    if (text.statusLine.empty() || (text.batchOnly && !batchMode_)) return;
    if (batchMode_ || text.boxText.empty())
      addStatusLine(text.statusLine);
    else
      messages.push_back({std::u16string(text.boxText), std::u16string(text.caption), text.icon});
  }

  // The folder job on `folder` as the window runs it (under the folder's
  // lock, after what a killed run left there was put right), reported as
  // the window reports it.
  Outcome RunFolder(std::u16string_view folder) {
    const FolderRunOutcome run = RunFolderJobLocked(*this, settings_, folder);
    if (run.recovered) Report(*run.recovered);
    Report(run.outcome);
    return run.outcome;
  }

  // The page job alone on records as the catalogue would leave them.
  Outcome RunPages(std::u16string_view folder, std::vector<ImageRecord> records, int pageCount,
                   bool keywordPages) {
    Catalogue catalogue;
    catalogue.records = std::move(records);
    catalogue.pageCount = pageCount;
    catalogue.keywordPages = keywordPages;
    const Outcome outcome = RunThumbnailJob(*this, settings_.thumbnail, folder, catalogue);
    Report(outcome);
    return outcome;
  }

  std::vector<Message> messages;

 private:
  Settings settings_;
  bool batchMode_ = false;
};

}  // namespace folio::test
