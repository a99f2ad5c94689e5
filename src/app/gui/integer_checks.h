// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The integer checks of the option pages: an edit's text read as an int,
// its range checked, and the message box of a failed check.
#include <QString>
#include <string_view>

#include "settings/setting_keys.h"

class QLineEdit;
class QWidget;

namespace folio::gui {

class NumberField;

// The integer an edit holds, as the dialog framework reads it: optional
// blanks and sign, then digits, then optional blanks. False when it is none.
bool ParseInt(const QString& text, int& value);

// Reads `field` into `value` and checks the range; on failure shows
// "Enter an integer." or "Enter an integer between %1 and %2.", puts the
// focus on the field and returns false.
bool ReadIntField(NumberField* field, int low, int high, int& value);
bool ReadIntField(QLineEdit* edit, int low, int high, int& value);
bool ReadIntField(NumberField* field, IntLimit limit, int& value);
bool ReadIntField(QLineEdit* edit, IntLimit limit, int& value);

// Reads `field` into the stored field `member` of `group` within that key's range.
template <typename Group>
bool ReadSettingField(NumberField* field, Group& group, int Group::*member) {
  return ReadIntField(field, RangeOf(member), group.*member);
}
template <typename Group>
bool ReadSettingField(QLineEdit* edit, Group& group, int Group::*member) {
  return ReadIntField(edit, RangeOf(member), group.*member);
}

// The field of the last failed check (null once it is gone).
QWidget* LastFailedField();

// The message box of a failed check, owned by the field's window.
void ShowCheckMessage(QWidget* field, const QString& text);

}  // namespace folio::gui
