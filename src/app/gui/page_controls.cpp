// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/page_controls.h"

#include <QComboBox>
#include <QPlainTextEdit>

#include "app/gui/number_field.h"
#include "app/gui/qt_text.h"

namespace folio::gui {

void SetLines(QPlainTextEdit* edit, std::u16string_view text) {
  QString t = ToQ(text);
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  edit->setPlainText(t);
}

std::u16string GetLines(const QPlainTextEdit* edit) {
  QString t = edit->toPlainText();
  t.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return FromQ(t);
}

QPlainTextEdit* NewLinesEdit(QWidget* parent, bool scrollBar) {
  auto* edit = new QPlainTextEdit(parent);
  edit->setTabChangesFocus(true);
  edit->setVerticalScrollBarPolicy(scrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
  edit->setLineWrapMode(QPlainTextEdit::NoWrap);
  return edit;
}

NumberField* NewNumber(QWidget* parent, int spinLow, int spinHigh) {
  auto* field = new NumberField(true, parent);
  field->setSpinRange(spinLow, spinHigh);
  return field;
}

void SetComboText(QComboBox* combo, const QString& text) {
  combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
  combo->setEditText(text);
}

}  // namespace folio::gui
