// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/color_sample.h"

#include <QMouseEvent>
#include <QPalette>

namespace folio::gui {

ColorSample::ColorSample(QWidget* parent) : QLabel(QStringLiteral("        "), parent) {
  setAutoFillBackground(true);
  setFrameShape(QFrame::Box);
  setMinimumWidth(40);
}

void ColorSample::setColor(const QColor& color) {
  color_ = color;
  QPalette p = palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    p.setColor(group, QPalette::Window, color);
  setPalette(p);
  update();
}

void ColorSample::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (isEnabled() && event->button() == Qt::LeftButton &&
      rect().contains(event->position().toPoint()))
    emit clicked();
}

}  // namespace folio::gui
