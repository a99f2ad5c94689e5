#pragma once
// Options page "リサイズ": the settings of the resize job, with a chooser for
// the save folder.
#include <QWidget>

#include "settings/settings.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
namespace folio::gui {
class NumberField;
}

class CDlgTabResize : public QWidget {
  Q_OBJECT
 public:
  explicit CDlgTabResize(QWidget* parent = nullptr);
  void setSettings(const folio::ResizeSettings& settings);
  const folio::ResizeSettings& settings() const { return s_; }
  bool readFields();
  void showFields();
  void refresh(int mode);

  QLineEdit* saveDir;                // 1005
  QPushButton* browse;               // 1030
  QRadioButton* resizeMode[3];       // 1045, 1046, 1047
  folio::gui::NumberField* size;     // 1000
  folio::gui::NumberField* raitoX;   // 1006
  folio::gui::NumberField* raitoY;   // 1008
  folio::gui::NumberField* resizeX;  // 1009
  folio::gui::NumberField* resizeY;  // 1012
  folio::gui::NumberField* quality;  // 1002
  QCheckBox* exif;                   // 1010
  QCheckBox* overWrite;              // 1014
  QCheckBox* rotate;                 // 1015

 private:
  void onBrowse();
  folio::ResizeSettings s_;
};
