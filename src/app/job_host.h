#pragma once
// What a folder job needs of the window that runs it: the settings, the
// folder, the busy and batch flags, the status log, message boxes, the title,
// the progress bar and the message pump. The desktop window, the headless
// command line and the tests each implement it; jobs never see Qt Widgets.
#include <string>
#include <string_view>

#include "platform/text.h"
#include "settings/settings.h"

namespace folio {

enum class MessageIcon { None, Exclamation };

class JobHost {
 public:
  virtual ~JobHost() = default;

  virtual Settings& settings() = 0;
  virtual const std::u16string& folderPath() const = 0;
  virtual void setFolderPath(std::u16string_view path) = 0;

  // `Busy`: a job runs; cleared by the user to cancel it.
  virtual bool busy() const = 0;
  virtual void setBusy(bool busy) = 0;
  // `BatchMode`: a drop batch runs, so outcomes go to the status log.
  virtual bool batchMode() const = 0;
  virtual void setBatchMode(bool batch) = 0;

  // Status log: AddStatusLine indents by four spaces, AddFolderLine does not.
  virtual void addStatusLine(std::u16string_view text) = 0;
  virtual void addFolderLine(std::u16string_view path, int number, int total) = 0;

  virtual void messageBox(std::u16string_view text, std::u16string_view caption,
                          MessageIcon icon) = 0;

  virtual std::u16string title() const = 0;
  virtual void setTitle(std::u16string_view title) = 0;

  virtual void setProgressRange(int low, int high) = 0;
  virtual void setProgressPos(int position) = 0;
  // Lets the window handle clicks and drops between images.
  virtual void pumpMessages() = 0;

  // The window's busy look: wait cursor, progress bar instead of the drop
  // hint, Execute captioned "キャンセル(&C)"; and back to idle.
  virtual void showJobRunning(bool running) = 0;
  // The drop hint shown again (the rewind does this).
  virtual void showDropHint() = 0;

  // The status dialog of a drop batch.
  virtual void clearStatusLog() = 0;
  virtual bool running() const = 0;  // `Running`: the batch may go on
  virtual void setRunning(bool running) = 0;
  virtual void setStatusButton(std::u16string_view caption, bool enabled) = 0;
  virtual void showStatusDialog(bool visible) = 0;
  // The folder box text.
  virtual void setFolderBox(std::u16string_view text) = 0;
};

// Reports an outcome through the channel `BatchMode` selects: a status line
// in a batch, else a message box with the given caption and icon.
inline void ReportOutcome(JobHost& host, std::u16string_view statusLine,
                          std::u16string_view boxText, std::u16string_view caption,
                          MessageIcon icon) {
  if (host.batchMode())
    host.addStatusLine(statusLine);
  else
    host.messageBox(boxText, caption, icon);
}

// "Folioscope (%d/%d)", the title of the window while a job runs.
inline std::u16string ProgressTitle(int done, int total) {
  return FormatText(u"Folioscope (%d/%d)", {DecimalText(done), DecimalText(total)});
}

inline constexpr std::u16string_view kCancelledLine = u"キャンセル：処理がキャンセルされました";

}  // namespace folio
