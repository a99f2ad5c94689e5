#include "app/gui/folioscope_app.h"

#include <QApplication>
#include <QFont>

#include "app/gui/folioscope_dlg.h"
#include "app/gui/shell_rules.h"
#include "options/widget_util.h"
#include "settings/settings.h"

void CFolioscopeApp::SetUpFonts() {
  QFont font = QApplication::font();
  QStringList families = font.families();
  if (families.isEmpty()) families << font.family();
  if (!families.contains(QStringLiteral("IPAGothic"))) families << QStringLiteral("IPAGothic");
  font.setFamilies(families);
  QApplication::setFont(font);
}

int CFolioscopeApp::InitInstance(const QStringList& arguments) {
  SetUpFonts();
  const std::filesystem::path iniPath = folio::MakeIniPath(folio::CurrentExecutablePath());
  // The whole command line is one folder path, spaces included.
  const QString commandLine = arguments.mid(1).join(u' ');
  CFolioscopeDlg dlg(iniPath, folio::gui::NormaliseCommandLine(folio::gui::FromQ(commandLine)));
  dlg.exec();
  return 0;
}
