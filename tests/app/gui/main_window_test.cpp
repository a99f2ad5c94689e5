// The main window with real widgets: jobs started and cancelled by the
// Execute button, the busy rules, drops, the command-line start, settings
// kept across a restart, Open and the About box; the status dialog.
#include <gtest/gtest.h>

#include <QAction>
#include <QDesktopServices>
#include <QDropEvent>
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

#include "app/gui/dlg_result.h"
#include "app/gui/folioscope_dlg.h"
#include "app/gui/shell_rules.h"
#include "gui_support/gui_test_env.h"
#include "options/dlg_tab_resize.h"
#include "options/option_dlg.h"
#include "options/widget_util.h"
#include "platform/ini_profile.h"
#include "platform/text.h"
#include "settings/settings.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using folio::gui::FromQ;
using folio::gui::ToQ;
using folio::test::OnModal;

namespace {

QString Q(const fs::path& path) { return QString::fromStdString(path.string()); }

void MakePhotos(const fs::path& folder, int count) {
  fs::create_directories(folder);
  for (int i = 1; i <= count; ++i)
    folio::test::WriteJpeg(folder / ("IMG_" + std::to_string(i) + ".jpg"), 96, 64, 90, i);
}

void SaveIni(const fs::path& ini, const folio::Settings& settings, std::u16string_view directory = u"") {
  folio::IniProfile profile(ini);
  ASSERT_TRUE(folio::SaveSettings(settings, directory, profile));
}

QStringList Lines(const CDlgResult* result) {
  QStringList lines;
  for (int i = 0; i < result->list()->count(); ++i) lines << result->list()->item(i)->text();
  return lines;
}

void Click(QAbstractButton* button) {
  QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(8, button->height() / 2));
}

void DropPaths(QWidget* target, const std::vector<fs::path>& paths) {
  QMimeData mime;
  QList<QUrl> urls;
  for (const fs::path& path : paths) urls << QUrl::fromLocalFile(Q(path));
  mime.setUrls(urls);
  const QPointF at(target->width() / 2.0, target->height() / 2.0);
  QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
  QApplication::processEvents();  // the batch runs once the drag is answered
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
  folio::test::TempDir temp;
};

TEST_F(MainWindowTest, ExecuteStartsAJobThatTheSameButtonCancels) {
  const fs::path folder = temp / "trip";
  MakePhotos(folder, 6);
  const auto photos = folio::test::HashesOf(folder);
  const fs::path other = temp / "other";
  MakePhotos(other, 2);

  CFolioscopeDlg dlg(ini());
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
  QTimer::singleShot(0, &dlg, [&] { QTimer::singleShot(0, &dlg, [&] {
    during.seen = true;
    during.caption = dlg.executeButton()->text();
    during.progressShown = dlg.progressBar()->isVisible();
    during.hintShown = dlg.dropHint()->isVisible();
    during.waitCursor = QApplication::overrideCursor() &&
                        QApplication::overrideCursor()->shape() == Qt::WaitCursor;
    during.title = dlg.windowTitle();
    dlg.close();  // refused while the job runs
    during.visibleAfterClose = dlg.isVisible();
    auto opened = OnModal<COptionDlg>([](COptionDlg* options) { options->reject(); });
    QTest::mouseClick(dlg.settingsButton(), Qt::LeftButton);  // ignored
    QTest::qWait(20);
    during.optionsOpened = *opened;
    DropPaths(&dlg, {other});  // ignored
    // Two clicks in one pump: the first cancels, the second starts nothing.
    QTest::mouseClick(dlg.executeButton(), Qt::LeftButton);
    QTest::mouseClick(dlg.executeButton(), Qt::LeftButton);
  }); });
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

  EXPECT_EQ(Lines(dlg.statusDialog()), QStringList{QStringLiteral("    キャンセル：処理がキャンセルされました")});
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
  CFolioscopeDlg dlg(ini());
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
  CFolioscopeDlg dlg(ini());
  dlg.show();
  QApplication::processEvents();
  dlg.folderBox()->setText(Q(temp / "nowhere"));  // a job start would complain
  dlg.folderBox()->setFocus();
  for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
    QTest::keyClick(dlg.folderBox(), key);
    QTest::keyClick(&dlg, key);
    QTest::keyClick(dlg.executeButton(), key);
  }
  QTest::qWait(20);
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_TRUE(dlg.shownMessages().empty());
  EXPECT_FALSE(fs::exists(ini()));  // not closed, so not saved

  CDlgResult* status = dlg.statusDialog();
  dlg.showStatusDialog(true);
  for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
    QTest::keyClick(status, key);
    QTest::keyClick(status->button(), key);
    QTest::keyClick(status->list(), key);
  }
  status->close();
  EXPECT_TRUE(status->isVisible());
}

