// SPDX-License-Identifier: GPL-3.0-or-later
// The main window with real widgets: jobs started and cancelled by the
// Execute button, the busy rules, drops, the command-line start, settings
// kept across a restart, Open and the About box; the status dialog.
#include <gtest/gtest.h>

#include <QAction>
#include <QDesktopServices>
#include <QDropEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>
#include <QWindow>

#include "app/gui/about_dialog.h"
#include "app/gui/command_line.h"
#include "app/gui/main_window.h"
#include "app/gui/number_field.h"
#include "app/gui/open_target.h"
#include "app/gui/options_dialog.h"
#include "app/gui/qt_text.h"
#include "app/gui/resize_page.h"
#include "app/gui/status_dialog.h"
#include "gui_support/gui_test_env.h"
#include "gui_support/window_driving.h"
#include "platform/cp932.h"
#include "platform/ini_profile.h"
#include "platform/text.h"
#include "settings/settings.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using folio::gui::AboutDialog;
using folio::gui::FromQ;
using folio::gui::MainWindow;
using folio::gui::OptionsDialog;
using folio::gui::StatusDialog;
using folio::gui::ToQ;
using folio::test::DropPaths;
using folio::test::Lines;
using folio::test::MakePhotos;
using folio::test::OnModal;
using folio::test::Q;

namespace {

void SaveIni(const fs::path& ini, const folio::Settings& settings,
             std::u16string_view directory = u"") {
  folio::IniProfile profile(ini);
  ASSERT_TRUE(folio::SaveSettings(settings, directory, profile));
}

void Click(QAbstractButton* button) {
  QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(8, button->height() / 2));
}

// A drop as a file manager makes it (the paths as URLs and as plain text)
// over `over`, delivered as the toolkit delivers it: to the widget under the
// pointer, or the nearest parent of it that takes drops.
void DropOver(QWidget* window, QWidget* over, const std::vector<fs::path>& paths) {
  QMimeData mime;
  QList<QUrl> urls;
  QStringList texts;
  for (const fs::path& path : paths) {
    urls << QUrl::fromLocalFile(Q(path));
    texts << urls.back().toString();
  }
  mime.setUrls(urls);
  mime.setText(texts.join(u'\n'));
  const QPoint inWindow = over->mapTo(window, over->rect().center());
  QWidget* target = window->childAt(inWindow);
  if (!target) target = window;
  while (!target->isWindow() && !target->acceptDrops()) target = target->parentWidget();
  const QPoint at = target->mapFrom(window, inWindow);
  QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  if (enter.isAccepted()) {
    QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
  }
  QApplication::processEvents();
}

class MainWindowTest : public ::testing::Test {
 protected:
  fs::path ini() const { return temp / "folioscope.ini"; }
  // An INI file with the default settings but for the job mode and AutoClose.
  void StoreMode(int createMode, int autoClose = 0) const {
    folio::Settings stored;
    stored.setting.CreateMode = createMode;
    stored.setting.AutoClose = autoClose;
    SaveIni(ini(), stored);
  }
  folio::test::TempDir temp;
};

TEST_F(MainWindowTest, ExecuteStartsAJobThatTheSameButtonCancels) {
  const fs::path folder = temp / "trip";
  MakePhotos(folder, 6);
  const auto photos = folio::test::HashesOf(folder);
  const fs::path other = temp / "other";
  MakePhotos(other, 2);

  MainWindow dlg(ini());
  dlg.show();
  QApplication::processEvents();
  EXPECT_EQ(dlg.executeButton()->text(), QStringLiteral("実行(&C)"));
  dlg.folderBox()->setText(Q(folder));

  struct During {
    bool seen = false;
    QString caption;
    bool progressShown = false, hintShown = true, waitCursor = false, visibleAfterClose = false;
    QString title;
    bool optionsOpened = false;
  } during;
  // The second pump of the job: the first image is done and shown.
  QTimer::singleShot(0, &dlg, [&] {
    QTimer::singleShot(0, &dlg, [&] {
      during.seen = true;
      during.caption = dlg.executeButton()->text();
      during.progressShown = dlg.progressBar()->isVisible();
      during.hintShown = dlg.dropHint()->isVisible();
      during.waitCursor = QApplication::overrideCursor() &&
                          QApplication::overrideCursor()->shape() == Qt::WaitCursor;
      during.title = dlg.windowTitle();
      dlg.close();  // refused while the job runs
      during.visibleAfterClose = dlg.isVisible();
      auto opened = OnModal<OptionsDialog>([](OptionsDialog* options) { options->reject(); });
      QTest::mouseClick(dlg.settingsButton(), Qt::LeftButton);  // ignored
      QTest::qWait(20);
      during.optionsOpened = *opened;
      DropPaths(&dlg, {other});  // ignored
      // Two clicks in one pump: the first cancels, the second starts nothing.
      QTest::mouseClick(dlg.executeButton(), Qt::LeftButton);
      QTest::mouseClick(dlg.executeButton(), Qt::LeftButton);
    });
  });
  // A second job would end with a message box; answer it rather than hang.
  auto unexpectedBox = OnModal<QMessageBox>([](QMessageBox* box) { box->accept(); });
  QTest::mouseClick(dlg.executeButton(), Qt::LeftButton);

  ASSERT_TRUE(during.seen);
  EXPECT_EQ(during.caption, QStringLiteral("キャンセル(&C)"));
  EXPECT_TRUE(during.progressShown);
  EXPECT_FALSE(during.hintShown);
  EXPECT_TRUE(during.waitCursor);
  EXPECT_EQ(during.title, QStringLiteral("Folioscope (1/6)"));
  EXPECT_TRUE(during.visibleAfterClose);
  EXPECT_FALSE(during.optionsOpened);

  EXPECT_EQ(Lines(dlg.statusDialog()),
            QStringList{QStringLiteral("    キャンセル：処理がキャンセルされました")});
  EXPECT_TRUE(dlg.shownMessages().empty());
  EXPECT_FALSE(dlg.busy());
  EXPECT_EQ(dlg.executeButton()->text(), QStringLiteral("実行(&C)"));
  EXPECT_FALSE(dlg.progressBar()->isVisible());
  EXPECT_TRUE(dlg.dropHint()->isVisible());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Folioscope Ver3.75"));
  EXPECT_FALSE(dlg.statusDialog()->isVisible());  // the drop was ignored
  EXPECT_FALSE(fs::exists(other / "page1.html"));
  EXPECT_FALSE(fs::exists(folder / "page1.html"));
  // Every photo is still there, unchanged.
  const auto after = folio::test::HashesOf(folder);
  for (uint64_t hash : photos) EXPECT_EQ(after.count(hash), photos.count(hash));
  EXPECT_FALSE(fs::exists(ini()));
  // Once the job has ended the same close is taken: saved, and the window ends.
  dlg.close();
  EXPECT_FALSE(dlg.isVisible());
  ASSERT_TRUE(fs::exists(ini()));
  folio::IniProfile profile(ini());
  EXPECT_EQ(profile.GetString(u"Setting", u"Directory", u""), folio::FromPath(folder));
}

