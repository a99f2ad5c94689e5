// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Options page "合成画像": the settings of the composite job, with two colour
// samples that open the colour chooser.
#include <QWidget>

#include <optional>

#include "settings/coded_values.h"
#include "settings/settings.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPlainTextEdit;

namespace folio::gui {

class ColorSample;
class NumberField;

class CompositePage : public QWidget {
  Q_OBJECT
 public:
  explicit CompositePage(QWidget* parent = nullptr);
  void setSettings(const ComposeSettings& settings);
  const ComposeSettings& settings() const { return s_; }
  bool readFields();
  void showFields();
  void refresh(std::optional<JobMode> mode);

  QComboBox* paperSize;
  NumberField* sheetWidth;
  NumberField* sheetHeight;
  NumberField* photoColumns;
  NumberField* photoRows;
  NumberField* spacing;
  QCheckBox* spacingAtEdges;
  NumberField* backgroundChannels[3];  // red, green, blue
  ColorSample* backgroundSample;
  QCheckBox* stretchToCell;
  NumberField* jpegQuality;
  // One photo over several cells: its size in cells and its cell position.
  QCheckBox* bigCellEnabled;
  NumberField* bigCellScale;
  NumberField* bigCellColumn;
  NumberField* bigCellRow;
  QGroupBox* titleGroup;
  QCheckBox* titleEnabled;
  QComboBox* titlePosition;
  NumberField* titleChannels[3];  // red, green, blue
  ColorSample* titleSample;
  QPlainTextEdit* titleText;
  NumberField* titleFontSize;
  QCheckBox* titleTwoCells;

 private:
  void applyBigCellRule();
  void applyTitleRule();
  void updateSamples();
  void onPaperChosen(int index);
  void chooseColor(bool background);
  ComposeSettings s_;
};

}  // namespace folio::gui
