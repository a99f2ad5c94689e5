#pragma once
// Options page "合成画像": the settings of the composite job, with two colour
// samples that open the colour chooser.
#include <QLabel>
#include <QWidget>
#include <cstdint>

#include "settings/settings.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPlainTextEdit;
namespace folio::gui {
class NumberField;
}

// Eight spaces on a coloured ground; reports clicks.
class ColorSample : public QLabel {
  Q_OBJECT
 public:
  explicit ColorSample(QWidget* parent = nullptr);
  void setColor(uint32_t colorRef);  // red in the lowest byte
 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

class CDlgTabJpg : public QWidget {
  Q_OBJECT
 public:
  explicit CDlgTabJpg(QWidget* parent = nullptr);
  void setSettings(const folio::ComposeSettings& settings);
  const folio::ComposeSettings& settings() const { return s_; }
  bool readFields();
  void showFields();
  void refresh(int mode);

  uint32_t backgroundSample() const { return backgroundSample_; }
  uint32_t titleSample() const { return titleSample_; }

  QComboBox* paperSize;                      // 1018
  folio::gui::NumberField* createJpgWidth;   // 1028
  folio::gui::NumberField* createJpgHeight;  // 1027
  folio::gui::NumberField* jpgNumberW;       // 1034
  folio::gui::NumberField* jpgNumberH;       // 1023
  folio::gui::NumberField* spaceSize;        // 1020
  QCheckBox* arroundBlank;                   // 1021
  folio::gui::NumberField* blank[3];         // 1024, 1025, 1026
  ColorSample* blankSample;                  // 1048
  QCheckBox* changeRaito;                    // 1022
  folio::gui::NumberField* jpgQuality;       // 1029
  QCheckBox* enbMulti;                       // 1014
  folio::gui::NumberField* multiple;         // 1000
  folio::gui::NumberField* multipleX;        // 1002
  folio::gui::NumberField* multipleY;        // 1005
  QGroupBox* titleGroup;                     // 1043
  QCheckBox* enableTitle;                    // 1035
  QComboBox* position;                       // 1036
  folio::gui::NumberField* titleColor[3];    // 1037, 1038, 1039
  ColorSample* titleSampleBox;               // 1049
  QPlainTextEdit* title;                     // 1040
  folio::gui::NumberField* titleFontSize;    // 1041
  QCheckBox* titleDouble;                    // 1010

 private:
  void applyBigImageRule();
  void applyTitleRule();
  void updateSamples();
  void onPaperChosen(int index);
  void chooseColor(bool background);
  folio::ComposeSettings s_;
  uint32_t backgroundSample_ = 0;
  uint32_t titleSample_ = 0;
};