TEST_F(MainWindowTest, ExecuteOnAMissingFolderAsksForOne) {
  MainWindow dlg(ini());
  dlg.show();
  dlg.folderBox()->setText(Q(temp / "nowhere"));
  QString text, caption;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  auto shown = OnModal<QMessageBox>([&](QMessageBox* box) {
    text = box->text();
    caption = box->windowTitle();
    icon = box->icon();
    box->accept();
  });
  QTest::mouseClick(dlg.executeButton(), Qt::LeftButton);
  ASSERT_TRUE(*shown);
  EXPECT_EQ(text, QStringLiteral("フォルダを指定してください"));
  EXPECT_EQ(caption, QStringLiteral("エラー"));
  EXPECT_EQ(icon, QMessageBox::Warning);
}

TEST_F(MainWindowTest, EscapeAndEnterCloseNothing) {
  MainWindow dlg(ini());
  dlg.show();
  QApplication::processEvents();
  dlg.folderBox()->setText(Q(temp / "nowhere"));  // a job start would complain
  dlg.executeButton()->setFocus();
  for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
    QTest::keyClick(&dlg, key);
    QTest::keyClick(dlg.executeButton(), key);
  }
  QTest::keyClick(dlg.folderBox(), Qt::Key_Escape);
  QTest::qWait(20);
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_TRUE(dlg.shownMessages().empty());
  EXPECT_FALSE(fs::exists(ini()));  // not closed, so not saved

  // While a batch runs, no key and no close command dismisses the report;
  // Enter never does.
  StatusDialog* status = dlg.statusDialog();
  dlg.showStatusDialog(true);
  status->setRunning(true);
  for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
    QTest::keyClick(status, key);
    QTest::keyClick(status->button(), key);
    QTest::keyClick(status->list(), key);
  }
  QTest::keyClick(status, Qt::Key_W, Qt::ControlModifier);
  status->close();
  EXPECT_TRUE(status->isVisible());
  status->setRunning(false);
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) QTest::keyClick(status->list(), key);
  EXPECT_TRUE(status->isVisible());
}

TEST_F(MainWindowTest, SettingsSurviveCloseAndRestart) {
  {
    MainWindow dlg(ini());
    dlg.show();
    QApplication::processEvents();
    EXPECT_EQ(dlg.folderBox()->text(), QString());
    auto edited = OnModal<OptionsDialog>([](OptionsDialog* options) {
      Click(options->modeButton[3]);
      options->resizePage->jpegQuality->lineEdit()->setText(QStringLiteral("55"));
      options->resizePage->saveFolder->setText(QStringLiteral("%s_small"));
      QTest::mouseClick(options->okButton, Qt::LeftButton);
    });
    QTest::mouseClick(dlg.settingsButton(), Qt::LeftButton);
    ASSERT_TRUE(*edited);
    dlg.folderBox()->setText(QStringLiteral("/photos/いつか"));
    dlg.close();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
  }
  ASSERT_TRUE(fs::exists(ini()));
  MainWindow again(ini());
  again.show();
  QApplication::processEvents();
  EXPECT_EQ(again.folderBox()->text(), QStringLiteral("/photos/いつか"));
  EXPECT_EQ(again.folderPath(), u"/photos/いつか");
  EXPECT_EQ(again.settings().setting.CreateMode, 3);
  EXPECT_EQ(again.settings().resize.Quality, 55);
  EXPECT_EQ(again.settings().resize.SaveDir, u"%s_small");
}

TEST_F(MainWindowTest, LongSortKeywordIsEmptiedBySettingsEvenWhenCancelled) {
  folio::Settings stored;
  stored.setting.Sort = std::u16string(25, u'あ');
  stored.compose.PaperSize = u"カスタム";
  stored.compose.CreateJpgWidth = 1500;
  stored.compose.CreateJpgHeight = 900;
  SaveIni(ini(), stored);
  MainWindow dlg(ini());
  dlg.show();
  EXPECT_EQ(dlg.settings().setting.Sort.size(), 25u);
  auto cancelled = OnModal<OptionsDialog>(
      [](OptionsDialog* options) { QTest::mouseClick(options->cancelButton, Qt::LeftButton); });
  dlg.settings().compose.CreateJpgWidth = 1600;  // as a job start leaves it
  QTest::mouseClick(dlg.settingsButton(), Qt::LeftButton);
  ASSERT_TRUE(*cancelled);
  EXPECT_EQ(dlg.settings().setting.Sort, u"");
  EXPECT_EQ(dlg.settings().compose.rememberedCustomWidth, 1600);
  EXPECT_EQ(dlg.settings().compose.rememberedCustomHeight, 900);
}

TEST_F(MainWindowTest, CommandLineFolderRunsOneJobAndEndsWithoutSaving) {
  const fs::path folder = temp / "show";
  MakePhotos(folder, 3);
  folio::Settings stored;
  stored.setting.CreateMode = 1;  // slideshow
  SaveIni(ini(), stored, u"/somewhere/else");
  const std::string iniBefore = folio::test::ReadBytes(ini());

  MainWindow dlg(ini(), {folio::FromPath(folder)});
  QString caption;
  auto reported = OnModal<QMessageBox>([&](QMessageBox* box) {
    caption = box->windowTitle();
    box->accept();
  });
  const int result = dlg.exec();
  ASSERT_TRUE(*reported);
  EXPECT_EQ(caption, QStringLiteral("成功"));
  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_EQ(dlg.folderBox()->text(), Q(folder));  // not the saved Directory
  EXPECT_TRUE(fs::exists(folder / "slideshow.html"));
  EXPECT_EQ(folio::test::ReadBytes(ini()), iniBefore);
}

