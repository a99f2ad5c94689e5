// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About box "バージョン情報 Folioscope": the window's title and the build
// date.
#include <QDialog>
#include <string>

class QLabel;

namespace folio::gui {

class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  explicit AboutDialog(const QString& windowTitle, QWidget* parent = nullptr);
  QLabel* titleLabel;
  QLabel* dateLabel;
};

// "2016/1/5" from a __DATE__ text such as "Jan  5 2016".
std::u16string BuildDateText(const char* date);

}  // namespace folio::gui
