// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include <clocale>
#include <cstdio>

#include "app/gui/application_look.h"
#include "app/gui/command_line.h"
#include "app/gui/main_window.h"
#include "app/translations.h"
#include "platform/allocator.h"
#include "settings/settings.h"

int main(int argc, char** argv) {
  const folio::gui::CommandLineRequest request = folio::gui::RequestOf(argc, argv);
  if (request != folio::gui::CommandLineRequest::kWindow) {
    // Answered on the terminal, as other programs do: no window, no display.
    QCoreApplication core(argc, argv);
    folio::InstallUserTranslation();
    const QString text = request == folio::gui::CommandLineRequest::kHelp
                             ? folio::gui::HelpText()
                             : folio::gui::VersionText();
    std::fputs(text.toUtf8().constData(), stdout);
    return 0;
  }
  folio::TuneAllocatorForPictures();
  // Takes the toolkit's own options out of argv; what remains are folders.
  QApplication app(argc, argv);
  // The toolkit adopts the user's locale for the C runtime; numbers in pages,
  // settings and lens names are always written with a decimal point.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName(QStringLiteral("Folioscope"));
  folio::InstallUserTranslation();
  folio::gui::SetUpFonts();
  QApplication::setDesktopFileName(folio::gui::kDesktopFileName);
  QApplication::setWindowIcon(folio::gui::MakeWindowIcon());

  folio::gui::MainWindow window(folio::SettingsFilePath(),
                                folio::gui::CommandLineFolders(argc, argv));
  window.exec();
  return 0;
}