TEST_F(MainWindowTest, CommandLineThatIsNoFolderSaysSoAndEnds) {
  MainWindow dlg(ini(), {folio::FromPath(temp / "missing")});
  QString text;
  auto reported = OnModal<QMessageBox>([&](QMessageBox* box) {
    text = box->text();
    box->accept();
  });
  EXPECT_EQ(dlg.exec(), QDialog::Accepted);
  ASSERT_TRUE(*reported);
  EXPECT_EQ(text, QStringLiteral("フォルダをドラッグ＆ドロップしてください"));
  EXPECT_FALSE(fs::exists(ini()));
}

TEST_F(MainWindowTest, DroppedFoldersRunABatchIntoTheStatusDialog) {
  const fs::path spring = temp / "Spring", summer = temp / "Summer";
  MakePhotos(spring, 2);
  MakePhotos(summer, 2);
  StoreMode(1);
  MainWindow dlg(ini());
  dlg.show();
  QApplication::processEvents();
  DropPaths(&dlg, {spring, summer});

  StatusDialog* status = dlg.statusDialog();
  const QStringList lines = Lines(status);
  ASSERT_GE(lines.size(), 4);
  EXPECT_EQ(lines.front(), Q(spring) + QStringLiteral(" (1/2)"));
  EXPECT_TRUE(lines.contains(Q(summer) + QStringLiteral(" (2/2)")));
  EXPECT_TRUE(lines.back().startsWith(QStringLiteral("    終了：")));
  EXPECT_EQ(status->list()->currentRow(), lines.size() - 1);
  EXPECT_TRUE(status->isVisible());
  EXPECT_EQ(status->button()->text(), QStringLiteral("閉じる"));
  EXPECT_TRUE(status->button()->isEnabled());
  EXPECT_EQ(dlg.folderBox()->text(), Q(summer));
  EXPECT_FALSE(dlg.batchMode());
  EXPECT_TRUE(dlg.shownMessages().empty());
  EXPECT_TRUE(fs::exists(spring / "slideshow.html"));
  EXPECT_TRUE(fs::exists(summer / "slideshow.html"));
  QTest::mouseClick(status->button(), Qt::LeftButton);
  EXPECT_FALSE(status->isVisible());
}

// Wherever in the window the folder lands, the folder box included, it is
// one drop batch; the box is not edited by the drop.
TEST_F(MainWindowTest, AFolderDroppedOnAnyControlRunsTheBatch) {
  const fs::path folder = temp / "Autumn";
  MakePhotos(folder, 2);
  StoreMode(1, 1);
  MainWindow dlg(ini());
  dlg.show();
  QApplication::processEvents();
  QWidget* targets[] = {dlg.folderBox(), dlg.dropHint(), dlg.executeButton(), dlg.browseButton()};
  for (QWidget* over : targets) {
    SCOPED_TRACE(over->metaObject()->className());
    fs::remove_all(folder / "slideshow");
    fs::remove(folder / "slideshow.html");
    dlg.folderBox()->setText(QStringLiteral("/elsewhere"));
    DropOver(&dlg, over, {folder});
    EXPECT_TRUE(fs::exists(folder / "slideshow.html"));
    EXPECT_EQ(dlg.folderBox()->text(), Q(folder));
    EXPECT_EQ(Lines(dlg.statusDialog()).value(0), Q(folder) + QStringLiteral(" (1/1)"));
  }
}

TEST_F(MainWindowTest, StatusButtonStopsTheBatchAfterTheCurrentFolder) {
  std::vector<fs::path> folders = {temp / "a", temp / "b", temp / "c"};
  for (const fs::path& f : folders) MakePhotos(f, 2);
  StoreMode(1, 1);
  MainWindow dlg(ini());
  dlg.show();
  QApplication::processEvents();
  bool clicked = false;
  bool disabledAfter = false;
  int selectedBefore = -1, selectedAfter = -2;
  std::function<void()> watch = [&] {
    if (!clicked && dlg.statusDialog()->list()->count() > 0 &&
        Lines(dlg.statusDialog()).contains(Q(folders[1]) + QStringLiteral(" (2/3)"))) {
      clicked = true;
      selectedBefore = dlg.statusDialog()->list()->currentRow();
      QTest::mouseClick(dlg.statusDialog()->button(), Qt::LeftButton);
      selectedAfter = dlg.statusDialog()->list()->currentRow();
      disabledAfter = !dlg.statusDialog()->button()->isEnabled();
    }
    if (!clicked) QTimer::singleShot(0, &dlg, watch);
  };
  QTimer::singleShot(0, &dlg, watch);
  DropPaths(&dlg, folders);
  ASSERT_TRUE(clicked);
  EXPECT_TRUE(disabledAfter);
  EXPECT_EQ(selectedBefore, selectedAfter);
  EXPECT_TRUE(Lines(dlg.statusDialog())
                  .contains(QStringLiteral("キャンセルされました。次のフォルダ以降中止します。")));
  EXPECT_TRUE(fs::exists(folders[1] / "slideshow.html"));  // the current folder finished
  EXPECT_FALSE(fs::exists(folders[2] / "slideshow.html"));
  EXPECT_EQ(dlg.statusDialog()->button()->text(), QStringLiteral("閉じる"));
  EXPECT_FALSE(dlg.statusDialog()->isVisible());  // AutoClose
}

