#pragma once
// The main window: folder box, Browse, Execute (Cancel during a job), Open,
// Settings; accepts dropped folders. Jobs run inside the handler that starts
// them and reach the window only through the JobHost interface.
#include <QDialog>
#include <filesystem>
#include <string>
#include <vector>

#include "app/batch_view.h"
#include "app/gui/gdiplus_util.h"
#include "app/job_host.h"
#include "app/job_outcome.h"
#include "settings/settings.h"

class QAction;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class CDlgResult;
class COptionDlg;

class CAboutDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CAboutDlg(const QString& windowTitle, QWidget* parent = nullptr);
  QLabel* titleLabel;  // 1053
  QLabel* dateLabel;   // 1054
};

// A message box as shown, for the tests.
struct ShownMessage {
  std::u16string text;
  std::u16string caption;
  folio::MessageIcon icon;
};

class CFolioscopeDlg : public QDialog, public folio::JobHost, public folio::BatchView {
  Q_OBJECT
 public:
  // `iniPath` is the settings file; `commandLineFolder` (already normalised)
  // makes the window run one job on it when first shown, then end unsaved.
  explicit CFolioscopeDlg(std::filesystem::path iniPath, std::u16string commandLineFolder = {},
                          QWidget* parent = nullptr);
  ~CFolioscopeDlg() override;

  folio::Settings& settings();
  // `FolderPath`: the folder box text as last taken.
  const std::u16string& folderPath() const { return folderPath_; }
  // `BatchMode`: a drop batch runs.
  bool batchMode() const { return batchMode_; }
  void messageBox(std::u16string_view text, std::u16string_view caption, folio::MessageIcon icon);

  // folio::JobHost
  bool busy() const override { return busy_; }
  void setBusy(bool busy) override { busy_ = busy; }
  void showJobRunning(bool running) override;
  std::u16string title() const override;
  void setTitle(std::u16string_view title) override;
  void setProgressRange(int low, int high) override;
  void setProgressPos(int position) override;
  void pumpMessages() override;

  // folio::BatchView
  void clearStatusLog() override;
  void addStatusLine(std::u16string_view text) override;
  void addFolderLine(std::u16string_view path, int number, int total) override;
  bool running() const override;
  void setRunning(bool running) override;
  void setStatusButton(std::u16string_view caption, bool enabled) override;
  void showStatusDialog(bool visible) override;
  void setFolderBox(std::u16string_view text) override;

  // The close command: refused while a job runs, else saves and ends.
  void reject() override;

  // The widgets, for the tests and the screenshots.
  QLabel* dropHint() const { return hint_; }
  QProgressBar* progressBar() const { return progress_; }
  QLineEdit* folderBox() const { return folderBox_; }
  QPushButton* browseButton() const { return browse_; }
  QPushButton* executeButton() const { return execute_; }
  QPushButton* openButton() const { return open_; }
  QPushButton* settingsButton() const { return settingsButton_; }
  QAction* aboutAction() const { return about_; }
  CDlgResult* statusDialog() const { return result_; }
  COptionDlg* optionDialog() const { return options_; }
  // Every message box shown, in order.
  const std::vector<ShownMessage>& shownMessages() const { return shown_; }

  void showAbout();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  class JobScope;
  bool jobActive() const { return busy_ || activeJobs_ > 0; }
  void takeFolderBox();
  void onBrowse();
  void onExecute();
  void onOpen();
  void onSettings();
  void runCommandLine();
  void runDrop(const std::vector<std::u16string>& paths);
  // Runs the job of the mode on `folderPath_` outside a batch and shows its outcome.
  void runSingleJob();
  void showOutcome(folio::Outcome outcome);

  GdiplusUtil gdiplus_;
  std::filesystem::path iniPath_;
  std::u16string folderPath_;  // `FolderPath`: the folder box text
  bool busy_ = false;          // `Busy`
  bool batchMode_ = false;     // `BatchMode`
  // Jobs and drop batches under way. A cancel clears `Busy` while the job is
  // still unwinding through a pump; no new job may start inside it.
  int activeJobs_ = 0;
  bool firstShow_ = true;
  bool commandLineRun_ = false;
  bool waitCursor_ = false;
  int progressLow_ = 0;
  std::vector<ShownMessage> shown_;

  QLabel* hint_;
  QProgressBar* progress_;
  QLineEdit* folderBox_;
  QPushButton* browse_;
  QPushButton* execute_;
  QPushButton* open_;
  QPushButton* settingsButton_;
  QAction* about_;
  COptionDlg* options_;
  CDlgResult* result_;
};
