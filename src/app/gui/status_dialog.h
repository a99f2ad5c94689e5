// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The status dialog ("Status"): the status lines of a drop batch and the
// button that stops the batch after its current folder, or closes the dialog.
#include <QDialog>
#include <string_view>

class QListWidget;
class QPushButton;

namespace folio::gui {

class StatusDialog : public QDialog {
  Q_OBJECT
 public:
  explicit StatusDialog(QWidget* parent = nullptr);

  // Four spaces, the text; appended last and selected.
  void addStatusLine(std::u16string_view text);
  // "%s (%d/%d)" with no indent; appended last and selected.
  void addFolderLine(std::u16string_view path, int number, int total);
  void clear();

  bool running() const { return running_; }
  void setRunning(bool running) { running_ = running; }

  QListWidget* list() const { return list_; }
  QPushButton* button() const { return button_; }

  // Escape, Ctrl+W and the title bar's X close the dialog as its button does
  // once the batch has ended; while it runs they leave it be.
  void reject() override { closeAsButton(); }

 signals:
  // The button hid the dialog: the user has read the batch's report.
  void dismissed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void appendSelected(const QString& line);
  void onButton();
  void closeAsButton();

  QListWidget* list_;
  QPushButton* button_;
  bool running_ = false;  // `Running`: the batch may go on with its next folder
};

}  // namespace folio::gui
