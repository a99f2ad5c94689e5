// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the Open button hands to the desktop. A folder goes to the desktop's
// file manager and never to us: a machine that once installed a package
// claiming folders may still name Folioscope as the program for folders, and
// a folder opened by Folioscope runs a job on it.
#include <QString>
#include <QStringView>

namespace folio::gui {

// True when a desktop entry id (such as "io.github.folioscope.Folioscope.desktop")
// is one of ours.
bool IsFolioscopeEntry(QStringView desktopId);

// Shows the folder in the file manager: through its D-Bus service when one
// runs or can be started, else through xdg-open when the desktop's program
// for folders is not Folioscope. False when neither was possible.
bool OpenInFileManager(const QString& folder);

// A folder (also through a link) to the file manager, anything else (a
// page, an image, a missing file) to the desktop's program for it.
// Failures are silent.
void OpenOnDesktop(const QString& target);

}  // namespace folio::gui
