// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a running job needs of the window that runs it: the busy flag its
// user clears to cancel, the busy look, the title, the progress bar and the
// message pump. The desktop window, the headless command line and the tests
// each implement it; jobs never see Qt Widgets.
#include <string>
#include <string_view>

namespace folio {

class JobHost {
 public:
  virtual ~JobHost() = default;

  // `Busy`: a job runs; cleared by the user to cancel it.
  virtual bool busy() const = 0;
  virtual void setBusy(bool busy) = 0;
  // The window's busy look: wait cursor, progress bar instead of the drop
  // hint, Execute captioned "キャンセル(&C)"; and back to idle.
  virtual void showJobRunning(bool running) = 0;

  virtual std::u16string title() const = 0;
  virtual void setTitle(std::u16string_view title) = 0;
  virtual void setProgressRange(int low, int high) = 0;
  virtual void setProgressPos(int position) = 0;
  // After each image, `done` of `total`: for a window that shows more than
  // the title and the bar (the terminal line of the command line).
  virtual void showProgress(int /*done*/, int /*total*/) {}
  // Lets the window handle clicks and drops between images.
  virtual void pumpMessages() = 0;
};

}  // namespace folio
