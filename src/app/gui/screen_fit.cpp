// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/screen_fit.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace folio::gui {

namespace {
// Room for the title bar and the frame the window manager adds.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 48;
}  // namespace

QSize FittedSize(QSize hint, QSize minimum, QSize available) {
  const QSize room(std::max(0, available.width() - kFrameWidth),
                   std::max(0, available.height() - kFrameHeight));
  return hint.boundedTo(room).expandedTo(minimum);
}

void FitToScreen(QWidget& window) {
  const QScreen* screen = window.screen();
  if (!screen) return;
  window.resize(
      FittedSize(window.sizeHint(), window.minimumSizeHint(), screen->availableGeometry().size()));
}

}  // namespace folio::gui
