// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dialogs that fit the screen they open on, also a small one at a large
// scale (1920 x 1080 at 200 % leaves 960 x 540 device-independent pixels).
#include <QSize>

class QWidget;

namespace folio::gui {

// The size of a window that wants `hint`, can shrink to `minimum` and has
// `available` (the screen's work area, frame included) to open in.
QSize FittedSize(QSize hint, QSize minimum, QSize available);

// Resizes `window` to FittedSize on the screen it is on.
void FitToScreen(QWidget& window);

}  // namespace folio::gui
