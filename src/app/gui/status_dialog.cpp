// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/status_dialog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/gui/qt_text.h"
#include "platform/text.h"

namespace folio::gui {

StatusDialog::StatusDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      list_(new QListWidget(this)),
      button_(new QPushButton(QStringLiteral("OK"), this)) {
  setWindowTitle(QStringLiteral("ステータス"));
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(button_);
  layout->addLayout(row);
  button_->setAutoDefault(false);
  resize(560, 260);
  connect(button_, &QPushButton::clicked, this, &StatusDialog::onButton);
}

void StatusDialog::appendSelected(const QString& line) {
  list_->addItem(line);
  list_->setCurrentRow(list_->count() - 1);
  list_->scrollToBottom();
}

void StatusDialog::addStatusLine(std::u16string_view text) {
  appendSelected(QStringLiteral("    ") + ToQ(text));
}

void StatusDialog::addFolderLine(std::u16string_view path, int number, int total) {
  appendSelected(ToQ(folio::FormatText(
      u"%s (%d/%d)", {path, folio::DecimalText(number), folio::DecimalText(total)})));
}

void StatusDialog::clear() { list_->clear(); }

void StatusDialog::onButton() {
  if (running_) {
    // Stops the batch after the folder that is running; the selection stays.
    list_->addItem(QStringLiteral("キャンセルされました。次のフォルダ以降中止します。"));
    running_ = false;
    button_->setEnabled(false);
    return;
  }
  hide();
  emit dismissed();
}

void StatusDialog::keyPressEvent(QKeyEvent* event) {
  // Enter and Escape are ordinary keys here: never OK, never Cancel.
  if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
      event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void StatusDialog::closeEvent(QCloseEvent* event) { event->ignore(); }

}  // namespace folio::gui
