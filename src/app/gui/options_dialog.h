// SPDX-License-Identifier: GPL-3.0-or-later
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

namespace folio::gui {

class CompositePage;
class ResizePage;
class SlideshowPage;
class ThumbnailPage;

class OptionsDialog : public QDialog {
  Q_OBJECT
 public:
  explicit OptionsDialog(QWidget* parent = nullptr);

  Settings& settings() { return settings_; }
  const Settings& settings() const { return settings_; }

  // Fills the dialog and its pages from the settings and turns to the tab of
  // the current mode; call it before each exec().
  void showSettings();

  void accept() override;  // OK: every page checked, then written back
  void done(int result) override;

  // Thumbnail pages, slideshow, composite image, resize (`CreateMode` 0 to 3).
  QRadioButton* modeButton[4];
  QComboBox* sortKeyword;
  QCheckBox* reverseOrder;
  QCheckBox* dropOnlyFillsFolderBox;
  QCheckBox* closeStatusWhenDone;
  QTabWidget* tabs;
  QPushButton* okButton;
  QPushButton* cancelButton;
  ThumbnailPage* thumbnailPage;
  CompositePage* compositePage;
  SlideshowPage* slideshowPage;
  ResizePage* resizePage;

 protected:
  // Opens no larger than the screen; the pages scroll instead.
  void showEvent(QShowEvent* event) override;

 private:
  // The tab that holds `page` (each page sits in a scroll area).
  int tabOf(const QWidget* page) const;
  void readOwnControls();
  void showOwnControls();
  void refreshPages();
  void onMode();
  void onTabChanged(int index);
  void showTab(int index);

  Settings settings_;
  bool selectingTab_ = false;
};

}  // namespace folio::gui
