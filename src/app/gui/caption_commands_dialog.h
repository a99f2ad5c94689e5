// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window "コマンドヒント": the commands of the caption template, ready to
// copy into it.
#include <QDialog>
#include <QString>

class QPlainTextEdit;

namespace folio::gui {

class CaptionCommandsDialog : public QDialog {
  Q_OBJECT
 public:
  explicit CaptionCommandsDialog(QWidget* parent = nullptr);
  static QString CommandText();
  QPlainTextEdit* edit() const { return edit_; }

 private:
  QPlainTextEdit* edit_;
};

}  // namespace folio::gui
