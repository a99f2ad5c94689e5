#pragma once
// The application: takes the folder of the command line and runs the main
// window modally; the program ends with it.
#include <QIcon>
#include <QStringList>

class CFolioscopeApp {
 public:
  // `arguments` as QApplication leaves them (program name first).
  int InitInstance(const QStringList& arguments);
  // The window font, with IPAGothic for the Japanese texts (the dialogs'
  // "MS UI Gothic" on this platform).
  static void SetUpFonts();
  // The window icon (also shown by the About box).
  static QIcon MakeIcon();
};
