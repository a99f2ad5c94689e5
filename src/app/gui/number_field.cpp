// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/number_field.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/gui/integer_checks.h"

namespace folio::gui {

NumberField::NumberField(bool digitsOnly, QWidget* parent)
    : QWidget(parent), edit_(new QLineEdit(this)) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(edit_);
  if (digitsOnly)
    edit_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit_));
  setFocusProxy(edit_);
}

void NumberField::setSpinRange(int low, int high) {
  spinLow_ = low;
  spinHigh_ = high;
  if (up_) return;
  auto* arrows = new QVBoxLayout;
  arrows->setContentsMargins(0, 0, 0, 0);
  arrows->setSpacing(0);
  up_ = new QToolButton(this);
  down_ = new QToolButton(this);
  for (QToolButton* button : {up_, down_}) {
    button->setFixedSize(16, 11);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    arrows->addWidget(button);
  }
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  static_cast<QHBoxLayout*>(layout())->addLayout(arrows);
  connect(up_, &QToolButton::clicked, this, [this] { stepBy(1); });
  connect(down_, &QToolButton::clicked, this, [this] { stepBy(-1); });
  edit_->installEventFilter(this);
}

void NumberField::stepBy(int delta) {
  int value = 0;
  if (!ParseInt(edit_->text(), value)) value = spinLow_;
  long long next = static_cast<long long>(value) + delta;
  next = std::clamp<long long>(next, spinLow_, spinHigh_);
  edit_->setText(QString::number(next));
  edit_->selectAll();
}

bool NumberField::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit_ && event->type() == QEvent::KeyPress && edit_->isEnabled()) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
      stepBy(key->key() == Qt::Key_Up ? 1 : -1);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace folio::gui
