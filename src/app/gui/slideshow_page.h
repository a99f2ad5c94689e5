#pragma once
// Options page "スライドショー": the settings of the slideshow job.
#include <QWidget>

#include "settings/settings.h"

class QPlainTextEdit;
namespace folio::gui {
class NumberField;
}

class CDlgTabSS : public QWidget {
  Q_OBJECT
 public:
  explicit CDlgTabSS(QWidget* parent = nullptr);
  void setSettings(const folio::SlideShowSettings& settings);
  const folio::SlideShowSettings& settings() const { return s_; }
  bool readFields();
  void showFields();
  void refresh(int mode);

  folio::gui::NumberField* speed;  // 1000
  folio::gui::NumberField* size;   // 1002
  QPlainTextEdit* topString;       // 1005

 private:
  folio::SlideShowSettings s_;
};
