// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An edit for an int. With `digitsOnly` it takes digits only; with a spin
// range it carries up/down arrows (and answers the arrow keys) that step by
// one and stop at that range, which may be narrower than what may be typed.
#include <QLineEdit>
#include <QString>
#include <QWidget>

class QToolButton;

namespace folio::gui {

class NumberField : public QWidget {
  Q_OBJECT
 public:
  explicit NumberField(bool digitsOnly, QWidget* parent = nullptr);
  void setSpinRange(int low, int high);
  bool hasSpin() const { return up_ != nullptr; }
  int spinLow() const { return spinLow_; }
  int spinHigh() const { return spinHigh_; }

  QLineEdit* lineEdit() const { return edit_; }
  QToolButton* upButton() const { return up_; }
  QToolButton* downButton() const { return down_; }
  QString text() const { return edit_->text(); }
  void setValue(int value) { edit_->setText(QString::number(value)); }
  void stepBy(int delta);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* edit_;
  QToolButton* up_ = nullptr;
  QToolButton* down_ = nullptr;
  int spinLow_ = 0, spinHigh_ = 0;
};

}  // namespace folio::gui
