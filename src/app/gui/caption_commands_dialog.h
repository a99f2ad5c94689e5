#pragma once
// The command window "コマンドヒント": the caption commands, ready to copy.
#include <QDialog>
#include <QString>

class QPlainTextEdit;

class CHintDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CHintDlg(QWidget* parent = nullptr);
  static QString CommandText();
  QPlainTextEdit* edit() const { return edit_; }

 private:
  QPlainTextEdit* edit_;
};
