// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The parts of the window that only a drop batch drives: the status dialog
// with its log, its button and the `Running` flag, and the folder box.
#include <string_view>

namespace folio {

class BatchView {
 public:
  virtual ~BatchView() = default;

  virtual void clearStatusLog() = 0;
  // A log line indented by four spaces.
  virtual void addStatusLine(std::u16string_view text) = 0;
  // "path (number/total)", not indented.
  virtual void addFolderLine(std::u16string_view path, int number, int total) = 0;
  // `Running`: the batch may go on with the next folder; the status
  // dialog's button clears it.
  virtual bool running() const = 0;
  virtual void setRunning(bool running) = 0;
  virtual void setStatusButton(std::u16string_view caption, bool enabled) = 0;
  virtual void showStatusDialog(bool visible) = 0;
  // The folder box text, which is also the folder Open and Execute take.
  virtual void setFolderBox(std::u16string_view text) = 0;
};

}  // namespace folio
