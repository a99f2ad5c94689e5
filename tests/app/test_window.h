#pragma once
// The window as the tests see it: the in-memory host and batch view, the
// settings the window would hold, and the message boxes it would show.
// Report() turns an outcome into a line or a box as the window does.
#include <string>
#include <vector>

#include "app/basic_job_host.h"
#include "app/job_outcome.h"
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

  std::vector<Message> messages;

 private:
  Settings settings_;
  bool batchMode_ = false;
};

}  // namespace folio::test
