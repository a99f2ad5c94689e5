// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/application_look.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

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
  // A photo frame over a page: drawn, so no image file has to ship.
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(40, 60, 110), 1.5));
  painter.setBrush(QColor(250, 250, 245));
  painter.drawRoundedRect(QRectF(3.5, 5.5, 25, 21), 3, 3);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(90, 150, 220));
  painter.drawRect(QRectF(7, 9, 18, 10));
  painter.setBrush(QColor(70, 140, 70));
  painter.drawPolygon(QPolygonF({QPointF(7, 19), QPointF(13, 13), QPointF(18, 19)}));
  painter.setBrush(QColor(245, 200, 60));
  painter.drawEllipse(QPointF(20.5, 12), 2, 2);
  painter.end();
  return QIcon(pixmap);
}

}  // namespace folio::gui
