// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls the option pages are built of: multi-line texts (CR LF in the
// settings, LF in the edit), number fields with arrows, editable lists.
#include <QString>
#include <string>
#include <string_view>

class QComboBox;
class QPlainTextEdit;
class QWidget;

namespace folio::gui {

class NumberField;

void SetLines(QPlainTextEdit* edit, std::u16string_view text);
std::u16string GetLines(const QPlainTextEdit* edit);
QPlainTextEdit* NewLinesEdit(QWidget* parent, bool scrollBar);
// A digits-only field whose arrows step within [spinLow, spinHigh].
NumberField* NewNumber(QWidget* parent, int spinLow, int spinHigh);

// Shows `text` in an editable combo box. When it is one of the items, that
// item becomes the current one, so that the list and the arrow keys go on
// from it; any other text is shown as it is, with no item current.
void SetComboText(QComboBox* combo, const QString& text);

}  // namespace folio::gui
