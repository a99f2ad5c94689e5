#include "app/gui/folioscope_dlg.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <system_error>

#include "app/drop_batch.h"
#include "app/folder_job.h"
#include "app/gui/dlg_result.h"
#include "app/gui/shell_rules.h"
#include "options/option_dlg.h"
#include "options/widget_util.h"
#include "platform/files.h"
#include "platform/ini_profile.h"
#include "platform/text.h"

using folio::gui::FromQ;
using folio::gui::ToQ;

namespace {

const QString kTitle = QStringLiteral("Folioscope Ver3.75");
const QString kExecute = QStringLiteral("実行(&C)");
const QString kCancel = QStringLiteral("キャンセル(&C)");

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
class CFolioscopeDlg::JobScope {
 public:
  explicit JobScope(CFolioscopeDlg& dlg) : dlg_(dlg) { ++dlg_.activeJobs_; }
  ~JobScope() { --dlg_.activeJobs_; }
  JobScope(const JobScope&) = delete;
  JobScope& operator=(const JobScope&) = delete;

 private:
  CFolioscopeDlg& dlg_;
};

CAboutDlg::CAboutDlg(const QString& windowTitle, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("バージョン情報 Folioscope"));
  auto* layout = new QHBoxLayout(this);
  auto* icon = new QLabel(this);
  icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
  layout->addWidget(icon, 0, Qt::AlignTop);
  auto* texts = new QVBoxLayout;
  titleLabel = new QLabel(windowTitle, this);
  titleLabel->setTextFormat(Qt::PlainText);
  dateLabel =
      new QLabel(QStringLiteral("Kirameki ") + ToQ(folio::gui::BuildDateText(__DATE__)), this);
  dateLabel->setTextFormat(Qt::PlainText);
  texts->addWidget(titleLabel);
  texts->addWidget(dateLabel);
  texts->addStretch();
  layout->addLayout(texts, 1);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setDefault(true);
  layout->addWidget(ok, 0, Qt::AlignTop);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

CFolioscopeDlg::CFolioscopeDlg(std::filesystem::path iniPath, std::u16string commandLineFolder,
                               QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      iniPath_(std::move(iniPath)),
      folderPath_(std::move(commandLineFolder)) {
  setWindowTitle(kTitle);
  setAcceptDrops(true);

  auto* grid = new QGridLayout(this);
  hint_ = new QLabel(QStringLiteral("画像の入ったフォルダをここにドラッグ＆ドロップ"), this);
  hint_->setAlignment(Qt::AlignCenter);
  progress_ = new QProgressBar(this);
  progress_->setTextVisible(false);
  progress_->hide();
  grid->addWidget(hint_, 0, 0, 1, 3);
  grid->addWidget(progress_, 0, 0, 1, 3);
  folderBox_ = new QLineEdit(this);
  folderBox_->setMinimumWidth(180);
  // A folder dropped on the box is a drop on the window, not text to insert.
  folderBox_->setAcceptDrops(false);
  browse_ = NewButton(QStringLiteral("参照(&F)"), this);
  grid->addWidget(folderBox_, 1, 0, 1, 2);
  grid->addWidget(browse_, 1, 2);
  execute_ = NewButton(kExecute, this);
  open_ = NewButton(QStringLiteral("開く(&O)"), this);
  settingsButton_ = NewButton(QStringLiteral("設定(&S)"), this);
  grid->addWidget(execute_, 2, 0);
  grid->addWidget(open_, 2, 1);
  grid->addWidget(settingsButton_, 2, 2);

  // The system menu's About entry: the window's own context menu here.
  about_ = new QAction(QStringLiteral("バージョン情報 Folioscope(&A)..."), this);
  setContextMenuPolicy(Qt::ActionsContextMenu);
  addAction(about_);
  connect(about_, &QAction::triggered, this, &CFolioscopeDlg::showAbout);

  connect(browse_, &QPushButton::clicked, this, &CFolioscopeDlg::onBrowse);
  connect(execute_, &QPushButton::clicked, this, &CFolioscopeDlg::onExecute);
  connect(open_, &QPushButton::clicked, this, &CFolioscopeDlg::onOpen);
  connect(settingsButton_, &QPushButton::clicked, this, &CFolioscopeDlg::onSettings);

  options_ = new COptionDlg(this);
  folio::IniProfile profile(iniPath_);
  folio::LoadSettings(options_->settings(), profile);
  result_ = new CDlgResult(this);
  result_->hide();
}

CFolioscopeDlg::~CFolioscopeDlg() {
  if (waitCursor_) QApplication::restoreOverrideCursor();
}

folio::Settings& CFolioscopeDlg::settings() { return options_->settings(); }

void CFolioscopeDlg::takeFolderBox() { folderPath_ = FromQ(folderBox_->text()); }

// ---- JobHost -------------------------------------------------------------

void CFolioscopeDlg::addStatusLine(std::u16string_view text) { result_->AddStatusLine(text); }

void CFolioscopeDlg::addFolderLine(std::u16string_view path, int number, int total) {
  result_->AddFolderLine(path, number, total);
}

void CFolioscopeDlg::messageBox(std::u16string_view text, std::u16string_view caption,
                                folio::MessageIcon icon) {
  shown_.push_back({std::u16string(text), std::u16string(caption), icon});
  QMessageBox box(
      icon == folio::MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
      ToQ(caption), ToQ(text), QMessageBox::Ok, this);
  ArrowCursorScope arrow(waitCursor_);
  box.exec();
}

std::u16string CFolioscopeDlg::title() const { return FromQ(windowTitle()); }

void CFolioscopeDlg::setTitle(std::u16string_view title) { setWindowTitle(ToQ(title)); }

void CFolioscopeDlg::setProgressRange(int low, int high) {
  // The bar counts from 0; an empty range (one image: 0 to 0) still gets a
  // span of one, since 0 to 0 would make Qt show a busy animation instead.
  progressLow_ = low;
  progress_->setRange(0, std::max(1, high - low));
  progress_->setValue(0);
}

void CFolioscopeDlg::setProgressPos(int position) {
  // Positions beyond the end show a full bar.
  const long long offset = static_cast<long long>(position) - progressLow_;
  progress_->setValue(static_cast<int>(std::clamp<long long>(offset, 0, progress_->maximum())));
}

void CFolioscopeDlg::pumpMessages() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void CFolioscopeDlg::showJobRunning(bool running) {
  if (running != waitCursor_) {
    if (running)
      QApplication::setOverrideCursor(Qt::WaitCursor);
    else
      QApplication::restoreOverrideCursor();
    waitCursor_ = running;
  }
  hint_->setVisible(!running);
  progress_->setVisible(running);
  execute_->setText(running ? kCancel : kExecute);
}

void CFolioscopeDlg::clearStatusLog() { result_->Clear(); }
bool CFolioscopeDlg::running() const { return result_->running(); }
void CFolioscopeDlg::setRunning(bool running) { result_->setRunning(running); }

void CFolioscopeDlg::setStatusButton(std::u16string_view caption, bool enabled) {
  result_->button()->setText(ToQ(caption));
  result_->button()->setEnabled(enabled);
}

void CFolioscopeDlg::showStatusDialog(bool visible) {
  if (visible) {
    result_->show();
    result_->raise();
  } else {
    result_->hide();
  }
}

void CFolioscopeDlg::setFolderBox(std::u16string_view text) {
  folderPath_ = text;
  folderBox_->setText(ToQ(text));
}

// ---- Window --------------------------------------------------------------

void CFolioscopeDlg::keyPressEvent(QKeyEvent* event) {
  // Enter and Escape neither close the window nor start a job.
  if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
      event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void CFolioscopeDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!firstShow_) return;
  firstShow_ = false;
  folderBox_->setText(ToQ(folderPath_));
  if (!folderPath_.empty()) {
    commandLineRun_ = true;
    // Run from the event loop, so that ending the window also ends its loop.
    QMetaObject::invokeMethod(this, &CFolioscopeDlg::runCommandLine, Qt::QueuedConnection);
    return;
  }
  folio::IniProfile profile(iniPath_);
  folderPath_ = profile.GetString(u"Setting", u"Directory", u"");
  folderBox_->setText(ToQ(folderPath_));
}

void CFolioscopeDlg::runSingleJob() {
  JobScope scope(*this);
  batchMode_ = false;
  if (const std::optional<folio::Outcome> recovered = folio::RecoverFolder(folderPath_))
    showOutcome(*recovered);
  showOutcome(folio::RunFolderJob(*this, settings(), folderPath_));
}

void CFolioscopeDlg::showOutcome(folio::Outcome outcome) {
  const folio::OutcomeText text = folio::Describe(outcome);
  if (text.statusLine.empty() || text.batchOnly) return;
  // An outcome without a box (a cancel) still goes to the log.
  if (text.boxText.empty())
    addStatusLine(text.statusLine);
  else
    messageBox(text.boxText, text.caption, text.icon);
}

void CFolioscopeDlg::runCommandLine() {
  if (IsFolder(folderPath_)) {
    runSingleJob();
  } else {
    messageBox(u"フォルダをドラッグ＆ドロップしてください", u"エラー",
               folio::MessageIcon::Exclamation);
  }
  QDialog::done(QDialog::Accepted);  // ends without saving the settings
}

void CFolioscopeDlg::reject() {
  if (jobActive()) return;  // the close command is refused while a job runs
  takeFolderBox();
  // A settings file under ~/.config lies in a folder of its own.
  std::error_code ec;
  std::filesystem::create_directories(iniPath_.parent_path(), ec);
  folio::IniProfile profile(iniPath_);
  folio::SaveSettings(settings(), folderPath_, profile);
  QDialog::reject();
}

void CFolioscopeDlg::showAbout() {
  CAboutDlg about(windowTitle(), this);
  ArrowCursorScope arrow(waitCursor_);
  about.exec();
}

void CFolioscopeDlg::onBrowse() {
  if (jobActive()) return;
  takeFolderBox();
  const QString chosen = folio::gui::ChooseFolder(this, ToQ(folderPath_));
  if (chosen.isEmpty()) return;
  folderPath_ = FromQ(chosen);
  folderBox_->setText(chosen);
}

void CFolioscopeDlg::onExecute() {
  if (jobActive()) {
    busy_ = false;  // cancels the running job; it stops at its next test
    return;
  }
  takeFolderBox();
  if (!IsFolder(folderPath_)) {
    messageBox(u"フォルダを指定してください", u"エラー", folio::MessageIcon::Exclamation);
    return;
  }
  runSingleJob();
}

void CFolioscopeDlg::onOpen() {
  if (jobActive()) return;
  takeFolderBox();
  const std::u16string target = folio::gui::OpenTarget(settings(), folderPath_);
  if (target.empty()) return;
  QDesktopServices::openUrl(QUrl::fromLocalFile(ToQ(target)));  // a failure is silent
}

void CFolioscopeDlg::onSettings() {
  folio::Settings& s = settings();
  if (!jobActive()) {
    options_->DoModal();
    if (s.compose.PaperSize == u"カスタム") {
      s.compose.rememberedCustomHeight = s.compose.CreateJpgHeight;
      s.compose.rememberedCustomWidth = s.compose.CreateJpgWidth;
    }
  }
  if (s.setting.Sort.size() >= 20) s.setting.Sort.clear();
}

void CFolioscopeDlg::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CFolioscopeDlg::dragMoveEvent(QDragMoveEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CFolioscopeDlg::dropEvent(QDropEvent* event) {
  if (jobActive() || !event->mimeData()->hasUrls()) {
    event->ignore();  // a drop during a job changes nothing
    return;
  }
  std::vector<std::u16string> paths;
  for (const QUrl& url : event->mimeData()->urls()) {
    if (!url.isLocalFile()) continue;
    paths.push_back(folio::WithoutTrailingSeparators(FromQ(url.toLocalFile())));
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

void CFolioscopeDlg::runDrop(const std::vector<std::u16string>& paths) {
  if (jobActive()) return;
  JobScope scope(*this);
  batchMode_ = true;
  folio::RunDropBatch(*this, *this, settings(), paths);
  batchMode_ = false;
}
