// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the desktop program looks, set once at start-up: the font, the
// window icon and the desktop entry it belongs to.
#include <QIcon>

namespace folio::gui {

// The window font, with IPAGothic for the Japanese texts (the dialogs'
// "MS UI Gothic" on this platform).
void SetUpFonts();
// The name of the installed desktop entry (without ".desktop"), which is
// also the name of the icon: docks match the window to its entry by it.
inline const QString kDesktopFileName = QStringLiteral("io.github.folioscope.Folioscope");

// The window icon (also shown by the About box): the installed icon.
QIcon MakeWindowIcon();

}  // namespace folio::gui
