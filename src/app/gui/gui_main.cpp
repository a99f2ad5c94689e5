#include <QApplication>

#include "app/gui/folioscope_app.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Folioscope"));
  CFolioscopeApp theApp;
  return theApp.InitInstance(QApplication::arguments());
}
