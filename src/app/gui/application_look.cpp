// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/application_look.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

namespace folio::gui {

void SetUpFonts() {
  QFont font = QApplication::font();
  QStringList families = font.families();
  if (families.isEmpty()) families << font.family();
  if (!families.contains(QStringLiteral("IPAGothic"))) families << QStringLiteral("IPAGothic");
  font.setFamilies(families);
  QApplication::setFont(font);
}

QIcon MakeWindowIcon() {
  // The icon the package installs: the desktop's theme has it where the
  // program is installed; the same picture is built in for everywhere else.
  const QIcon builtIn(QStringLiteral(":/icons/") + kDesktopFileName + QStringLiteral(".png"));
  return QIcon::fromTheme(kDesktopFileName, builtIn);
}

}  // namespace folio::gui
