#pragma once
// A JobHost that keeps everything in memory: the status lines, the flags,
// the title and the progress. The command line and the tests build on it;
// hooks let them echo lines or cancel at a chosen moment.
#include <functional>
#include <string>
#include <vector>

#include "app/job_host.h"

namespace folio {

struct ShownMessage {
  std::u16string text;
  std::u16string caption;
  MessageIcon icon;
};

class BasicJobHost : public JobHost {
 public:
  BasicJobHost() = default;
  explicit BasicJobHost(Settings settings) : settings_(std::move(settings)) {}

  Settings& settings() override { return settings_; }
  const std::u16string& folderPath() const override { return folderPath_; }
  void setFolderPath(std::u16string_view path) override { folderPath_ = path; }
  bool busy() const override { return busy_; }
  void setBusy(bool busy) override { busy_ = busy; }
  bool batchMode() const override { return batchMode_; }
  void setBatchMode(bool batch) override { batchMode_ = batch; }

  void addStatusLine(std::u16string_view text) override;
  void addFolderLine(std::u16string_view path, int number, int total) override;
  // A line as it is, without indent (the status dialog's own cancel line).
  void addPlainLine(std::u16string_view text);
  void messageBox(std::u16string_view text, std::u16string_view caption,
                  MessageIcon icon) override;

  std::u16string title() const override { return title_; }
  void setTitle(std::u16string_view title) override { title_ = title; }
  void setProgressRange(int low, int high) override { progressLow_ = low; progressHigh_ = high; }
  void setProgressPos(int position) override { progressPos_ = position; }
  // Counts the pumps and runs `onPump`, where a test can cancel.
  void pumpMessages() override;

  void showJobRunning(bool running) override { jobUiRunning_ = running; }
  void showDropHint() override { jobUiRunning_ = false; }

  void clearStatusLog() override { statusLines_.clear(); }
  bool running() const override { return running_; }
  void setRunning(bool running) override { running_ = running; }
  void setStatusButton(std::u16string_view caption, bool enabled) override {
    statusButton_ = caption;
    statusButtonEnabled_ = enabled;
  }
  void showStatusDialog(bool visible) override { statusVisible_ = visible; }
  void setFolderBox(std::u16string_view text) override { folderBox_ = text; }

  // What happened, for the command line and the tests.
  const std::vector<std::u16string>& statusLines() const { return statusLines_; }
  const std::vector<ShownMessage>& messages() const { return messages_; }
  int pumps() const { return pumps_; }
  int progressLow() const { return progressLow_; }
  int progressHigh() const { return progressHigh_; }
  int progressPos() const { return progressPos_; }
  bool jobUiRunning() const { return jobUiRunning_; }
  const std::u16string& statusButton() const { return statusButton_; }
  bool statusButtonEnabled() const { return statusButtonEnabled_; }
  bool statusVisible() const { return statusVisible_; }
  const std::u16string& folderBox() const { return folderBox_; }

  std::function<void(BasicJobHost&)> onPump;
  std::function<void(std::u16string_view line)> onLine;  // every line as added
  std::function<void(const ShownMessage&)> onMessage;

 private:
  Settings settings_;
  std::u16string folderPath_;
  bool busy_ = false;
  bool batchMode_ = false;
  bool running_ = false;
  std::vector<std::u16string> statusLines_;
  std::vector<ShownMessage> messages_;
  std::u16string title_ = u"Folioscope Ver3.75";
  int progressLow_ = 0, progressHigh_ = 0, progressPos_ = 0;
  int pumps_ = 0;
  bool jobUiRunning_ = false;
  std::u16string statusButton_ = u"OK";
  bool statusButtonEnabled_ = true;
  bool statusVisible_ = false;
  std::u16string folderBox_;
};

}  // namespace folio
