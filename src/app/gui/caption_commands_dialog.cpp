// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/caption_commands_dialog.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace folio::gui {

CaptionCommandsDialog::CaptionCommandsDialog(QWidget* parent)
    : QDialog(parent), edit_(new QPlainTextEdit(this)) {
  setWindowTitle(tr("Command hints"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(edit_);
  edit_->setReadOnly(true);
  edit_->setPlainText(CommandText());
  resize(260, 300);
}

QString CaptionCommandsDialog::CommandText() {
  static const char* const kLines[] = {
      QT_TR_NOOP("These are the commands"),
      QT_TR_NOOP("Copy and paste them to use them"),
      "",
      QT_TR_NOOP("Image file no.: %n"),
      QT_TR_NOOP("Camera maker: %m"),
      QT_TR_NOOP("Camera model: %c"),
      QT_TR_NOOP("Image file name: %j"),
      QT_TR_NOOP("Date taken: %d"),
      QT_TR_NOOP("Shutter speed: %s s"),
      QT_TR_NOOP("F-number: %f"),
      QT_TR_NOOP("ISO speed: %i"),
      QT_TR_NOOP("Focal length: %lmm"),
      QT_TR_NOOP("Size: %h x %w pixels"),
      QT_TR_NOOP("Exposure mode: %e"),
      QT_TR_NOOP("White balance: %b"),
      QT_TR_NOOP("Exposure compensation: %r"),
      QT_TR_NOOP("Flash: %t"),
      QT_TR_NOOP("Lens: %v"),
  };
  QString text;
  for (const char* line : kLines) {
    if (line != kLines[0]) text += QStringLiteral("\r\n");
    if (*line) text += tr(line);
  }
  return text;
}

}  // namespace folio::gui
