// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/status_dialog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/gui/qt_text.h"
#include "platform/text.h"

namespace folio::gui {

StatusDialog::StatusDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      list_(new QListWidget(this)),
      button_(new QPushButton(QStringLiteral("OK"), this)) {
  setWindowTitle(tr("Status"));
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
  auto* closeKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_W), this);
  connect(closeKey, &QShortcut::activated, this, &StatusDialog::closeAsButton);
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
    list_->addItem(tr("Cancelled. The folders after this one will not be run."));
    running_ = false;
    button_->setEnabled(false);
    return;
  }
  hide();
  emit dismissed();
}

void StatusDialog::closeAsButton() {
  // A running batch stops only through the button itself: a close key or
  // the title bar's X never cancels it by accident.
  if (!running_ && button_->isEnabled()) onButton();
}

void StatusDialog::keyPressEvent(QKeyEvent* event) {
  // Enter is an ordinary key here, never OK; Escape closes as the button does.
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    closeAsButton();
    return;
  }
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void StatusDialog::closeEvent(QCloseEvent* event) {
  // The title bar's X, Alt+F4 and close(): hidden (and dismissed) by
  // onButton, never destroyed.
  event->ignore();
  closeAsButton();
}

}  // namespace folio::gui
