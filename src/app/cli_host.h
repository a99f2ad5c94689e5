// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The job host of folioscope-cli. Ctrl-C acts as the window's buttons would:
// each press is taken once, at the next pump of the running job. The first
// press cancels that job (the batch goes on with the next folder, as after
// the Execute button's cancel); a later press also stops the batch after the
// current folder (as the status dialog's button does); the third press ends
// the program at once. SIGTERM and SIGHUP cancel the running job, which is
// undone as after a cancel, and stop the batch.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <functional>
#include <string_view>
#include <utility>

#include "app/headless_window.h"

namespace folio {

// Catches SIGINT, SIGTERM and SIGHUP for its lifetime, counting from 0, and
// puts the previous handlers back at its end.
class InterruptCatcher {
 public:
  InterruptCatcher();
  ~InterruptCatcher();
  InterruptCatcher(const InterruptCatcher&) = delete;
  InterruptCatcher& operator=(const InterruptCatcher&) = delete;

  // Ctrl-C presses so far.
  static int count();
  // A SIGTERM or SIGHUP came.
  static bool terminated();

 private:
  void (*previousInt_)(int);
  void (*previousTerm_)(int);
  void (*previousHup_)(int);
};

class CliHost : public HeadlessWindow {
 public:
  // Every line of the status log goes to `printLine` as it comes.
  explicit CliHost(std::function<void(std::u16string_view line)> printLine)
      : printLine_(std::move(printLine)) {}
  ~CliHost() override { ClearProgress(); }
  void pumpMessages() override;
  void showProgress(int done, int total) override;
  void addFolderLine(std::u16string_view path, int number, int total) override;

  // Where the progress line goes (a terminal); none when null.
  void showProgressOn(std::FILE* terminal) { terminal_ = terminal; }
  // A SIGTERM or SIGHUP stopped the batch (and cancelled its running job).
  bool terminationTaken() const { return terminationTaken_; }

 protected:
  void takeLine(std::u16string_view line) override;

 private:
  void ClearProgress();

  std::function<void(std::u16string_view line)> printLine_;
  int pressesTaken_ = 0;
  bool terminationTaken_ = false;
  std::FILE* terminal_ = nullptr;
  int folderNumber_ = 0, folderTotal_ = 0;
  std::chrono::steady_clock::time_point folderStart_;
  bool lineShown_ = false;
};

}  // namespace folio
