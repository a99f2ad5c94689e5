// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A colour sample of the composite page: eight spaces on a coloured ground;
// reports clicks.
#include <QColor>
#include <QLabel>

namespace folio::gui {

class ColorSample : public QLabel {
  Q_OBJECT
 public:
  explicit ColorSample(QWidget* parent = nullptr);
  void setColor(const QColor& color);
  QColor color() const { return color_; }

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QColor color_{Qt::black};
};

}  // namespace folio::gui
