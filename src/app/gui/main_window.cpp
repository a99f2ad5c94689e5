// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEventLoop>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QUrl>
#include <algorithm>
#include <system_error>

#include "app/drop_batch.h"
#include "app/folder_job.h"
#include "app/gui/about_dialog.h"
#include "app/gui/folder_chooser.h"
#include "app/gui/folder_opener.h"
#include "app/gui/open_target.h"
#include "app/gui/options_dialog.h"
#include "app/gui/qt_text.h"
#include "app/gui/status_dialog.h"
#include "folder/photo_listing.h"
#include "platform/files.h"
#include "platform/ini_profile.h"
#include "platform/text.h"
#include "version/version.h"

namespace folio::gui {

namespace {

const QString kTitle = QString::fromUtf16(folio::kWindowTitle);

bool IsFolder(std::u16string_view path) { return folio::IsFolder(folio::ToPath(path)); }

QPushButton* NewButton(const QString& text, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setAutoDefault(false);  // Enter never clicks a button of this window
  return button;
}

// A box that waits for the user shows the ordinary pointer, also when it
// opens during a job (a report at its end, the About box): the wait cursor
// is for the work, not for a question.
class ArrowCursorScope {
 public:
  explicit ArrowCursorScope(bool overWait) : active_(overWait) {
    if (active_) QApplication::setOverrideCursor(Qt::ArrowCursor);
  }
  ~ArrowCursorScope() {
    if (active_) QApplication::restoreOverrideCursor();
  }
  ArrowCursorScope(const ArrowCursorScope&) = delete;
  ArrowCursorScope& operator=(const ArrowCursorScope&) = delete;

 private:
  bool active_;
};

}  // namespace

// Counts a job or drop batch as under way for as long as it runs.
class MainWindow::JobScope {
 public:
  explicit JobScope(MainWindow& window) : window_(window) { ++window_.activeJobs_; }
  ~JobScope() { --window_.activeJobs_; }
  JobScope(const JobScope&) = delete;
  JobScope& operator=(const JobScope&) = delete;

