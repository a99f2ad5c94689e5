// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Options page "サムネイル": the settings of the thumbnail-page job.
#include <QWidget>

#include <optional>

#include "settings/coded_values.h"
#include "settings/settings.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace folio::gui {

class CaptionCommandsDialog;
class NumberField;

class ThumbnailPage : public QWidget {
  Q_OBJECT
 public:
  explicit ThumbnailPage(QWidget* parent = nullptr);

  // Working copy: set when the dialog opens, taken back at OK.
  void setSettings(const ThumbnailSettings& settings);
  const ThumbnailSettings& settings() const { return s_; }
  // Controls into the working copy, checking each number as it is read;
  // false (after the check message) at the first field that fails.
  bool readFields();
  void showFields();
  // Enables the page for the thumbnail mode, disables it for any other.
  void refresh(std::optional<JobMode> mode);

  // Rewind and make pages, make pages only, rewind only (`Sougo` 0 to 2).
  QRadioButton* rewindPolicy[3];
  NumberField* photosPerPage;
  NumberField* linkColumns;
  NumberField* thumbnailSize;
  NumberField* photoColumns;
  QLineEdit* pageTitle;
  QCheckBox* keywordPages;
  QPlainTextEdit* topText;
  QPlainTextEdit* captionTemplate;
  QPushButton* showCommandsButton;
  QCheckBox* noThumbnails;
  QCheckBox* noPhotoLinks;
  QCheckBox* batchTopPage;
  NumberField* menuWidth;
  // Also governs the slide images and the sheet cells, so it stays enabled
  // in every mode.
  QCheckBox* autoRotate;
  // [Setting] ClassicPages, shown here beside the other page options; it
  // governs the slideshow page too, so it stays enabled in every mode.
  QCheckBox* classicPages;
  CaptionCommandsDialog* commandsDialog;

 private:
  void onNoThumbnails();
  void onShowCommands();
  ThumbnailSettings s_;
};

}  // namespace folio::gui
