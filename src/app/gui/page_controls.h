#pragma once
// Helpers for the option pages: multi-line texts (CR LF in the settings,
// LF in the edit) and labelled rows.
#include <QPlainTextEdit>
#include <QString>

#include "options/widget_util.h"

namespace folio::gui {

inline void SetLines(QPlainTextEdit* edit, std::u16string_view text) {
  QString t = ToQ(text);
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  edit->setPlainText(t);
}
inline std::u16string GetLines(const QPlainTextEdit* edit) {
  QString t = edit->toPlainText();
  t.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return FromQ(t);
}
inline QPlainTextEdit* NewLinesEdit(QWidget* parent, bool scrollBar) {
  auto* edit = new QPlainTextEdit(parent);
  edit->setTabChangesFocus(true);
  edit->setVerticalScrollBarPolicy(scrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
  edit->setLineWrapMode(QPlainTextEdit::NoWrap);
  return edit;
}
inline NumberField* NewNumber(QWidget* parent, int spinLow, int spinHigh) {
  auto* field = new NumberField(true, parent);
  field->setSpinRange(spinLow, spinHigh);
  return field;
}

}  // namespace folio::gui
