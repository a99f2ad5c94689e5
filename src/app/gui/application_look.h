// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the desktop program looks, set once at start-up: the font and the
// window icon.
#include <QIcon>

namespace folio::gui {

// The window font, with IPAGothic for the Japanese texts (the dialogs'
// "MS UI Gothic" on this platform).
void SetUpFonts();
// The window icon (also shown by the About box).
QIcon MakeWindowIcon();

}  // namespace folio::gui
