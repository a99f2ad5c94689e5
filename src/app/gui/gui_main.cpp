#include <QApplication>

#include <clocale>

#include "app/gui/folioscope_app.h"
#include "platform/allocator.h"

int main(int argc, char** argv) {
  folio::TuneAllocatorForPictures();
  QApplication app(argc, argv);
  // The toolkit adopts the user's locale for the C runtime; numbers in pages,
  // settings and lens names are always written with a decimal point.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName(QStringLiteral("Folioscope"));
  CFolioscopeApp theApp;
  return theApp.InitInstance(QApplication::arguments());
}
