// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window without widgets: `Busy`, `Running` and the title kept in memory,
// and the status log's lines formed as the status dialog forms them and
// handed on as they come. The command line prints them; the tests keep them.
#include <string>
#include <string_view>

#include "app/batch_view.h"
#include "app/job_host.h"

namespace folio {

class HeadlessWindow : public JobHost, public BatchView {
 public:
  HeadlessWindow();

  // JobHost: no cursor, no bar, no queue to drain.
  bool busy() const override { return busy_; }
  void setBusy(bool busy) override { busy_ = busy; }
  void showJobRunning(bool /*running*/) override {}
  std::u16string title() const override { return title_; }
  void setTitle(std::u16string_view title) override { title_ = title; }
  void setProgressRange(int /*low*/, int /*high*/) override {}
  void setProgressPos(int /*position*/) override {}
  void pumpMessages() override {}

  // BatchView: no dialog to show, no folder box.
  void clearStatusLog() override {}
  void addStatusLine(std::u16string_view text) override;
  void addFolderLine(std::u16string_view path, int number, int total) override;
  bool running() const override { return running_; }
  void setRunning(bool running) override { running_ = running; }
  void setStatusButton(std::u16string_view /*caption*/, bool /*enabled*/) override {}
  void showStatusDialog(bool /*visible*/) override {}
  void setFolderBox(std::u16string_view /*text*/) override {}

  // A line as it is, without indent (the status dialog's own cancel line).
  void addPlainLine(std::u16string_view text) { takeLine(text); }

 protected:
  // Every line of the status log, as it would read there.
  virtual void takeLine(std::u16string_view line) = 0;

 private:
  bool busy_ = false;
  bool running_ = false;
  std::u16string title_;
};

}  // namespace folio
