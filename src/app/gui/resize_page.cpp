// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/resize_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/gui/folder_chooser.h"
#include "app/gui/integer_checks.h"
#include "app/gui/number_field.h"
#include "app/gui/page_controls.h"
#include "app/gui/qt_text.h"

namespace folio::gui {

namespace {
NumberField* Plain(QWidget* parent) {
  auto* field = new NumberField(true, parent);
  field->setMaximumWidth(64);
  return field;
}
}  // namespace

ResizePage::ResizePage(QWidget* parent) : QWidget(parent) {
  auto* grid = new QGridLayout(this);
  int row = 0;
  grid->addWidget(new QLabel(tr("- Save folder name (%s: the original folder)"), this), row++, 0, 1,
                  6);
  saveFolder = new QLineEdit(this);
  browseButton = new QPushButton(tr("Browse..."), this);
  browseButton->setAutoDefault(false);
  grid->addWidget(saveFolder, row, 0, 1, 5);
  grid->addWidget(browseButton, row++, 5);

  grid->addWidget(new QLabel(tr("- How to resize"), this), row++, 0, 1, 6);
  auto* group = new QButtonGroup(this);
  const char* texts[3] = {QT_TR_NOOP("Give the long side in pixels (aspect ratio kept)"),
                          QT_TR_NOOP("Give the size as a ratio  width"),
                          QT_TR_NOOP("Give width and height  width")};
  for (int i = 0; i < 3; ++i) {
    sizeRule[i] = new QRadioButton(tr(texts[i]), this);
    group->addButton(sizeRule[i], i);
  }
  longSide = Plain(this);
  widthPercent = Plain(this);
  heightPercent = Plain(this);
  targetWidth = Plain(this);
  targetHeight = Plain(this);
  grid->addWidget(sizeRule[0], row, 0, 1, 3);
  grid->addWidget(longSide, row++, 3);
  grid->addWidget(sizeRule[1], row, 0, 1, 3);
  grid->addWidget(widthPercent, row, 3);
  grid->addWidget(new QLabel(tr("%  height"), this), row, 4);
  grid->addWidget(heightPercent, row, 5);
  grid->addWidget(new QLabel(QStringLiteral("%"), this), row++, 6);
  grid->addWidget(sizeRule[2], row, 0, 1, 3);
  grid->addWidget(targetWidth, row, 3);
  grid->addWidget(new QLabel(tr("height"), this), row, 4);
  grid->addWidget(targetHeight, row++, 5);

  jpegQuality = NewNumber(this, 0, 100);
  grid->addWidget(new QLabel(tr("- JPG quality of the resized images"), this), row, 0, 1, 2);
  grid->addWidget(jpegQuality, row++, 2, 1, 2);
  keepExif = new QCheckBox(tr("Keep the Exif data"), this);
  overwrite = new QCheckBox(tr("Overwrite a file of the same name in the save folder"), this);
  autoRotate = new QCheckBox(tr("Turn the images as their orientation tag says"), this);
  grid->addWidget(keepExif, row++, 0, 1, 6);
  grid->addWidget(overwrite, row++, 0, 1, 6);
  grid->addWidget(autoRotate, row++, 0, 1, 6);
  grid->setRowStretch(row, 1);
  grid->setColumnStretch(2, 1);

  connect(browseButton, &QPushButton::clicked, this, &ResizePage::onBrowse);
}

void ResizePage::setSettings(const ResizeSettings& settings) {
  s_ = settings;
  showFields();
}

void ResizePage::showFields() {
  saveFolder->setText(ToQ(s_.SaveDir));
  for (int i = 0; i < 3; ++i) sizeRule[i]->setChecked(s_.ResizeMode == i);
  longSide->setValue(s_.Size);
  widthPercent->setValue(s_.RaitoX);
  heightPercent->setValue(s_.RaitoY);
  targetWidth->setValue(s_.ResizeX);
  targetHeight->setValue(s_.ResizeY);
  jpegQuality->setValue(s_.Quality);
  keepExif->setChecked(s_.Exif != 0);
  overwrite->setChecked(s_.OverWrite != 0);
  autoRotate->setChecked(s_.Rotate != 0);
}

bool ResizePage::readFields() {
  s_.SaveDir = FromQ(saveFolder->text());
  for (int i = 0; i < 3; ++i)  // none checked (a value from the file): it stays
    if (sizeRule[i]->isChecked()) s_.ResizeMode = i;
  if (!ReadSettingField(longSide, s_, &ResizeSettings::Size)) return false;
  if (!ReadSettingField(widthPercent, s_, &ResizeSettings::RaitoX)) return false;
  if (!ReadSettingField(heightPercent, s_, &ResizeSettings::RaitoY)) return false;
  if (!ReadSettingField(targetWidth, s_, &ResizeSettings::ResizeX)) return false;
  if (!ReadSettingField(targetHeight, s_, &ResizeSettings::ResizeY)) return false;
  if (!ReadSettingField(jpegQuality, s_, &ResizeSettings::Quality)) return false;
  s_.Exif = keepExif->isChecked();
  s_.OverWrite = overwrite->isChecked();
  s_.Rotate = autoRotate->isChecked();
  return true;
}

void ResizePage::refresh(std::optional<JobMode> mode) {
  QWidget* controls[] = {saveFolder,  browseButton, sizeRule[0],   sizeRule[1], sizeRule[2],
                         longSide,    widthPercent, heightPercent, targetWidth, targetHeight,
                         jpegQuality, keepExif,     overwrite,     autoRotate};
  for (QWidget* control : controls) control->setEnabled(mode == kModeResize);
}

void ResizePage::onBrowse() {
  readFields();
  const QString chosen = ChooseFolder(window(), ToQ(s_.SaveDir));
  if (chosen.isEmpty()) return;
  s_.SaveDir = FromQ(chosen);
  showFields();
}

}  // namespace folio::gui
