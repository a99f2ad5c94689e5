// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/folder_chooser.h"

#include <QCoreApplication>
#include <QFileDialog>

#include "app/gui/qt_text.h"
#include "platform/text.h"

namespace folio::gui {

QString ChooseFolder(QWidget* owner, const QString& start) {
  QFileDialog dialog(
      owner, QCoreApplication::translate("folio::gui::FolderChooser", "Choose a folder"), start);
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly, true);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  if (dialog.exec() != QDialog::Accepted) return {};
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return {};
  return ToQ(WithoutTrailingSeparators(FromQ(chosen.front())));
}

}  // namespace folio::gui
