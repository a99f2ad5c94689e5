// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window as a test watches it: the headless window with every line,
// title, pump and progress step kept, the state of the status dialog and the
// folder box, and a hook at each pump where a test can cancel.
#include <functional>
#include <string>
#include <vector>

#include "app/headless_window.h"

namespace folio::test {

class TestHost : public HeadlessWindow {
 public:
  // JobHost
  void showJobRunning(bool running) override { jobUiRunning_ = running; }
  void setTitle(std::u16string_view title) override {
    HeadlessWindow::setTitle(title);
    titles_.emplace_back(title);
  }
  void setProgressRange(int low, int high) override {
    progressLow_ = low;
    progressHigh_ = high;
  }
  void setProgressPos(int position) override { progressPos_ = position; }
  // Counts the pumps and runs `onPump`.
  void pumpMessages() override {
    ++pumps_;
    if (onPump) onPump(*this);
  }

  // BatchView
  void clearStatusLog() override { statusLines_.clear(); }
  void setStatusButton(std::u16string_view caption, bool enabled) override {
    statusButton_ = caption;
    statusButtonEnabled_ = enabled;
  }
  void showStatusDialog(bool visible) override { statusVisible_ = visible; }
  void setFolderBox(std::u16string_view text) override { folderBox_ = text; }

  const std::vector<std::u16string>& statusLines() const { return statusLines_; }
  // Every title set, in order.
  const std::vector<std::u16string>& titles() const { return titles_; }
  int pumps() const { return pumps_; }
  int progressLow() const { return progressLow_; }
  int progressHigh() const { return progressHigh_; }
  int progressPos() const { return progressPos_; }
  bool jobUiRunning() const { return jobUiRunning_; }
  const std::u16string& statusButton() const { return statusButton_; }
  bool statusButtonEnabled() const { return statusButtonEnabled_; }
  bool statusVisible() const { return statusVisible_; }
  const std::u16string& folderBox() const { return folderBox_; }

  std::function<void(TestHost&)> onPump;

 protected:
  void takeLine(std::u16string_view line) override { statusLines_.emplace_back(line); }

 private:
  std::vector<std::u16string> statusLines_;
  std::vector<std::u16string> titles_;
  int progressLow_ = 0, progressHigh_ = 0, progressPos_ = 0;
  int pumps_ = 0;
  bool jobUiRunning_ = false;
  std::u16string statusButton_ = u"OK";
  bool statusButtonEnabled_ = true;
  bool statusVisible_ = false;
  std::u16string folderBox_;
};

}  // namespace folio::test