TEST_F(MainWindowTest, ExecuteDuringABatchStopsOnlyTheCurrentFolder) {
  std::vector<fs::path> folders = {temp / "a", temp / "b", temp / "c"};
  for (const fs::path& f : folders) MakePhotos(f, 4);
  StoreMode(1);
  MainWindow dlg(ini());
  dlg.show();
  QApplication::processEvents();
  bool clicked = false;
  QString captionWhenClicked;
  std::function<void()> watch = [&] {
    if (!clicked && Lines(dlg.statusDialog()).contains(Q(folders[1]) + QStringLiteral(" (2/3)"))) {
      clicked = true;
      captionWhenClicked = dlg.executeButton()->text();
      QTest::mouseClick(dlg.executeButton(), Qt::LeftButton);
    }
    if (!clicked) QTimer::singleShot(0, &dlg, watch);
  };
  QTimer::singleShot(0, &dlg, watch);
  DropPaths(&dlg, folders);
  ASSERT_TRUE(clicked);
  EXPECT_EQ(captionWhenClicked, QStringLiteral("キャンセル(&C)"));

  const QStringList lines = Lines(dlg.statusDialog());
  const qsizetype second = lines.indexOf(Q(folders[1]) + QStringLiteral(" (2/3)"));
  const qsizetype third = lines.indexOf(Q(folders[2]) + QStringLiteral(" (3/3)"));
  ASSERT_GE(second, 0);
  ASSERT_GT(third, second);  // the batch went on
  EXPECT_TRUE(lines.mid(second, third - second)
                  .contains(QStringLiteral("    キャンセル：処理がキャンセルされました")));
  EXPECT_TRUE(lines.back().startsWith(QStringLiteral("    終了：")));
  EXPECT_FALSE(
      lines.contains(QStringLiteral("キャンセルされました。次のフォルダ以降中止します。")));
  EXPECT_TRUE(fs::exists(folders[0] / "slideshow.html"));
  EXPECT_TRUE(fs::exists(folders[2] / "slideshow.html"));
  EXPECT_EQ(dlg.statusDialog()->button()->text(), QStringLiteral("閉じる"));
  EXPECT_EQ(dlg.executeButton()->text(), QStringLiteral("実行(&C)"));
  EXPECT_TRUE(dlg.shownMessages().empty());
}

// Receives what Open hands to the desktop (through the setSource slot).
class UrlCatcher : public QTextBrowser {
 public:
  QList<QUrl> urls;

 protected:
  void doSetSource(const QUrl& url, QTextDocument::ResourceType) override { urls << url; }
};

TEST_F(MainWindowTest, OpenShowsTheOutputOfTheMode) {
  UrlCatcher catcher;
  QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "setSource");
  folio::Settings stored;
  stored.setting.CreateMode = 3;
  stored.resize.SaveDir = u"%s_small";
  SaveIni(ini(), stored);
  MainWindow dlg(ini());
  dlg.show();
  dlg.folderBox()->setText(QStringLiteral("/photos/Trip"));
  QTest::mouseClick(dlg.openButton(), Qt::LeftButton);
  QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
  ASSERT_EQ(catcher.urls.size(), 1);
  EXPECT_EQ(catcher.urls[0].toLocalFile(), QStringLiteral("/photos/Trip/Trip_small"));
}

TEST_F(MainWindowTest, AboutBoxShowsTheTitleAndBuildDate) {
  MainWindow dlg(ini());
  dlg.show();
  QString title, date;
  auto shown = OnModal<AboutDialog>([&](AboutDialog* about) {
    title = about->titleLabel->text();
    date = about->dateLabel->text();
    about->accept();
  });
  dlg.aboutAction()->trigger();
  ASSERT_TRUE(*shown);
  EXPECT_EQ(title, QStringLiteral("Folioscope Ver3.75"));
  EXPECT_TRUE(date.startsWith(QStringLiteral("Kirameki 20"))) << date.toStdString();
  EXPECT_TRUE(dlg.actions().contains(dlg.aboutAction()));
  EXPECT_EQ(dlg.aboutAction()->text(), QStringLiteral("バージョン情報 Folioscope(&A)..."));
}

TEST_F(MainWindowTest, ProgressBarFillsAndNeverTurnsIntoABusyAnimation) {
  MainWindow dlg(ini());
  QProgressBar* bar = dlg.progressBar();
  dlg.setProgressRange(0, 0);  // a job of one image
  EXPECT_LT(bar->minimum(), bar->maximum());
  dlg.setProgressPos(1);
  EXPECT_EQ(bar->value(), bar->maximum());
  dlg.setProgressRange(0, 9);
  dlg.setProgressPos(4);
  EXPECT_EQ(bar->value(), 4);
  dlg.setProgressPos(25);  // beyond the end: full
  EXPECT_EQ(bar->value(), bar->maximum());
}

bool IsWaitCursor() {
  return QApplication::overrideCursor() &&
         QApplication::overrideCursor()->shape() == Qt::WaitCursor;
}

// Runs `step` at every turn of the event loop (inside a job: after every
// image) until it returns true. Bound to `context`, so it never outlives it.
void EveryPump(QObject* context, std::function<bool()> step) {
  QTimer::singleShot(0, context, [context, step] {
    if (!step()) EveryPump(context, step);
  });
}

struct StatusState {
  QString caption;
  bool enabled = false, visible = false, running = false;
  bool operator==(const StatusState&) const = default;
};
std::ostream& operator<<(std::ostream& out, const StatusState& s) {
  return out << s.caption.toStdString() << (s.enabled ? " enabled" : " disabled")
             << (s.visible ? " visible" : " hidden") << (s.running ? " running" : "");
}
StatusState StateOf(const StatusDialog* status) {
  return {status->button()->text(), status->button()->isEnabled(), status->isVisible(),
          status->running()};
}

// Three folders of photos side by side in "Trips", for the pages of a batch.
struct Trips {
  explicit Trips(const fs::path& root, std::initializer_list<const char*> names, int photos = 3) {
    for (const char* name : names) {
      folders.push_back(root / "Trips" / name);
      MakePhotos(folders.back(), photos);
    }
  }
  fs::path parent() const { return folders.front().parent_path(); }
  std::vector<fs::path> folders;
};

QString MenuLink(const char* name) {
  return QStringLiteral("<a target=\"main\" href = \"%1/page1.html\">%1</a><br>\r\n")
      .arg(QLatin1String(name));
}

QString Cp932File(const fs::path& path) {
  return ToQ(folio::Cp932ToUtf16(folio::test::ReadBytes(path)));
}

