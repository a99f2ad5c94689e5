// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include <clocale>

#include "app/gui/application_look.h"
#include "app/gui/command_line.h"
#include "app/gui/main_window.h"
#include "platform/allocator.h"
#include "settings/settings.h"

int main(int argc, char** argv) {
  folio::TuneAllocatorForPictures();
  // Takes the toolkit's own options out of argv; what remains are folders.
  QApplication app(argc, argv);
  // The toolkit adopts the user's locale for the C runtime; numbers in pages,
  // settings and lens names are always written with a decimal point.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName(QStringLiteral("Folioscope"));
  folio::gui::SetUpFonts();
  QApplication::setWindowIcon(folio::gui::MakeWindowIcon());

  folio::gui::MainWindow window(folio::SettingsFilePath(),
                                folio::gui::CommandLineFolders(argc, argv));
  window.exec();
  return 0;
}
