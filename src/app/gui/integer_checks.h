#pragma once
// Small pieces shared by the dialogs: UTF-16 <-> QString, the digits-only
// number field with its arrows, the integer checks with their messages, and
// the folder chooser.
#include <QLineEdit>
#include <QString>
#include <QWidget>
#include <string>
#include <string_view>

#include "settings/setting_limits.h"

class QComboBox;
class QToolButton;

namespace folio::gui {

inline QString ToQ(std::u16string_view text) {
  return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}
inline std::u16string FromQ(const QString& text) {
  return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()),
                        static_cast<std::size_t>(text.size()));
}

// An edit for an int. With `digitsOnly` it takes digits only; with a spin
// range it carries up/down arrows (and answers the arrow keys) that step by
// one and stop at that range, which may be narrower than what may be typed.
class NumberField : public QWidget {
  Q_OBJECT
 public:
  NumberField(bool digitsOnly, QWidget* parent = nullptr);
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

// The integer an edit holds, as the dialog framework reads it: optional
// blanks and sign, then digits, then optional blanks. False when it is none.
bool ParseInt(const QString& text, int& value);

// The range of a number key from the shared table (every dialog field has one).
IntLimit Limit(std::u16string_view section, std::u16string_view key);

// Reads `field` into `value` and checks the range; on failure shows
// "Enter an integer." or "Enter an integer between %1 and %2.", puts the
// focus on the field and returns false.
bool ReadIntField(NumberField* field, int low, int high, int& value);
bool ReadIntField(QLineEdit* edit, int low, int high, int& value);
bool ReadIntField(NumberField* field, IntLimit limit, int& value);
bool ReadIntField(QLineEdit* edit, IntLimit limit, int& value);

// The field of the last failed check (null once it is gone).
QWidget* LastFailedField();

// The message box of a failed check, owned by the field's window.
void ShowCheckMessage(QWidget* field, const QString& text);

// Shows `text` in an editable combo box. When it is one of the items, that
// item becomes the current one, so that the list and the arrow keys go on
// from it; any other text is shown as it is, with no item current.
void SetComboText(QComboBox* combo, const QString& text);

// The folder chooser "フォルダの選択", starting at `start`; returns the chosen
// folder without a trailing separator (a root excepted), or empty on cancel.
QString ChooseFolder(QWidget* owner, const QString& start);

}  // namespace folio::gui