// The status dialog through a stopped thumbnail batch: the caption, enabling
// and visibility of its button in every state, and what the stop leaves.
TEST_F(MainWindowTest, StatusDialogStatesThroughAStoppedThumbnailBatch) {
  Trips trips(temp.path(), {"Spring", "Summer", "Autumn"});
  folio::test::WriteBytes(trips.parent() / "Menu.html", "older menu");
  const auto autumn = folio::test::HashTree(trips.folders[2]);
  folio::Settings stored;
  stored.thumbnail.TopHtml = 1;
  stored.setting.AutoClose = 0;
  SaveIni(ini(), stored);
  MainWindow dlg(ini());
  dlg.show();
  QApplication::processEvents();
  StatusDialog* status = dlg.statusDialog();
  EXPECT_EQ(StateOf(status), (StatusState{QStringLiteral("OK"), true, false, false}));
  dlg.addStatusLine(u"from an earlier job");  // emptied when the batch starts

  std::vector<StatusState> atFolder;  // at the first image of each folder
  bool topPageDuringFirst = false, keysIgnored = false, clicked = false;
  std::vector<StatusState> afterClick;
  EveryPump(&dlg, [&] {
    const QStringList lines = Lines(status);
    const int folder = static_cast<int>(atFolder.size());
    if (folder < 3 &&
        lines.contains(Q(trips.folders[folder]) + QStringLiteral(" (%1/3)").arg(folder + 1))) {
      atFolder.push_back(StateOf(status));
      if (folder == 0) {
        topPageDuringFirst = fs::exists(trips.parent() / "Top.html");
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter})
          QTest::keyClick(status, key);
        keysIgnored = status->running() && Lines(status).size() == lines.size();
      }
      if (folder == 1) {
        Click(status->button());
        clicked = true;
      }
    } else if (clicked) {
      afterClick.push_back(StateOf(status));  // the rest of Summer's images
    }
    return false;
  });
  DropPaths(&dlg, trips.folders);

  const StatusState running{QStringLiteral("キャンセル"), true, true, true};
  ASSERT_EQ(atFolder.size(), 2u);  // Autumn never started
  EXPECT_EQ(atFolder[0], running);
  EXPECT_EQ(atFolder[1], running);
  EXPECT_TRUE(topPageDuringFirst);
  EXPECT_TRUE(keysIgnored);
  ASSERT_FALSE(afterClick.empty());
  for (const StatusState& s : afterClick)
    EXPECT_EQ(s, (StatusState{QStringLiteral("キャンセル"), false, true, false}));

  const QString done = QStringLiteral("    終了：サムネイルHTMLファイル作成完了");
  EXPECT_EQ(
      Lines(status),
      (QStringList{Q(trips.folders[0]) + QStringLiteral(" (1/3)"), done,
                   Q(trips.folders[1]) + QStringLiteral(" (2/3)"),
                   QStringLiteral("キャンセルされました。次のフォルダ以降中止します。"), done}));
  EXPECT_EQ(StateOf(status), (StatusState{QStringLiteral("閉じる"), true, true, false}));
  EXPECT_TRUE(fs::exists(trips.folders[1] / "page1.html"));  // the current folder finished
  EXPECT_EQ(folio::test::HashTree(trips.folders[2]), autumn);
  EXPECT_FALSE(fs::exists(trips.parent() / "Top.html"));
  EXPECT_EQ(folio::test::ReadBytes(trips.parent() / "Menu.html"), "older menu");
  EXPECT_EQ(dlg.folderBox()->text(), Q(trips.folders[1]));  // the last path taken
  EXPECT_FALSE(dlg.batchMode());
  EXPECT_TRUE(dlg.shownMessages().empty());

  Click(status->button());
  EXPECT_EQ(StateOf(status), (StatusState{QStringLiteral("閉じる"), true, false, false}));
}

// Both cancels at once during the second folder: its job stops and is
// undone, and the batch goes no further.
TEST_F(MainWindowTest, BothCancelsStopTheFolderAndTheBatch) {
  Trips trips(temp.path(), {"Spring", "Summer", "Autumn"});
  const auto summer = folio::test::HashesOf(trips.folders[1]);
  const auto autumn = folio::test::HashTree(trips.folders[2]);
  folio::Settings stored;
  stored.thumbnail.TopHtml = 1;
  SaveIni(ini(), stored);
  MainWindow dlg(ini());
  dlg.show();
  QApplication::processEvents();
  StatusDialog* status = dlg.statusDialog();
  bool clicked = false;
  EveryPump(&dlg, [&] {
    if (!Lines(status).contains(Q(trips.folders[1]) + QStringLiteral(" (2/3)"))) return false;
    Click(status->button());
    Click(dlg.executeButton());
    clicked = true;
    return true;
  });
  DropPaths(&dlg, trips.folders);

  ASSERT_TRUE(clicked);
  EXPECT_EQ(Lines(status),
            (QStringList{Q(trips.folders[0]) + QStringLiteral(" (1/3)"),
                         QStringLiteral("    終了：サムネイルHTMLファイル作成完了"),
                         Q(trips.folders[1]) + QStringLiteral(" (2/3)"),
                         QStringLiteral("キャンセルされました。次のフォルダ以降中止します。"),
                         QStringLiteral("    キャンセル：処理がキャンセルされました")}));
  EXPECT_FALSE(fs::exists(trips.folders[1] / "page1.html"));
  EXPECT_EQ(folio::test::HashesOf(trips.folders[1]), summer);  // every photo back, unchanged
  EXPECT_EQ(folio::test::HashTree(trips.folders[2]), autumn);
  EXPECT_FALSE(fs::exists(trips.parent() / "Top.html"));
  EXPECT_FALSE(fs::exists(trips.parent() / "Menu.html"));
  EXPECT_EQ(StateOf(status), (StatusState{QStringLiteral("閉じる"), true, true, false}));
  EXPECT_EQ(dlg.executeButton()->text(), QStringLiteral("実行(&C)"));
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Folioscope Ver3.75"));
  EXPECT_FALSE(dlg.busy());
}

// A click as the window system delivers it: to the window, where a modal
// window in the way would swallow it.
void WindowClick(QWidget* widget) {
  QWidget* window = widget->window();
  QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                    widget->mapTo(window, widget->rect().center()));
}

// The program runs the main window in its own modal loop; the status dialog
// it owns still takes clicks there: the stop during a batch, the close after.
TEST_F(MainWindowTest, InTheWindowsModalLoopTheStatusDialogTakesClicks) {
  Trips trips(temp.path(), {"Spring", "Summer", "Autumn"}, 2);
  StoreMode(1);
  MainWindow dlg(ini());
  StatusDialog* status = dlg.statusDialog();
  bool dropped = false, stopped = false, hiddenByClick = false;
  EveryPump(&dlg, [&] {
    if (!dlg.isVisible()) return false;
    dropped = true;
    DropPaths(&dlg, trips.folders);  // returns when the batch has ended
    WindowClick(status->button());   // "閉じる"
    hiddenByClick = !status->isVisible();
    dlg.close();
    return true;
  });
  EveryPump(&dlg, [&] {
    if (!dropped || !status->running()) return false;
    WindowClick(status->button());  // "キャンセル" during the first folder
    stopped = !status->running();
    return true;
  });
  EXPECT_EQ(dlg.exec(), QDialog::Rejected);
  ASSERT_TRUE(dropped);
  EXPECT_TRUE(stopped);
  EXPECT_TRUE(hiddenByClick);
  EXPECT_TRUE(fs::exists(trips.folders[0] / "slideshow.html"));
  EXPECT_FALSE(fs::exists(trips.folders[1] / "slideshow.html"));
  EXPECT_TRUE(fs::exists(ini()));  // closed after the batch: saved
}