 private:
  MainWindow& window_;
};

MainWindow::MainWindow(std::filesystem::path settingsFile,
                       std::vector<std::u16string> commandLineFolders, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      settingsFile_(std::move(settingsFile)),
      commandLineFolders_(std::move(commandLineFolders)) {
  // One folder is the folder of the box; a batch names its own as it goes.
  if (commandLineFolders_.size() == 1) folderPath_ = commandLineFolders_.front();
  setWindowTitle(kTitle);
  setAcceptDrops(true);

  auto* grid = new QGridLayout(this);
  dropHint_ = new QLabel(tr("Drag and drop a folder of images here"), this);
  dropHint_->setAlignment(Qt::AlignCenter);
  progressBar_ = new QProgressBar(this);
  progressBar_->setTextVisible(false);
  progressBar_->hide();
  grid->addWidget(dropHint_, 0, 0, 1, 3);
  grid->addWidget(progressBar_, 0, 0, 1, 3);
  folderBox_ = new QLineEdit(this);
  folderBox_->setMinimumWidth(180);
  // A folder dropped on the box is a drop on the window, not text to insert.
  folderBox_->setAcceptDrops(false);
  browseButton_ = NewButton(tr("&Browse..."), this);
  grid->addWidget(folderBox_, 1, 0, 1, 2);
  grid->addWidget(browseButton_, 1, 2);
  executeButton_ = NewButton(tr("&Execute"), this);
  openButton_ = NewButton(tr("&Open"), this);
  settingsButton_ = NewButton(tr("&Settings"), this);
  grid->addWidget(executeButton_, 2, 0);
  grid->addWidget(openButton_, 2, 1);
  grid->addWidget(settingsButton_, 2, 2);

  // The system menu's About entry: the window's own context menu, and the
  // Help menu where desktop programs keep it.
  aboutAction_ = new QAction(tr("&About Folioscope..."), this);
  setContextMenuPolicy(Qt::ActionsContextMenu);
  addAction(aboutAction_);
  connect(aboutAction_, &QAction::triggered, this, &MainWindow::showAbout);
  auto* menuBar = new QMenuBar(this);
  helpMenu_ = menuBar->addMenu(tr("&Help"));
  helpMenu_->addAction(aboutAction_);
  grid->setMenuBar(menuBar);

  // Ctrl+Q is the close command (refused while a job runs, as it is).
  auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
  connect(quit, &QShortcut::activated, this, &MainWindow::reject);
  // Enter in the folder box is Execute; elsewhere it clicks nothing.
  connect(folderBox_, &QLineEdit::returnPressed, this, &MainWindow::onExecute);

  connect(browseButton_, &QPushButton::clicked, this, &MainWindow::onBrowse);
  connect(executeButton_, &QPushButton::clicked, this, &MainWindow::onExecute);
  connect(openButton_, &QPushButton::clicked, this, &MainWindow::onOpen);
  connect(settingsButton_, &QPushButton::clicked, this, &MainWindow::onSettings);

  optionsDialog_ = new OptionsDialog(this);
  IniProfile profile(settingsFile_);
  LoadSettings(optionsDialog_->settings(), profile);
  statusDialog_ = new StatusDialog(this);
  statusDialog_->hide();
}

MainWindow::~MainWindow() {
  if (waitCursor_) QApplication::restoreOverrideCursor();
}

Settings& MainWindow::settings() { return optionsDialog_->settings(); }

void MainWindow::takeFolderBox() { folderPath_ = FromQ(folderBox_->text()); }

// ---- JobHost -------------------------------------------------------------

void MainWindow::addStatusLine(std::u16string_view text) { statusDialog_->addStatusLine(text); }

void MainWindow::addFolderLine(std::u16string_view path, int number, int total) {
  statusDialog_->addFolderLine(path, number, total);
}

void MainWindow::messageBox(std::u16string_view text, std::u16string_view caption,
                            MessageIcon icon) {
  shown_.push_back({std::u16string(text), std::u16string(caption), icon});
  QMessageBox box(icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                  ToQ(caption), ToQ(text), QMessageBox::Ok, this);
  ArrowCursorScope arrow(waitCursor_);
  box.exec();
}

std::u16string MainWindow::title() const { return FromQ(windowTitle()); }

void MainWindow::setTitle(std::u16string_view title) { setWindowTitle(ToQ(title)); }

void MainWindow::setProgressRange(int low, int high) {
  // The bar counts from 0; an empty range (one image: 0 to 0) still gets a
  // span of one, since 0 to 0 would make Qt show a busy animation instead.
  progressLow_ = low;
  progressBar_->setRange(0, std::max(1, high - low));
  progressBar_->setValue(0);
}

void MainWindow::setProgressPos(int position) {
  // Positions beyond the end show a full bar.
  const long long offset = static_cast<long long>(position) - progressLow_;
  progressBar_->setValue(
      static_cast<int>(std::clamp<long long>(offset, 0, progressBar_->maximum())));
}

void MainWindow::pumpMessages() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void MainWindow::showJobRunning(bool running) {
  if (running != waitCursor_) {
    if (running)
      QApplication::setOverrideCursor(Qt::WaitCursor);
    else
      QApplication::restoreOverrideCursor();
    waitCursor_ = running;
  }
  dropHint_->setVisible(!running);
  progressBar_->setVisible(running);
  executeButton_->setText(running ? tr("&Cancel") : tr("&Execute"));
}

void MainWindow::clearStatusLog() { statusDialog_->clear(); }
bool MainWindow::running() const { return statusDialog_->running(); }
void MainWindow::setRunning(bool running) { statusDialog_->setRunning(running); }

void MainWindow::setStatusButton(std::u16string_view caption, bool enabled) {
  statusDialog_->button()->setText(ToQ(caption));
  statusDialog_->button()->setEnabled(enabled);
}

void MainWindow::showStatusDialog(bool visible) {
  if (visible) {
    statusDialog_->show();
    statusDialog_->raise();
  } else {
    statusDialog_->hide();
  }
}

void MainWindow::setFolderBox(std::u16string_view text) {
  folderPath_ = text;
  folderBox_->setText(ToQ(text));
}

// ---- Window --------------------------------------------------------------

void MainWindow::keyPressEvent(QKeyEvent* event) {
  // Enter and Escape neither close the window nor start a job.
  if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
      event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void MainWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!firstShow_) return;
  firstShow_ = false;
  folderBox_->setText(ToQ(folderPath_));
  if (!commandLineFolders_.empty()) {
    // Run from the event loop, so that ending the window also ends its loop.
    QMetaObject::invokeMethod(this, &MainWindow::runCommandLine, Qt::QueuedConnection);
    return;
  }
  IniProfile profile(settingsFile_);
  folderPath_ = profile.GetString(u"Setting", u"Directory", u"");
  folderBox_->setText(ToQ(folderPath_));
}

void MainWindow::runSingleJob() {
  JobScope scope(*this);
  batchMode_ = false;
  const FolderRunOutcome run = RunFolderJobLocked(*this, settings(), folderPath_, random_);
  if (run.recovered) showOutcome(*run.recovered);
  showOutcome(run.outcome);
}

void MainWindow::showOutcome(Outcome outcome) {
  const OutcomeText text = Describe(outcome);
  switch (ReportChannelOf(outcome, batchMode_)) {
    case ReportChannel::kStatusLine: addStatusLine(text.statusLine); break;
    case ReportChannel::kMessageBox: messageBox(text.boxText, text.caption, text.icon); break;
    case ReportChannel::kNone: break;
  }
}

void MainWindow::runCommandLine() {
  if (commandLineFolders_.size() > 1) {
    runCommandLineBatch();
  } else if (IsFolder(folderPath_)) {
    runSingleJob();
  } else {
    messageBox(tr("Please drag and drop a folder").toStdU16String(), tr("Error").toStdU16String(),
               MessageIcon::Exclamation);
  }
  QDialog::done(QDialog::Accepted);  // ends without saving the settings
}

void MainWindow::runCommandLineBatch() {
  JobScope scope(*this);
  batchMode_ = true;
  RunDropBatch(*this, *this, settings(), commandLineFolders_, random_);
  batchMode_ = false;
  // The report stays until the user closes it, as a single job's box does;
  // the window refuses everything else meanwhile, as during a job.
  if (!statusDialog_->isVisible()) return;
  QEventLoop wait;
  connect(statusDialog_, &StatusDialog::dismissed, &wait, &QEventLoop::quit);
  wait.exec();
}

void MainWindow::reject() {
  if (jobActive()) return;  // the close command is refused while a job runs
  takeFolderBox();
  // A settings file under ~/.config lies in a folder of its own.
  std::error_code ec;
  std::filesystem::create_directories(settingsFile_.parent_path(), ec);
  IniProfile profile(settingsFile_);
  SaveSettings(settings(), folderPath_, profile);
  QDialog::reject();
}

void MainWindow::showAbout() {
  AboutDialog about(windowTitle(), this);
  ArrowCursorScope arrow(waitCursor_);
  about.exec();
}

void MainWindow::onBrowse() {
  if (jobActive()) return;
  takeFolderBox();
  const QString chosen = ChooseFolder(this, ToQ(folderPath_));
  if (chosen.isEmpty()) return;
  folderPath_ = FromQ(chosen);
  folderBox_->setText(chosen);
}

void MainWindow::onExecute() {
  if (jobActive()) {
    busy_ = false;  // cancels the running job; it stops at its next test
    return;
  }
  takeFolderBox();
  if (!IsFolder(folderPath_)) {
    messageBox(tr("Please choose a folder").toStdU16String(), tr("Error").toStdU16String(),
               MessageIcon::Exclamation);
    return;
  }
  runSingleJob();
}

void MainWindow::onOpen() {
  if (jobActive()) return;
  takeFolderBox();
  const std::u16string target = folio::gui::OpenTarget(settings(), folderPath_);
  if (target.empty()) return;
  folio::gui::OpenOnDesktop(ToQ(target));  // a failure is silent
}

void MainWindow::onSettings() {
  Settings& s = settings();
  if (!jobActive()) {
    optionsDialog_->showSettings();
    optionsDialog_->exec();
    if (PaperSizeFromText(s.compose.PaperSize) == PaperSize::kCustom) {
      s.compose.rememberedCustomHeight = s.compose.CreateJpgHeight;
      s.compose.rememberedCustomWidth = s.compose.CreateJpgWidth;
    }
  }
  if (s.setting.Sort.size() >= 20) s.setting.Sort.clear();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  if (jobActive() || !event->mimeData()->hasUrls()) {
    event->ignore();  // a drop during a job changes nothing
    return;
  }
  std::vector<std::u16string> paths;
  for (const QUrl& url : event->mimeData()->urls()) {
    if (!url.isLocalFile()) continue;
    std::u16string path = WithoutTrailingSeparators(FromQ(url.toLocalFile()));
    // A photo stands for the folder that holds it, once however many of its
    // photos come; any other file is refused by the batch as no folder.
    if (std::optional<std::u16string> folder = FolderOfPhoto(path)) {
      if (std::find(paths.begin(), paths.end(), *folder) != paths.end()) continue;
      path = std::move(*folder);
    }
    paths.push_back(std::move(path));
  }
  if (paths.empty()) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  // The batch runs once the drag has been answered, so the file manager is
  // not held for the length of the batch.
  QMetaObject::invokeMethod(
      this, [this, paths] { runDrop(paths); }, Qt::QueuedConnection);
}

void MainWindow::runDrop(const std::vector<std::u16string>& paths) {
  if (jobActive()) return;
  JobScope scope(*this);
  batchMode_ = true;
  RunDropBatch(*this, *this, settings(), paths, random_);
  batchMode_ = false;
}

}  // namespace folio::gui
