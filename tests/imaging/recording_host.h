#pragma once
// A JobHost that records what a job reports, for the imaging tests (this
// test program links the imaging layer only, not the app library that holds
// BasicJobHost). `onPump` lets a test cancel at a chosen moment.
#include <functional>
#include <string>
#include <vector>

#include "app/job_host.h"

namespace folio::test {

class RecordingHost : public JobHost {
 public:
  struct Message {
    std::u16string text, caption;
    MessageIcon icon;
  };

  Settings& settings() override { return settings_; }
  const std::u16string& folderPath() const override { return folderPath_; }
  void setFolderPath(std::u16string_view path) override { folderPath_ = path; }
  bool busy() const override { return busy_; }
  void setBusy(bool busy) override { busy_ = busy; }
  bool batchMode() const override { return batchMode_; }
  void setBatchMode(bool batch) override { batchMode_ = batch; }
  void addStatusLine(std::u16string_view text) override {
    statusLines.push_back(u"    " + std::u16string(text));
  }
  void addFolderLine(std::u16string_view, int, int) override {}
  void messageBox(std::u16string_view text, std::u16string_view caption,
                  MessageIcon icon) override {
    messages.push_back({std::u16string(text), std::u16string(caption), icon});
  }
  std::u16string title() const override { return title_; }
  void setTitle(std::u16string_view title) override {
    title_ = title;
    titles.push_back(title_);
  }
  void setProgressRange(int, int) override {}
  void setProgressPos(int position) override { progressPos = position; }
  void pumpMessages() override {
    ++pumps;
    if (onPump) onPump(*this);
  }
  void showJobRunning(bool) override {}
  void showDropHint() override {}
  void clearStatusLog() override { statusLines.clear(); }
  bool running() const override { return false; }
  void setRunning(bool) override {}
  void setStatusButton(std::u16string_view, bool) override {}
  void showStatusDialog(bool) override {}
  void setFolderBox(std::u16string_view) override {}

  std::vector<std::u16string> statusLines;
  std::vector<Message> messages;
  std::vector<std::u16string> titles;  // every title set, in order
  int pumps = 0;
  int progressPos = 0;
  std::function<void(RecordingHost&)> onPump;

 private:
  Settings settings_;
  std::u16string folderPath_;
  bool busy_ = true;
  bool batchMode_ = false;
  std::u16string title_ = u"Folioscope";
};

}  // namespace folio::test