// `folioscope A B`: both folders as one batch, as a drop of them runs; the
// report waits for the user, the window refuses its close meanwhile, then
// it ends without saving.
TEST_F(MainWindowTest, CommandLineFoldersRunAsOneBatchThenTheWindowEnds) {
  const fs::path spring = temp / "Spring", summer = temp / "Summer";
  MakePhotos(spring, 2);
  MakePhotos(summer, 2);
  StoreMode(1);
  const std::string iniBefore = folio::test::ReadBytes(ini());
  MainWindow dlg(ini(), {folio::FromPath(spring), folio::FromPath(summer)});
  StatusDialog* status = dlg.statusDialog();
  QStringList linesAtEnd;
  bool closeRefused = false, jobsRefused = false;
  EveryPump(&dlg, [&] {
    if (!status->isVisible() || status->running() || !dlg.isVisible()) return false;
    linesAtEnd = Lines(status);
    dlg.close();
    closeRefused = dlg.isVisible();
    auto opened = OnModal<OptionsDialog>([](OptionsDialog* options) { options->reject(); });
    Click(dlg.settingsButton());
    QTest::qWait(20);
    jobsRefused = !*opened;
    WindowClick(status->button());  // "閉じる"
    return true;
  });
  QTimer::singleShot(60000, &dlg, [&] { dlg.done(QDialog::Rejected); });  // a hang fails
  EXPECT_EQ(dlg.exec(), QDialog::Accepted);

  const QString done = QStringLiteral("    終了：スライドショーHTMLファイル作成完了");
  EXPECT_EQ(linesAtEnd, (QStringList{Q(spring) + QStringLiteral(" (1/2)"), done,
                                     Q(summer) + QStringLiteral(" (2/2)"), done}));
  EXPECT_TRUE(closeRefused);
  EXPECT_TRUE(jobsRefused);
  EXPECT_FALSE(status->isVisible());
  EXPECT_TRUE(fs::exists(spring / "slideshow.html"));
  EXPECT_TRUE(fs::exists(summer / "slideshow.html"));
  EXPECT_EQ(dlg.folderBox()->text(), Q(summer));
  EXPECT_TRUE(dlg.shownMessages().empty());
  EXPECT_EQ(folio::test::ReadBytes(ini()), iniBefore);
}

// A thumbnail-page batch from the command line writes the frameset and the
// menu as a drop does, reports a missing folder in the log, and with
// AutoClose ends on its own.
TEST_F(MainWindowTest, CommandLineBatchWritesTheBatchPagesAndMayEndAlone) {
  Trips trips(temp.path(), {"Spring", "Summer"}, 2);
  folio::Settings stored;
  stored.thumbnail.TopHtml = 1;
  stored.setting.AutoClose = 1;
  stored.setting.ClassicPages = 1;  // the menu is compared byte for byte
  SaveIni(ini(), stored);
  const fs::path missing = trips.parent() / "missing";
  MainWindow dlg(ini(), {folio::FromPath(trips.folders[0]), folio::FromPath(missing),
                         folio::FromPath(trips.folders[1])});
  QTimer::singleShot(60000, &dlg, [&] { dlg.done(QDialog::Rejected); });  // a hang fails
  EXPECT_EQ(dlg.exec(), QDialog::Accepted);

  const QStringList lines = Lines(dlg.statusDialog());
  EXPECT_EQ(lines.value(0), Q(trips.folders[0]) + QStringLiteral(" (1/3)"));
  EXPECT_TRUE(lines.contains(Q(missing) + QStringLiteral(" (2/3)")));
  EXPECT_TRUE(lines.contains(Q(trips.folders[1]) + QStringLiteral(" (3/3)")));
  EXPECT_FALSE(dlg.statusDialog()->isVisible());
  for (const fs::path& folder : trips.folders) EXPECT_TRUE(fs::exists(folder / "page1.html"));
  EXPECT_TRUE(
      Cp932File(trips.parent() / "Top.html").contains(QStringLiteral("src=\"Spring/page1.html\"")));
  EXPECT_EQ(Cp932File(trips.parent() / "Menu.html"),
            QStringLiteral(
                "<html>\r\n"
                "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">\r\n"
                "<base target=\"main\">\r\n") +
                MenuLink("Spring") + MenuLink("Summer") + QStringLiteral("</html>\r\n"));
  EXPECT_TRUE(dlg.shownMessages().empty());
}

// A drop of three folders in thumbnail mode: the jobs in the order of the
// drop, the frameset before the first job, the menu after the last.
TEST_F(MainWindowTest, ThumbnailBatchWritesTopAndMenuInDropOrder) {
  Trips trips(temp.path(), {"Summer", "Autumn", "Spring"}, 2);
  folio::Settings stored;
  stored.thumbnail.TopHtml = 1;
  stored.thumbnail.FrameWidth = 150;
  stored.setting.AutoClose = 1;
  stored.setting.ClassicPages = 1;  // the menu is compared byte for byte
  SaveIni(ini(), stored);
  MainWindow dlg(ini());
  dlg.show();
  QApplication::processEvents();
  QStringList titles;
  EveryPump(&dlg, [&] {
    if (dlg.busy() && !titles.contains(dlg.windowTitle())) titles << dlg.windowTitle();
    return false;
  });
  DropPaths(&dlg, trips.folders);

  const QString done = QStringLiteral("    終了：サムネイルHTMLファイル作成完了");
  QStringList expected;
  for (int i = 0; i < 3; ++i)
    expected << Q(trips.folders[i]) + QStringLiteral(" (%1/3)").arg(i + 1) << done;
  EXPECT_EQ(Lines(dlg.statusDialog()), expected);
  EXPECT_EQ(dlg.statusDialog()->list()->currentRow(), expected.size() - 1);
  for (const fs::path& folder : trips.folders) EXPECT_TRUE(fs::exists(folder / "page1.html"));
  EXPECT_TRUE(titles.contains(QStringLiteral("Folioscope (1/2)")))
      << titles.join(u',').toStdString();
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Folioscope Ver3.75"));

  const QString top = Cp932File(trips.parent() / "Top.html");
  EXPECT_TRUE(top.contains(QStringLiteral("<title>Trips</title>\r\n")));
  EXPECT_TRUE(top.contains(QStringLiteral("cols=\"150,*\">\r\n")));
  EXPECT_TRUE(top.contains(QStringLiteral("  <frame name=\"main\" src=\"Summer/page1.html\"")));
  EXPECT_EQ(Cp932File(trips.parent() / "Menu.html"),
            QStringLiteral(
                "<html>\r\n"
                "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">\r\n"
                "<base target=\"main\">\r\n") +
                MenuLink("Summer") + MenuLink("Autumn") + MenuLink("Spring") +
                QStringLiteral("</html>\r\n"));
  EXPECT_EQ(StateOf(dlg.statusDialog()),
            (StatusState{QStringLiteral("閉じる"), true, false, false}));
  EXPECT_EQ(dlg.folderBox()->text(), Q(trips.folders[2]));
}

