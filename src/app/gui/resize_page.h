// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Options page "リサイズ": the settings of the resize job, with a chooser for
// the save folder.
#include <QWidget>

#include <optional>

#include "settings/coded_values.h"
#include "settings/settings.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace folio::gui {

class NumberField;

class ResizePage : public QWidget {
  Q_OBJECT
 public:
  explicit ResizePage(QWidget* parent = nullptr);
  void setSettings(const ResizeSettings& settings);
  const ResizeSettings& settings() const { return s_; }
  bool readFields();
  void showFields();
  void refresh(std::optional<JobMode> mode);

  QLineEdit* saveFolder;
  QPushButton* browseButton;
  // Long side, percentages, width and height (`ResizeMode` 0 to 2).
  QRadioButton* sizeRule[3];
  NumberField* longSide;
  NumberField* widthPercent;
  NumberField* heightPercent;
  NumberField* targetWidth;
  NumberField* targetHeight;
  NumberField* jpegQuality;
  QCheckBox* keepExif;
  QCheckBox* overwrite;
  QCheckBox* autoRotate;

 private:
  void onBrowse();
  ResizeSettings s_;
};

}  // namespace folio::gui