TEST_F(MainWindowTest, SettingsSurviveCloseAndRestart) {
  {
    CFolioscopeDlg dlg(ini());
    dlg.show();
    QApplication::processEvents();
    EXPECT_EQ(dlg.folderBox()->text(), QString());
    auto edited = OnModal<COptionDlg>([](COptionDlg* options) {
      Click(options->modeButton[3]);
      options->tabResize->quality->lineEdit()->setText(QStringLiteral("55"));
      options->tabResize->saveDir->setText(QStringLiteral("%s_small"));
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
  CFolioscopeDlg again(ini());
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
  CFolioscopeDlg dlg(ini());
  dlg.show();
  EXPECT_EQ(dlg.settings().setting.Sort.size(), 25u);
  auto cancelled = OnModal<COptionDlg>([](COptionDlg* options) {
    QTest::mouseClick(options->cancelButton, Qt::LeftButton);
  });
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

  CFolioscopeDlg dlg(ini(), folio::FromPath(folder));
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
  CFolioscopeDlg dlg(ini(), folio::FromPath(temp / "missing"));
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
  folio::Settings stored;
  stored.setting.CreateMode = 1;
  SaveIni(ini(), stored);
  CFolioscopeDlg dlg(ini());
  dlg.show();
  QApplication::processEvents();
  DropPaths(&dlg, {spring, summer});

  CDlgResult* status = dlg.statusDialog();
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
  folio::Settings stored;
  stored.setting.CreateMode = 1;
  stored.setting.AutoClose = 1;
  SaveIni(ini(), stored);
  CFolioscopeDlg dlg(ini());
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
  folio::Settings stored;
  stored.setting.CreateMode = 1;
  stored.setting.AutoClose = 1;
  SaveIni(ini(), stored);
  CFolioscopeDlg dlg(ini());
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
  EXPECT_TRUE(Lines(dlg.statusDialog()).contains(QStringLiteral("キャンセルされました。次のフォルダ以降中止します。")));
  EXPECT_TRUE(fs::exists(folders[1] / "slideshow.html"));  // the current folder finished
  EXPECT_FALSE(fs::exists(folders[2] / "slideshow.html"));
  EXPECT_EQ(dlg.statusDialog()->button()->text(), QStringLiteral("閉じる"));
  EXPECT_FALSE(dlg.statusDialog()->isVisible());  // AutoClose
}

TEST_F(MainWindowTest, ExecuteDuringABatchStopsOnlyTheCurrentFolder) {
  std::vector<fs::path> folders = {temp / "a", temp / "b", temp / "c"};
  for (const fs::path& f : folders) MakePhotos(f, 4);
  folio::Settings stored;
  stored.setting.CreateMode = 1;
  SaveIni(ini(), stored);
  CFolioscopeDlg dlg(ini());
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
  EXPECT_TRUE(lines.mid(second, third - second).contains(QStringLiteral("    キャンセル：処理がキャンセルされました")));
  EXPECT_TRUE(lines.back().startsWith(QStringLiteral("    終了：")));
  EXPECT_FALSE(lines.contains(QStringLiteral("キャンセルされました。次のフォルダ以降中止します。")));
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
  CFolioscopeDlg dlg(ini());
  dlg.show();
  dlg.folderBox()->setText(QStringLiteral("/photos/Trip"));
  QTest::mouseClick(dlg.openButton(), Qt::LeftButton);
  QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
  ASSERT_EQ(catcher.urls.size(), 1);
  EXPECT_EQ(catcher.urls[0].toLocalFile(), QStringLiteral("/photos/Trip/Trip_small"));
}

TEST_F(MainWindowTest, AboutBoxShowsTheTitleAndBuildDate) {
  CFolioscopeDlg dlg(ini());
  dlg.show();
  QString title, date;
  auto shown = OnModal<CAboutDlg>([&](CAboutDlg* about) {
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
  CFolioscopeDlg dlg(ini());
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

TEST(StatusDialog, LinesKeepTheirOrderAndTheButtonStopsTheBatch) {
  CDlgResult status;
  EXPECT_EQ(status.windowTitle(), QStringLiteral("ステータス"));
  status.AddFolderLine(u"/p/zeta", 1, 2);
  status.AddStatusLine(u"終了：b");
  status.AddStatusLine(u"エラー：a");  // would sort first; still comes last
  EXPECT_EQ(Lines(&status), (QStringList{QStringLiteral("/p/zeta (1/2)"), QStringLiteral("    終了：b"),
                                         QStringLiteral("    エラー：a")}));
  EXPECT_EQ(status.list()->currentRow(), 2);

  status.show();
  status.setRunning(true);
  QTest::mouseClick(status.button(), Qt::LeftButton);
  EXPECT_FALSE(status.running());
  EXPECT_FALSE(status.button()->isEnabled());
  EXPECT_EQ(status.list()->count(), 4);
  EXPECT_EQ(status.list()->item(3)->text(), QStringLiteral("キャンセルされました。次のフォルダ以降中止します。"));
  EXPECT_EQ(status.list()->currentRow(), 2);
  EXPECT_TRUE(status.isVisible());
  status.button()->setEnabled(true);
  QTest::mouseClick(status.button(), Qt::LeftButton);  // not running: hides
  EXPECT_FALSE(status.isVisible());
}

TEST(ShellRules, CommandLineBecomesOneFolderPath) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"\"/photos/my trip\"", u"/photos/my trip"},
      {u"/photos/trip/", u"/photos/trip"},
      {u"/", u"/"},
      {u"\"/ph\"otos/a\"", u"/ph\"otos/a"},  // a quote anywhere: first and last character go
      {u"", u""},
  };
  for (const auto& [line, expected] : cases) {
    std::u16string got = folio::gui::NormaliseCommandLine(line);
    EXPECT_EQ(folio::ToUtf8(got), folio::ToUtf8(expected)) << folio::ToUtf8(line);
  }
  // A relative path is taken from the current folder.
  EXPECT_EQ(folio::ToPath(folio::gui::NormaliseCommandLine(u"trip")), fs::current_path() / "trip");
  EXPECT_EQ(folio::ToPath(folio::gui::NormaliseCommandLine(u"/ph\"otos")), fs::current_path() / "ph\"oto");
}

TEST(ShellRules, OpenTargetFollowsTheMode) {
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

TEST(ShellRules, BuildDateHasNoLeadingZeros) {
  EXPECT_EQ(folio::gui::BuildDateText("Jan  5 2016"), u"2016/1/5");
  EXPECT_EQ(folio::gui::BuildDateText("Dec 31 2026"), u"2026/12/31");
  EXPECT_EQ(folio::gui::BuildDateText("Oct 10 2020"), u"2020/10/10");
}

}  // namespace