// With NoD&DtoRun a drop only names the folder: no job, no status dialog,
// the last path in the folder box, and a menu without links.
TEST_F(MainWindowTest, DropThatOnlyFillsTheFolderBoxRunsNoJob) {
  Trips trips(temp.path(), {"Spring", "Summer", "Autumn"}, 2);
  const auto before = folio::test::HashTree(trips.parent());
  folio::Settings stored;
  stored.thumbnail.TopHtml = 1;
  stored.setting.NoDDtoRun = 1;
  stored.setting.ClassicPages = 1;  // the menu is compared byte for byte
  SaveIni(ini(), stored);
  MainWindow dlg(ini());
  dlg.show();
  QApplication::processEvents();
  dlg.addStatusLine(u"from an earlier job");
  DropPaths(&dlg, trips.folders);

  EXPECT_EQ(dlg.folderBox()->text(), Q(trips.folders[2]));
  EXPECT_EQ(dlg.folderPath(), folio::FromPath(trips.folders[2]));
  EXPECT_FALSE(dlg.statusDialog()->isVisible());
  EXPECT_EQ(dlg.statusDialog()->list()->count(), 0);
  EXPECT_FALSE(dlg.batchMode());
  EXPECT_TRUE(dlg.shownMessages().empty());
  EXPECT_EQ(Cp932File(trips.parent() / "Menu.html"),
            QStringLiteral(
                "<html>\r\n"
                "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">\r\n"
                "<base target=\"main\">\r\n</html>\r\n"));
  EXPECT_FALSE(fs::exists(trips.parent() / "Top.html"));
  auto after = folio::test::HashTree(trips.parent());
  after.erase("Menu.html");
  EXPECT_EQ(after, before);  // no photo moved, no page written
}

// While a job runs: Browse, Open and Settings do nothing (Settings still
// empties a long sort keyword), nor do Escape and Enter, the About box opens on the busy title, and
// the bar runs from 0 to the image count less one. The boxes that wait for
// the user (About, the report at the end) show the ordinary pointer.
TEST_F(MainWindowTest, DuringAJobOnlyCancelAndAboutAnswer) {
  const fs::path folder = temp / "trip";
  MakePhotos(folder, 4);
  StoreMode(1);
  UrlCatcher catcher;
  QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "setSource");
  MainWindow dlg(ini());
  dlg.show();
  QApplication::processEvents();
  dlg.folderBox()->setText(Q(folder));
  dlg.settings().setting.Sort = std::u16string(20, u's');

  bool seen = false;
  int rangeLow = -1, rangeHigh = -1, value = -1;
  QString aboutTitle;
  bool aboutWaitCursor = true, reportWaitCursor = true, stillBusy = false;
  std::shared_ptr<bool> chooserOpened, optionsOpened;
  EveryPump(&dlg, [&] {
    // The second pump: the first image is done and shown.
    if (!dlg.busy() || !dlg.windowTitle().contains(u'/')) return false;
    seen = true;
    rangeLow = dlg.progressBar()->minimum();
    rangeHigh = dlg.progressBar()->maximum();
    value = dlg.progressBar()->value();
    chooserOpened = OnModal<QFileDialog>([](QFileDialog* chooser) { chooser->reject(); });
    Click(dlg.browseButton());
    Click(dlg.openButton());
    optionsOpened = OnModal<OptionsDialog>([](OptionsDialog* options) { options->reject(); });
    Click(dlg.settingsButton());
    // Escape and Enter neither close the window nor cancel, even on the button.
    dlg.executeButton()->setFocus();
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
      QTest::keyClick(dlg.executeButton(), key);
      QTest::keyClick(&dlg, key);
    }
    stillBusy = dlg.busy() && dlg.isVisible();
    auto about = OnModal<AboutDialog>([&](AboutDialog* box) {
      aboutTitle = box->titleLabel->text();
      aboutWaitCursor = IsWaitCursor();
      box->accept();
    });
    dlg.aboutAction()->trigger();
    return true;
  });
  auto reported = OnModal<QMessageBox>([&](QMessageBox* box) {
    reportWaitCursor = IsWaitCursor();
    box->accept();
  });
  QTest::mouseClick(dlg.executeButton(), Qt::LeftButton);
  QDesktopServices::unsetUrlHandler(QStringLiteral("file"));

  ASSERT_TRUE(seen);
  EXPECT_EQ(rangeLow, 0);
  EXPECT_EQ(rangeHigh, 3);
  EXPECT_EQ(value, 1);
  EXPECT_FALSE(*chooserOpened);
  EXPECT_TRUE(catcher.urls.isEmpty());
  EXPECT_FALSE(*optionsOpened);
  EXPECT_EQ(dlg.settings().setting.Sort, u"");
  EXPECT_TRUE(stillBusy);
  EXPECT_EQ(aboutTitle, QStringLiteral("Folioscope (1/4)"));
  // A box waiting for the user has the ordinary pointer, also during a job.
  EXPECT_FALSE(aboutWaitCursor);
  ASSERT_TRUE(*reported);
  EXPECT_FALSE(reportWaitCursor);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_TRUE(fs::exists(folder / "slideshow.html"));  // the About box only held the job
  ASSERT_EQ(dlg.shownMessages().size(), 1u);
  EXPECT_EQ(dlg.shownMessages()[0].caption, u"成功");
  EXPECT_EQ(dlg.folderBox()->text(), Q(folder));
  EXPECT_EQ(dlg.progressBar()->value(), 0);
}

