// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt Test under GoogleTest: one QApplication for the program, and a way to
// act on a modal window (message box, colour or folder chooser) once its own
// loop runs.
#include <QApplication>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/translations.h"

namespace folio::test {

// The program's language for one scope; the tests run in Japanese outside.
class ScopedLanguage {
 public:
  explicit ScopedLanguage(const QString& language) { InstallTranslation(language); }
  ~ScopedLanguage() { InstallTranslation(QStringLiteral("ja")); }
  ScopedLanguage(const ScopedLanguage&) = delete;
  ScopedLanguage& operator=(const ScopedLanguage&) = delete;
};

// Runs `act` on the first active modal widget of type T that appears after
// this call (polling from the event loop); `*done` tells whether it ran.
// Dropping the returned handle stops the watch.
template <class T>
std::shared_ptr<bool> OnModal(std::function<void(T*)> act) {
  auto done = std::make_shared<bool>(false);
  std::weak_ptr<bool> handle = done;
  // Owned by the application, so a watch whose deferred delete never comes
  // (posted from inside a modal loop the test then left) is still freed.
  auto* timer = new QTimer(qApp);
  auto tries = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, [timer, act, handle, tries] {
    std::shared_ptr<bool> done = handle.lock();
    if (!done) {
      timer->stop();
      timer->deleteLater();
    } else if (T* widget = qobject_cast<T*>(QApplication::activeModalWidget())) {
      timer->stop();
      timer->deleteLater();
      *done = true;
      act(widget);
    } else if (++*tries > 2000) {
      timer->stop();
      timer->deleteLater();
    }
  });
  timer->start(5);
  return done;
}

}  // namespace folio::test
