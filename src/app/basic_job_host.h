#pragma once
// A window kept in memory: the busy flag, the title and the progress of the
// jobs, and the status log, `Running` and folder box of a batch. The command
// line and the tests build on it; hooks let them echo lines or cancel at a
// chosen moment.
#include <functional>
#include <string>
#include <vector>

#include "app/batch_view.h"
#include "app/job_host.h"

namespace folio {

class BasicJobHost : public JobHost, public BatchView {
 public:
  // JobHost
  bool busy() const override { return busy_; }
  void setBusy(bool busy) override { busy_ = busy; }
  void showJobRunning(bool running) override { jobUiRunning_ = running; }
  std::u16string title() const override { return title_; }
  void setTitle(std::u16string_view title) override;
  void setProgressRange(int low, int high) override {
    progressLow_ = low;
    progressHigh_ = high;
  }
  void setProgressPos(int position) override { progressPos_ = position; }
  // Counts the pumps and runs `onPump`, where a test can cancel.
  void pumpMessages() override;

  // BatchView
  void clearStatusLog() override { statusLines_.clear(); }
  void addStatusLine(std::u16string_view text) override;
  void addFolderLine(std::u16string_view path, int number, int total) override;
  bool running() const override { return running_; }
  void setRunning(bool running) override { running_ = running; }
  void setStatusButton(std::u16string_view caption, bool enabled) override {
    statusButton_ = caption;
    statusButtonEnabled_ = enabled;
  }
  void showStatusDialog(bool visible) override { statusVisible_ = visible; }
  void setFolderBox(std::u16string_view text) override { folderBox_ = text; }

  // A line as it is, without indent (the status dialog's own cancel line).
  void addPlainLine(std::u16string_view text);

  // What happened, for the command line and the tests.
  const std::vector<std::u16string>& statusLines() const { return statusLines_; }
  // Every title set, while the history is kept (for the tests): a run of
  // the command line sets one a photo and does not keep them.
  const std::vector<std::u16string>& titles() const { return titles_; }
  void keepTitleHistory(bool keep) { keepTitles_ = keep; }
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

 private:
  bool busy_ = false;
  bool running_ = false;
  std::vector<std::u16string> statusLines_;
  std::u16string title_ = u"Folioscope Ver3.75";
  std::vector<std::u16string> titles_;
  bool keepTitles_ = true;
  int progressLow_ = 0, progressHigh_ = 0, progressPos_ = 0;
  int pumps_ = 0;
  bool jobUiRunning_ = false;
  std::u16string statusButton_ = u"OK";
  bool statusButtonEnabled_ = true;
  bool statusVisible_ = false;
  std::u16string folderBox_;
};

}  // namespace folio
