#pragma once
// Options page "サムネイル": the settings of the thumbnail-page job.
#include <QWidget>

#include "settings/settings.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class CHintDlg;

namespace folio::gui {
class NumberField;
}

class CDlgTabHtml : public QWidget {
  Q_OBJECT
 public:
  explicit CDlgTabHtml(QWidget* parent = nullptr);

  // Working copy: set when the dialog opens, taken back at OK.
  void setSettings(const folio::ThumbnailSettings& settings);
  const folio::ThumbnailSettings& settings() const { return s_; }
  // Controls into the working copy, checking each number as it is read;
  // false (after the check message) at the first field that fails.
  bool readFields();
  void showFields();
  // Enables the page for the thumbnail mode, disables it for any other.
  void refresh(int mode);

  QRadioButton* sougo[3];
  folio::gui::NumberField* photoNo;    // 1000
  folio::gui::NumberField* linkNo;     // 1005
  folio::gui::NumberField* photoSize;  // 1002
  folio::gui::NumberField* lineNo;     // 1006
  QLineEdit* titleString;              // 1009
  QCheckBox* sortPage;                 // 1014
  QPlainTextEdit* topString;           // 1008
  QPlainTextEdit* exif;                // 1012
  QPushButton* commandButton;          // 1030
  QCheckBox* notResize;                // 1010
  QCheckBox* enbLink;                  // 1015
  QCheckBox* topHtml;                  // 1033
  folio::gui::NumberField* frameWidth; // 1020
  // Also governs the slide images and the sheet cells, so it stays enabled
  // in every mode.
  QCheckBox* autoRotate;
  CHintDlg* hint;

 private:
  void onNotResize();
  void onCommand();
  folio::ThumbnailSettings s_;
};
