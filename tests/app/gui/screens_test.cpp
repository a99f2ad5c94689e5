// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the main window and of each options tab in English and in
// Japanese, for looking at the labels as a user sees them; docs/screenshots
// holds them. Runs only when FOLIO_SCREENS_DIR names a folder (for instance
// under xvfb-run with QT_QPA_PLATFORM=xcb).
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPixmap>
#include <QTabWidget>
#include <QTest>

#include "app/gui/about_dialog.h"
#include "app/gui/application_look.h"
#include "app/gui/main_window.h"
#include "app/gui/options_dialog.h"
#include "app/gui/status_dialog.h"
#include "app/job_outcome.h"
#include "gui_support/gui_test_env.h"
#include "support/test_support.h"

namespace {

TEST(Screens, MainWindowStatusDialogAndOptionTabs) {
  const QString dir = qEnvironmentVariable("FOLIO_SCREENS_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "FOLIO_SCREENS_DIR not set";
  folio::gui::SetUpFonts();
  QApplication::setWindowIcon(folio::gui::MakeWindowIcon());
  for (const QString& language : {QStringLiteral("en"), QStringLiteral("ja")}) {
    const folio::test::ScopedLanguage scope(language);
    const QString suffix = u'_' + language + QStringLiteral(".png");
    folio::test::TempDir temp;
    folio::gui::MainWindow dlg(temp / "folioscope.ini");
    dlg.show();
    dlg.folderBox()->setText(QStringLiteral("/photos/旅行"));
    QTest::qWait(200);
    EXPECT_TRUE(dlg.grab().save(dir + QStringLiteral("/main_window") + suffix));

    dlg.addFolderLine(u"/photos/旅行", 1, 1);
    dlg.addStatusLine(folio::Describe(folio::Outcome::kPagesMade).statusLine);
    dlg.setStatusButton(QCoreApplication::translate("StatusDialog", "Close").toStdU16String(),
                        true);
    dlg.showStatusDialog(true);
    QTest::qWait(200);
    EXPECT_TRUE(dlg.statusDialog()->grab().save(dir + QStringLiteral("/status_dialog") + suffix));
    dlg.showStatusDialog(false);

    folio::gui::AboutDialog about(dlg.windowTitle(), &dlg);
    about.show();
    QTest::qWait(200);
    EXPECT_TRUE(about.grab().save(dir + QStringLiteral("/about_box") + suffix));
    about.close();

    folio::gui::OptionsDialog* options = dlg.optionsDialog();
    const char* names[] = {"options_thumbnail", "options_slideshow", "options_composite",
                           "options_resize"};
    for (int mode = 0; mode < 4; ++mode) {
      options->settings().setting.CreateMode = mode;
      options->showSettings();
      options->show();
      QTest::qWait(200);
      EXPECT_TRUE(
          options->grab().save(dir + QLatin1Char('/') + QLatin1String(names[mode]) + suffix));
    }
    options->reject();
  }
}

}  // namespace
