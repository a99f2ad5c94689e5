#include "app/gui/dlg_result.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "options/widget_util.h"
#include "platform/text.h"

CDlgResult::CDlgResult(QWidget* parent)
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
  connect(button_, &QPushButton::clicked, this, &CDlgResult::onButton);
}

void CDlgResult::appendSelected(const QString& line) {
  list_->addItem(line);
  list_->setCurrentRow(list_->count() - 1);
  list_->scrollToBottom();
}

void CDlgResult::AddStatusLine(std::u16string_view text) {
  appendSelected(QStringLiteral("    ") + folio::gui::ToQ(text));
}

void CDlgResult::AddFolderLine(std::u16string_view path, int number, int total) {
  appendSelected(folio::gui::ToQ(
      folio::FormatText(u"%s (%d/%d)", {path, folio::DecimalText(number), folio::DecimalText(total)})));
}

void CDlgResult::Clear() { list_->clear(); }

void CDlgResult::onButton() {
  if (running_) {
    // Stops the batch after the folder that is running; the selection stays.
    list_->addItem(QStringLiteral("キャンセルされました。次のフォルダ以降中止します。"));
    running_ = false;
    button_->setEnabled(false);
    return;
  }
  hide();
}

void CDlgResult::keyPressEvent(QKeyEvent* event) {
  // Enter and Escape are ordinary keys here: never OK, never Cancel.
  if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void CDlgResult::closeEvent(QCloseEvent* event) { event->ignore(); }
