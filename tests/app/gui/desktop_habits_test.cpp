// SPDX-License-Identifier: GPL-3.0-or-later
// The window's desktop habits on real widgets: help and version on the
// terminal, Ctrl+Q, Enter in the folder box, the Help menu, the status
// dialog's close keys, dialogs that fit small screens, a dropped photo for
// its folder, the installed icon and desktop entry; and the window in each
// language the environment may ask for.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <fstream>

#include "app/gui/about_dialog.h"
#include "app/gui/application_look.h"
#include "app/gui/command_line.h"
#include "app/gui/main_window.h"
#include "app/gui/options_dialog.h"
#include "app/gui/screen_fit.h"
#include "app/gui/status_dialog.h"
#include "app/translations.h"
#include "gui_support/gui_test_env.h"
#include "gui_support/window_driving.h"
#include "platform/ini_profile.h"
#include "settings/settings.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using folio::gui::MainWindow;
using folio::gui::StatusDialog;
using folio::test::DropPaths;
using folio::test::Lines;
using folio::test::MakePhotos;
using folio::test::OnModal;
using folio::test::Q;

namespace {

class DesktopHabits : public ::testing::Test {
 protected:
  fs::path ini() const { return temp / "folioscope.ini"; }
  void StoreMode(int createMode) const {
    folio::Settings stored;
    stored.setting.CreateMode = createMode;
    folio::IniProfile profile(ini());
    ASSERT_TRUE(folio::SaveSettings(stored, u"", profile));
  }
  folio::test::TempDir temp;
};

TEST_F(DesktopHabits, CtrlQClosesAndSavesAsTheCloseCommandDoes) {
  MainWindow dlg(ini());
  dlg.show();
  QApplication::processEvents();
  dlg.folderBox()->setText(QStringLiteral("/photos/spring"));
  QTest::keyClick(dlg.folderBox(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_FALSE(dlg.isVisible());
  ASSERT_TRUE(fs::exists(ini()));
  folio::IniProfile profile(ini());
  EXPECT_EQ(profile.GetString(u"Setting", u"Directory", u""), u"/photos/spring");
}

TEST_F(DesktopHabits, EnterInTheFolderBoxIsExecute) {
  const fs::path spring = temp / "spring";
  MakePhotos(spring, 2);
  StoreMode(1);  // slideshow
  MainWindow dlg(ini());
  dlg.show();
  QApplication::processEvents();

  dlg.folderBox()->setText(Q(temp / "nowhere"));
  auto asked = OnModal<QMessageBox>([](QMessageBox* box) { box->accept(); });
  QTest::keyClick(dlg.folderBox(), Qt::Key_Return);
  ASSERT_TRUE(*asked);
  ASSERT_EQ(dlg.shownMessages().size(), 1u);
  EXPECT_EQ(dlg.shownMessages()[0].text, u"フォルダを指定してください");

  dlg.folderBox()->setText(Q(spring));
  auto done = OnModal<QMessageBox>([](QMessageBox* box) { box->accept(); });
  QTest::keyClick(dlg.folderBox(), Qt::Key_Enter);
  ASSERT_TRUE(*done);
  EXPECT_TRUE(fs::exists(spring / "slideshow.html"));
  ASSERT_EQ(dlg.shownMessages().size(), 2u);
  EXPECT_EQ(dlg.shownMessages()[1].text, u"スライドショーHTMLファイル作成完了");
  EXPECT_TRUE(dlg.isVisible());
}

TEST_F(DesktopHabits, HelpMenuAndContextMenuOpenTheAboutBox) {
  MainWindow dlg(ini());
  dlg.show();
  QApplication::processEvents();
  EXPECT_EQ(dlg.helpMenu()->title(), QStringLiteral("ヘルプ(&H)"));
  EXPECT_TRUE(dlg.helpMenu()->actions().contains(dlg.aboutAction()));
  EXPECT_TRUE(dlg.actions().contains(dlg.aboutAction()));  // the right-click menu
  EXPECT_EQ(dlg.contextMenuPolicy(), Qt::ActionsContextMenu);
  QString title;
  auto shown = OnModal<folio::gui::AboutDialog>([&](folio::gui::AboutDialog* about) {
    title = about->windowTitle();
    about->accept();
  });
  dlg.helpMenu()->actions().front()->trigger();
  ASSERT_TRUE(*shown);
  EXPECT_EQ(title, QStringLiteral("バージョン情報 Folioscope"));
}

// Escape, Ctrl+W and the title bar's X (a close event) each do what the
// button does once the batch is over: hide the report and say it was read.
TEST(StatusDialogCloseKeys, EachClosesTheEndedBatchAsTheButtonDoes) {
  const std::vector<std::pair<const char*, std::function<void(StatusDialog&)>>> closers = {
      {"Escape", [](StatusDialog& s) { QTest::keyClick(s.list(), Qt::Key_Escape); }},
      {"Ctrl+W",
       [](StatusDialog& s) { QTest::keyClick(s.list(), Qt::Key_W, Qt::ControlModifier); }},
      {"close event", [](StatusDialog& s) { s.close(); }},
  };
  for (const auto& [name, close] : closers) {
    SCOPED_TRACE(name);
    StatusDialog status;
    status.show();
    QApplication::processEvents();
    QSignalSpy dismissed(&status, &StatusDialog::dismissed);
    status.setRunning(true);  // a batch under way: the close keys leave it be
    close(status);
    EXPECT_TRUE(status.isVisible());
    EXPECT_TRUE(status.running());
    EXPECT_EQ(dismissed.count(), 0);
    status.setRunning(false);
    close(status);
    EXPECT_FALSE(status.isVisible());
    EXPECT_EQ(dismissed.count(), 1);
  }
}

// 1280 x 720 at 100 %, and 1920 x 1080 at 200 % (960 x 540 device-independent).
TEST_F(DesktopHabits, DialogsFitSmallScreens) {
  MainWindow dlg(ini());
  folio::gui::OptionsDialog* options = dlg.optionsDialog();
  for (const QSize screen : {QSize(1280, 720), QSize(960, 540)}) {
    SCOPED_TRACE(screen.height());
    for (int mode = 0; mode < 4; ++mode) {
      options->settings().setting.CreateMode = mode;
      options->showSettings();
      const QSize fitted =
          folio::gui::FittedSize(options->sizeHint(), options->minimumSizeHint(), screen);
      EXPECT_LE(fitted.width() + 16, screen.width());
      EXPECT_LE(fitted.height() + 48, screen.height());
    }
    for (QWidget* window :
         {static_cast<QWidget*>(&dlg), static_cast<QWidget*>(dlg.statusDialog())}) {
      EXPECT_LE(window->sizeHint().width(), screen.width());
      EXPECT_LE(window->sizeHint().height(), screen.height());
    }
  }
  // A screen that has room gets the whole dialog.
  EXPECT_EQ(folio::gui::FittedSize(QSize(600, 500), QSize(300, 200), QSize(1920, 1080)),
            QSize(600, 500));
  // Shown on the offscreen screen, the dialog opens within its work area.
  options->show();
  QApplication::processEvents();
  const QSize available = options->screen()->availableGeometry().size();
  EXPECT_LE(options->height(), available.height());
  EXPECT_LE(options->width(), available.width());
  options->reject();
}

TEST_F(DesktopHabits, ADroppedPhotoStandsForItsFolderAndOtherFilesAreRefused) {
  const fs::path spring = temp / "spring";
  MakePhotos(spring, 2);
  {
    std::ofstream note(temp / "notes.txt");
    note << "not a photo";
  }
  StoreMode(1);
  MainWindow dlg(ini());
  dlg.show();
  QApplication::processEvents();
  // Two photos of one folder are one folder of the batch.
  DropPaths(&dlg, {spring / "IMG_1.jpg", spring / "IMG_2.jpg"});
  QStringList lines = Lines(dlg.statusDialog());
  ASSERT_EQ(lines.size(), 2);
  EXPECT_EQ(lines[0], Q(spring) + QStringLiteral(" (1/1)"));
  EXPECT_EQ(lines[1], QStringLiteral("    終了：スライドショーHTMLファイル作成完了"));
  EXPECT_TRUE(fs::exists(spring / "slideshow.html"));
  QTest::mouseClick(dlg.statusDialog()->button(), Qt::LeftButton);

  DropPaths(&dlg, {temp / "notes.txt"});
  lines = Lines(dlg.statusDialog());
  ASSERT_EQ(lines.size(), 2);
  EXPECT_EQ(lines[0], Q(temp / "notes.txt") + QStringLiteral(" (1/1)"));
  EXPECT_EQ(lines[1], QStringLiteral("    エラー：フォルダではありません"));
  EXPECT_FALSE(fs::exists(temp / "slideshow.html"));
}

TEST(DesktopEntry, WindowIconAndDesktopFileNameAreTheInstalledOnes) {
  const QString data = QStringLiteral(FOLIO_SOURCE_DIR "/data/");
  QFile entry(data + folio::gui::kDesktopFileName + QStringLiteral(".desktop"));
  ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(entry.readAll());
  EXPECT_TRUE(text.contains(QStringLiteral("\nIcon=") + folio::gui::kDesktopFileName + u'\n'));

  const QImage installed(data + QStringLiteral("icons/hicolor/256x256/apps/") +
                         folio::gui::kDesktopFileName + QStringLiteral(".png"));
  ASSERT_FALSE(installed.isNull());
  const QIcon icon = folio::gui::MakeWindowIcon();
  ASSERT_FALSE(icon.isNull());
  // Pixel for pixel, within the rounding of a premultiplied pixmap.
  const QImage shown =
      icon.pixmap(installed.size()).toImage().convertToFormat(QImage::Format_ARGB32);
  const QImage expected = installed.convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(shown.size(), expected.size());
  int worst = 0;
  for (int y = 0; y < expected.height(); ++y)
    for (int x = 0; x < expected.width(); ++x) {
      const QRgb a = shown.pixel(x, y), b = expected.pixel(x, y);
      if (qAlpha(b) == 0) {
        worst = std::max(worst, qAlpha(a));
        continue;
      }
      const int tolerance = 255 / qAlpha(b);  // premultiplying rounds a faint pixel coarsely
      for (int d :
           {qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b), qAlpha(a) - qAlpha(b)})
        worst = std::max(worst, std::abs(d) - tolerance);
    }
  EXPECT_LE(worst, 1);
}

TEST(CommandLine, HelpAndVersionComeBeforeAnyFolder) {
  struct Case {
    std::vector<const char*> args;
    folio::gui::CommandLineRequest request;
  };
  using R = folio::gui::CommandLineRequest;
  const Case cases[] = {
      {{"folioscope"}, R::kWindow},
      {{"folioscope", "/photos"}, R::kWindow},
      {{"folioscope", "--help"}, R::kHelp},
      {{"folioscope", "/photos", "-h"}, R::kHelp},
      {{"folioscope", "--version"}, R::kVersion},
      {{"folioscope", "--", "--help"}, R::kWindow},  // a folder named --help
      {{"folioscope", "--helpful"}, R::kWindow},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(folio::gui::RequestOf(static_cast<int>(c.args.size()), c.args.data()), c.request)
        << c.args.back();
  }
  const char* const afterSeparator[] = {"folioscope", "--", "--help", "--"};
  const std::vector<std::u16string> folders = folio::gui::CommandLineFolders(4, afterSeparator);
  ASSERT_EQ(folders.size(), 2u);
  EXPECT_TRUE(folders[0].ends_with(u"/--help"));
  EXPECT_TRUE(folders[1].ends_with(u"/--"));
  EXPECT_TRUE(folio::gui::VersionText().startsWith(QStringLiteral("folioscope ")));
}

// The window as the environment's locale asks for it: a label, a message box
// and a status line in each language.
TEST_F(DesktopHabits, WindowSpeaksTheLanguageOfTheLocale) {
  struct Case {
    const char* lang;
    QString hint, boxText, boxCaption, statusLine;
  };
  const Case cases[] = {
      {"C", QStringLiteral("Drag and drop a folder of images here"),
       QStringLiteral("Please choose a folder"), QStringLiteral("Error"),
       QStringLiteral("    Error: not a folder")},
      {"en_US.UTF-8", QStringLiteral("Drag and drop a folder of images here"),
       QStringLiteral("Please choose a folder"), QStringLiteral("Error"),
       QStringLiteral("    Error: not a folder")},
      {"ja_JP.UTF-8", QStringLiteral("画像の入ったフォルダをここにドラッグ＆ドロップ"),
       QStringLiteral("フォルダを指定してください"), QStringLiteral("エラー"),
       QStringLiteral("    エラー：フォルダではありません")},
  };
  const QByteArray saved[] = {qgetenv("LANG"), qgetenv("LANGUAGE"), qgetenv("LC_ALL"),
                              qgetenv("LC_MESSAGES")};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lang);
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) qunsetenv(name);
    qputenv("LANG", c.lang);
    folio::InstallUserTranslation();
    {
      MainWindow dlg(ini());
      dlg.show();
      QApplication::processEvents();
      const QLabel* hint = dlg.findChild<QLabel*>();
      ASSERT_NE(hint, nullptr);
      EXPECT_EQ(hint->text(), c.hint);

      dlg.folderBox()->setText(Q(temp / "nowhere"));
      QString text, caption;
      auto shown = OnModal<QMessageBox>([&](QMessageBox* box) {
        text = box->text();
        caption = box->windowTitle();
        box->accept();
      });
      QTest::mouseClick(dlg.executeButton(), Qt::LeftButton);
      ASSERT_TRUE(*shown);
      EXPECT_EQ(text, c.boxText);
      EXPECT_EQ(caption, c.boxCaption);

      DropPaths(&dlg, {temp / "nowhere"});
      const QStringList lines = Lines(dlg.statusDialog());
      ASSERT_EQ(lines.size(), 2);
      EXPECT_EQ(lines[1], c.statusLine);
      dlg.setRunning(false);
      dlg.statusDialog()->hide();
    }
  }
  const char* names[] = {"LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES"};
  for (int i = 0; i < 4; ++i) {
    if (saved[i].isNull())
      qunsetenv(names[i]);
    else
      qputenv(names[i], saved[i]);
  }
  folio::InstallTranslation(QStringLiteral("ja"));
}

}  // namespace

namespace {

// The sort keyword is shown in the user's language but stored as the
// keyword the sort and the keyword pages know; a typed keyword stays typed.
TEST(SortKeyword, ShownTranslatedAndStoredAsTheKeyword) {
  const folio::test::ScopedLanguage english(QStringLiteral("en"));
  folio::gui::OptionsDialog dlg;
  dlg.settings().setting.Sort = u"メーカー";
  dlg.showSettings();
  EXPECT_EQ(dlg.sortKeyword->currentText(), QStringLiteral("Maker"));
  dlg.sortKeyword->setCurrentIndex(dlg.sortKeyword->findText(QStringLiteral("Lens")));
  dlg.accept();
  EXPECT_EQ(dlg.settings().setting.Sort, u"レンズ情報");

  dlg.settings().setting.Sort = u"自作キーワード";
  dlg.showSettings();
  EXPECT_EQ(dlg.sortKeyword->currentText(), QStringLiteral("自作キーワード"));
  dlg.accept();
  EXPECT_EQ(dlg.settings().setting.Sort, u"自作キーワード");
}

}  // namespace
