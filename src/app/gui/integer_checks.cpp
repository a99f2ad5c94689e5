// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/integer_checks.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>

#include "app/gui/number_field.h"
#include "app/gui/qt_text.h"

namespace folio::gui {

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

bool ReadIntField(QLineEdit* edit, IntLimit limit, int& value) {
  return ReadIntField(edit, limit.low, limit.high, value);
}

bool ReadIntField(NumberField* field, IntLimit limit, int& value) {
  return ReadIntField(field->lineEdit(), limit.low, limit.high, value);
}

}  // namespace folio::gui
