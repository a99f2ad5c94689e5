// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/folder_opener.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace folio::gui {

namespace {

constexpr auto kFileManagerService = "org.freedesktop.FileManager1";

bool ShowThroughDBus(const QString& folder) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected() || !bus.interface()) return false;
  const QString service = QString::fromLatin1(kFileManagerService);
  const bool running = bus.interface()->isServiceRegistered(service).value();
  if (!running && !bus.interface()->activatableServiceNames().value().contains(service))
    return false;
  QDBusMessage call =
      QDBusMessage::createMethodCall(service, QStringLiteral("/org/freedesktop/FileManager1"),
                                     service, QStringLiteral("ShowFolders"));
  call << QStringList{QUrl::fromLocalFile(folder).toString()} << QString();
  // Not waited for: starting a file manager may take a while, and the window
  // must not freeze meanwhile.
  return bus.send(call);
}

// The desktop entry xdg-mime gives for folders; empty when it cannot tell.
QString FolderHandler() {
  QProcess query;
  query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                           QStringLiteral("inode/directory")});
  // Bounded: a wedged helper must not hang the window.
  if (!query.waitForFinished(3000)) {
    query.kill();
    query.waitForFinished(1000);
    return {};
  }
  if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0) return {};
  return QString::fromUtf8(query.readAllStandardOutput()).trimmed();
}

}  // namespace

bool IsFolioscopeEntry(QStringView desktopId) {
  return desktopId.contains(QStringLiteral("folioscope"), Qt::CaseInsensitive);
}

bool OpenInFileManager(const QString& folder) {
  if (ShowThroughDBus(folder)) return true;
  // Without the service: only when the program for folders is known and is
  // not ours (an unknown one could be us).
  const QString handler = FolderHandler();
  if (handler.isEmpty() || IsFolioscopeEntry(handler)) return false;
  return QProcess::startDetached(QStringLiteral("xdg-open"), {folder});
}

void OpenOnDesktop(const QString& target) {
  if (QFileInfo(target).isDir()) {  // follows links: a page may be a link to a folder
    OpenInFileManager(target);
    return;
  }
  QDesktopServices::openUrl(QUrl::fromLocalFile(target));
}

}  // namespace folio::gui
