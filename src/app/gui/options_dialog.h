#pragma once
// The options dialog "オプション設定": the job mode, the sort keyword and
// three switches, and one page per job mode in a tab control. It holds the
// settings record; its pages edit working copies that OK writes back.
#include <QDialog>

#include "settings/settings.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;
class QTabWidget;
class CDlgTabHtml;
class CDlgTabJpg;
class CDlgTabResize;
class CDlgTabSS;

class COptionDlg : public QDialog {
  Q_OBJECT
 public:
  explicit COptionDlg(QWidget* parent = nullptr);

  folio::Settings& settings() { return settings_; }
  const folio::Settings& settings() const { return settings_; }

  // Fills the dialog and its pages from the settings and opens on the tab of
  // the current mode; then runs it modally.
  int DoModal();
  void initDialog();

  void accept() override;  // OK: every page checked, then written back
  void done(int result) override;

  QRadioButton* modeButton[4];  // 1045, 1046, 1047, 1052
  QComboBox* sort;              // 1013
  QCheckBox* reverse;           // 1014
  QCheckBox* noDDtoRun;         // 1033
  QCheckBox* autoClose;         // 1010
  QTabWidget* tabs;             // 1044
  QPushButton* okButton;
  QPushButton* cancelButton;
  CDlgTabHtml* tabHtml;
  CDlgTabJpg* tabJpg;
  CDlgTabSS* tabSS;
  CDlgTabResize* tabResize;

 private:
  void readOwnControls();
  void showOwnControls();
  void refreshPages();
  void onMode();
  void onTabChanged(int index);
  void showTab(int index);

  folio::Settings settings_;
  bool selectingTab_ = false;
};
