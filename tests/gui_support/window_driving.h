// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window tests do to the window as a user would: photo folders to
// drop, a drop of paths onto a widget, and the status lines to read back.
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <filesystem>
#include <string>
#include <vector>

#include "app/gui/status_dialog.h"
#include "support/test_support.h"

namespace folio::test {

inline QString Q(const std::filesystem::path& path) {
  return QString::fromStdString(path.string());
}

// `count` small photos IMG_1.jpg ... in `folder`, made if missing.
inline void MakePhotos(const std::filesystem::path& folder, int count) {
  std::filesystem::create_directories(folder);
  for (int i = 1; i <= count; ++i)
    WriteJpeg(folder / ("IMG_" + std::to_string(i) + ".jpg"), 96, 64, 90, i);
}

inline QStringList Lines(const gui::StatusDialog* status) {
  QStringList lines;
  for (int i = 0; i < status->list()->count(); ++i) lines << status->list()->item(i)->text();
  return lines;
}

// The paths as URLs dropped on the middle of `target` itself.
inline void DropPaths(QWidget* target, const std::vector<std::filesystem::path>& paths) {
  QMimeData mime;
  QList<QUrl> urls;
  for (const std::filesystem::path& path : paths) urls << QUrl::fromLocalFile(Q(path));
  mime.setUrls(urls);
  const QPointF at(target->width() / 2.0, target->height() / 2.0);
  QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
  QApplication::processEvents();  // the batch runs once the drag is answered
}

}  // namespace folio::test