// Browse opens on the folder in the box; a folder picked there replaces the
// text, a cancel leaves it.
TEST_F(MainWindowTest, BrowseStartsAtTheBoxAndTakesThePickedFolder) {
  const fs::path start = temp / "start", picked = temp / "picked";
  fs::create_directories(start);
  fs::create_directories(picked);
  MainWindow dlg(ini());
  dlg.show();
  QApplication::processEvents();
  dlg.folderBox()->setText(Q(start));

  QString openedAt, caption;
  auto cancelled = OnModal<QFileDialog>([&](QFileDialog* chooser) {
    openedAt = chooser->directory().absolutePath();
    caption = chooser->windowTitle();
    chooser->reject();
  });
  Click(dlg.browseButton());
  ASSERT_TRUE(*cancelled);
  EXPECT_EQ(openedAt, Q(start));
  EXPECT_EQ(caption, QStringLiteral("フォルダの選択"));
  EXPECT_EQ(dlg.folderBox()->text(), Q(start));

  auto chosen = OnModal<QFileDialog>([&](QFileDialog* chooser) {
    chooser->setDirectory(Q(picked));
    chooser->selectFile(QString());
    static_cast<QDialog*>(chooser)->accept();  // the OK button
  });
  Click(dlg.browseButton());
  ASSERT_TRUE(*chosen);
  EXPECT_EQ(dlg.folderBox()->text(), Q(picked));
  EXPECT_EQ(dlg.folderPath(), folio::FromPath(picked));
}

TEST(StatusDialog, LinesKeepTheirOrderAndTheButtonStopsTheBatch) {
  StatusDialog status;
  EXPECT_EQ(status.windowTitle(), QStringLiteral("ステータス"));
  status.addFolderLine(u"/p/zeta", 1, 2);
  status.addStatusLine(u"終了：b");
  status.addStatusLine(u"エラー：a");  // would sort first; still comes last
  EXPECT_EQ(Lines(&status),
            (QStringList{QStringLiteral("/p/zeta (1/2)"), QStringLiteral("    終了：b"),
                         QStringLiteral("    エラー：a")}));
  EXPECT_EQ(status.list()->currentRow(), 2);

  status.show();
  status.setRunning(true);
  QTest::mouseClick(status.button(), Qt::LeftButton);
  EXPECT_FALSE(status.running());
  EXPECT_FALSE(status.button()->isEnabled());
  EXPECT_EQ(status.list()->count(), 4);
  EXPECT_EQ(status.list()->item(3)->text(),
            QStringLiteral("キャンセルされました。次のフォルダ以降中止します。"));
  EXPECT_EQ(status.list()->currentRow(), 2);
  EXPECT_TRUE(status.isVisible());
  status.button()->setEnabled(true);
  QTest::mouseClick(status.button(), Qt::LeftButton);  // not running: hides
  EXPECT_FALSE(status.isVisible());
}

// Each argument is one path as it stands: spaces and quotes belong to the
// name. Trailing separators go (a root stays), and a relative path is taken
// from the current folder.
TEST(CommandLine, EachArgumentIsOneFolderPath) {
  const fs::path here = fs::current_path();
  const std::pair<std::string, fs::path> cases[] = {
      {"/photos/my trip", "/photos/my trip"},
      {"\"/photos/my trip\"", (here / "\"/photos/my trip\"").lexically_normal()},  // quotes stay
      {"/photos/trip/", "/photos/trip"},
      {"/photos//trip/./", "/photos/trip"},
      {"/", "/"},
      {"/ph\"otos/a\"", "/ph\"otos/a\""},
      {"trip", here / "trip"},
      {"/ph\"otos", "/ph\"otos"},
      {"", ""},
  };
  for (const auto& [argument, expected] : cases) {
    const std::u16string got = folio::gui::FolderArgument(argument);
    EXPECT_EQ(folio::ToPath(got), expected) << argument;
  }
}

// Every argument after the program's name is a folder, in order; an empty
// one names nothing; a name that is no UTF-8 still names its folder.
TEST(CommandLine, EveryArgumentIsAFolderOfOneBatch) {
  const char* argv[] = {"folioscope", "/p/Spring", "", "/p/my trip/", "/p/\xff\xfe", nullptr};
  const std::vector<std::u16string> folders = folio::gui::CommandLineFolders(5, argv);
  ASSERT_EQ(folders.size(), 3u);
  EXPECT_EQ(folders[0], u"/p/Spring");
  EXPECT_EQ(folders[1], u"/p/my trip");
  EXPECT_EQ(folio::ToPath(folders[2]), fs::path("/p/\xff\xfe"));
  EXPECT_TRUE(folio::gui::CommandLineFolders(1, argv).empty());
}

TEST(OpenTarget, FollowsTheMode) {
  folio::Settings s;
  struct Case {
    int mode;
    std::u16string saveDir, expected;
  } cases[] = {
      {0, u"", u"/P/Trip/page1.html"},
      {1, u"", u"/P/Trip/slideshow.html"},
      {2, u"", u"/P/Trip/img/Image1.jpg"},
      {3, u"%s_small", u"/P/Trip/Trip_small"},
      {3, u"", u"/P/Trip/resize"},
      {3, u"/P/Trip", u"/P/Trip/resize"},
      {3, u"/out/%s", u"/out/Trip"},
      {3, u"%s%s", u"/P/Trip/TripTrip"},
      {7, u"", u""},
  };
  for (const Case& c : cases) {
    s.setting.CreateMode = c.mode;
    s.resize.SaveDir = c.saveDir;
    EXPECT_EQ(folio::ToUtf8(folio::gui::OpenTarget(s, u"/P/Trip")), folio::ToUtf8(c.expected))
        << c.mode << " " << folio::ToUtf8(c.saveDir);
  }
}

TEST(AboutDialog, BuildDateHasNoLeadingZeros) {
  EXPECT_EQ(folio::gui::BuildDateText("Jan  5 2016"), u"2016/1/5");
  EXPECT_EQ(folio::gui::BuildDateText("Dec 31 2026"), u"2026/12/31");
  EXPECT_EQ(folio::gui::BuildDateText("Oct 10 2020"), u"2020/10/10");
}

}  // namespace
