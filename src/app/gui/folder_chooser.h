// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The folder chooser of Browse and of the resize page's save folder.
#include <QString>

class QWidget;

namespace folio::gui {

// The folder chooser "フォルダの選択", starting at `start`; returns the chosen
// folder without a trailing separator (a root excepted), or empty on cancel.
QString ChooseFolder(QWidget* owner, const QString& start);

}  // namespace folio::gui
