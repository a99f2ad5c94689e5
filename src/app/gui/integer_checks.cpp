#include "options/widget_util.h"

#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/text.h"

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

bool ParseInt(const QString& text, int& value) {
  QString t = text.trimmed();
  if (t.isEmpty()) return false;
  int i = 0;
  bool negative = false;
  if (t[0] == u'+' || t[0] == u'-') {
    negative = t[0] == u'-';
    ++i;
  }
  if (i >= t.size()) return false;
  long long result = 0;
  for (; i < t.size(); ++i) {
    if (t[i] < u'0' || t[i] > u'9') return false;
    result = result * 10 + (t[i].unicode() - u'0');
    if (result > 2147483648LL) return false;  // beyond an int: not an integer
  }
  if (negative) result = -result;
  if (result > 2147483647LL) return false;
  value = static_cast<int>(result);
  return true;
}

namespace {
QPointer<QWidget> g_lastFailed;
}

QWidget* LastFailedField() { return g_lastFailed.data(); }

void ShowCheckMessage(QWidget* field, const QString& text) {
  g_lastFailed = field;
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Folioscope"), text, QMessageBox::Ok,
                  field->window());
  box.exec();
  field->setFocus(Qt::OtherFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
}

bool ReadIntField(QLineEdit* edit, int low, int high, int& value) {
  int parsed = 0;
  if (!ParseInt(edit->text(), parsed)) {
    ShowCheckMessage(edit, QStringLiteral("Enter an integer."));
    return false;
  }
  if (parsed < low || parsed > high) {
    ShowCheckMessage(edit, ToQ(RangeMessage(IntLimit{low, high})));
    return false;
  }
  value = parsed;
  return true;
}

bool ReadIntField(NumberField* field, int low, int high, int& value) {
  return ReadIntField(field->lineEdit(), low, high, value);
}

IntLimit Limit(std::u16string_view section, std::u16string_view key) {
  return LimitOf(section, key).value_or(IntLimit{0, 0});
}

bool ReadIntField(QLineEdit* edit, IntLimit limit, int& value) {
  return ReadIntField(edit, limit.low, limit.high, value);
}

bool ReadIntField(NumberField* field, IntLimit limit, int& value) {
  return ReadIntField(field->lineEdit(), limit.low, limit.high, value);
}

void SetComboText(QComboBox* combo, const QString& text) {
  combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
  combo->setEditText(text);
}

QString ChooseFolder(QWidget* owner, const QString& start) {
  QFileDialog dialog(owner, QStringLiteral("フォルダの選択"), start);
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly, true);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  if (dialog.exec() != QDialog::Accepted) return {};
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return {};
  return ToQ(WithoutTrailingSeparators(FromQ(chosen.front())));
}

}  // namespace folio::gui
