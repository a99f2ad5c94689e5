// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: folder box, Browse, Execute (Cancel during a job), Open,
// Settings; accepts dropped folders. Jobs run inside the handler that starts
// them and reach the window only through the JobHost interface.
//
// A QDialog, run with exec(): its close command is reject(), refused while
// a job runs, and a command-line run ends it with done().
#include <QDialog>
#include <filesystem>
#include <string>
#include <vector>

#include "app/batch_view.h"
#include "app/job_host.h"
#include "app/job_outcome.h"
#include "platform/random_generator.h"
#include "settings/coded_values.h"
#include "settings/settings.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;

namespace folio::gui {

class OptionsDialog;
class StatusDialog;

// A message box as shown, for the tests.
struct ShownMessage {
  std::u16string text;
  std::u16string caption;
  MessageIcon icon;
};

class MainWindow : public QDialog, public JobHost, public BatchView {
  Q_OBJECT
 public:
  // `settingsFile` is read now and written at close. `commandLineFolders`
  // (already normalised) make the window run them when first shown, one
  // folder as a job, several as one batch like a drop, then end unsaved.
  explicit MainWindow(std::filesystem::path settingsFile,
                      std::vector<std::u16string> commandLineFolders = {},
                      QWidget* parent = nullptr);
  ~MainWindow() override;

  Settings& settings();
  // `FolderPath`: the folder box text as last taken.
  const std::u16string& folderPath() const { return folderPath_; }
  // `BatchMode`: a drop batch runs.
  bool batchMode() const { return batchMode_; }
  void messageBox(std::u16string_view text, std::u16string_view caption, MessageIcon icon);

  // JobHost
  bool busy() const override { return busy_; }
  void setBusy(bool busy) override { busy_ = busy; }
  void showJobRunning(bool running) override;
  std::u16string title() const override;
  void setTitle(std::u16string_view title) override;
  void setProgressRange(int low, int high) override;
  void setProgressPos(int position) override;
  void pumpMessages() override;

  // BatchView
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
  QLabel* dropHint() const { return dropHint_; }
  QProgressBar* progressBar() const { return progressBar_; }
  QLineEdit* folderBox() const { return folderBox_; }
  QPushButton* browseButton() const { return browseButton_; }
  QPushButton* executeButton() const { return executeButton_; }
  QPushButton* openButton() const { return openButton_; }
  QPushButton* settingsButton() const { return settingsButton_; }
  QAction* aboutAction() const { return aboutAction_; }
  QMenu* helpMenu() const { return helpMenu_; }
  StatusDialog* statusDialog() const { return statusDialog_; }
  OptionsDialog* optionsDialog() const { return optionsDialog_; }
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
  void runCommandLineBatch();
  void runDrop(const std::vector<std::u16string>& paths);
  // Runs the job of the mode on `folderPath_` outside a batch and shows its outcome.
  void runSingleJob();
  void showOutcome(Outcome outcome);

  std::filesystem::path settingsFile_;
  std::vector<std::u16string> commandLineFolders_;
  std::u16string folderPath_;  // `FolderPath`: the folder box text
  bool busy_ = false;          // `Busy`
  bool batchMode_ = false;     // `BatchMode`
  // Jobs and drop batches under way. A cancel clears `Busy` while the job is
  // still unwinding through a pump; no new job may start inside it.
  int activeJobs_ = 0;
  bool firstShow_ = true;
  bool waitCursor_ = false;
  int progressLow_ = 0;
  std::vector<ShownMessage> shown_;
  // The photos' random order, seeded once at start: every job of this run
  // of the program, dropped or executed, goes on from the one before.
  folio::RandomGenerator random_;

  QLabel* dropHint_;
  QProgressBar* progressBar_;
  QLineEdit* folderBox_;
  QPushButton* browseButton_;
  QPushButton* executeButton_;
  QPushButton* openButton_;
  QPushButton* settingsButton_;
  QAction* aboutAction_;
  QMenu* helpMenu_;
  OptionsDialog* optionsDialog_;
  StatusDialog* statusDialog_;
};

}  // namespace folio::gui
