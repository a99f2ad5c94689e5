// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/thumbnail_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/gui/caption_commands_dialog.h"
#include "app/gui/integer_checks.h"
#include "app/gui/number_field.h"
#include "app/gui/page_controls.h"
#include "app/gui/qt_text.h"

namespace folio::gui {

namespace {
// The rewind buttons, top to bottom.
constexpr RewindPolicy kButtonPolicies[3] = {RewindPolicy::kRewindAndPages,
                                             RewindPolicy::kPagesOnly, RewindPolicy::kRewindOnly};
}  // namespace

ThumbnailPage::ThumbnailPage(QWidget* parent) : QWidget(parent) {
  auto* grid = new QGridLayout(this);
  auto* rewindRow = new QHBoxLayout;
  auto* group = new QButtonGroup(this);
  const char* rewindTexts[3] = {QT_TR_NOOP("Make pages or rewind, in turn"),
                                QT_TR_NOOP("Only make the HTML"), QT_TR_NOOP("Only rewind")};
  for (int i = 0; i < 3; ++i) {
    rewindPolicy[i] = new QRadioButton(tr(rewindTexts[i]), this);
    group->addButton(rewindPolicy[i], i);
    rewindRow->addWidget(rewindPolicy[i]);
  }
  rewindRow->addStretch();
  grid->addLayout(rewindRow, 0, 0, 1, 4);

  photosPerPage = NewNumber(this, 0, 100);
  linkColumns = NewNumber(this, 1, 100);
  thumbnailSize = NewNumber(this, 10, 10000);
  photoColumns = NewNumber(this, 1, 100);
  grid->addWidget(new QLabel(tr("- Images per page"), this), 1, 0);
  grid->addWidget(photosPerPage, 1, 1);
  grid->addWidget(new QLabel(tr("- Link columns"), this), 1, 2);
  grid->addWidget(linkColumns, 1, 3);
  grid->addWidget(new QLabel(tr("- Long side of the thumbnails"), this), 2, 0);
  grid->addWidget(thumbnailSize, 2, 1);
  grid->addWidget(new QLabel(tr("- Image columns"), this), 2, 2);
  grid->addWidget(photoColumns, 2, 3);

  pageTitle = new QLineEdit(this);
  grid->addWidget(new QLabel(tr("- HTML title (%n shows the page number)"), this), 3, 0, 1, 4);
  grid->addWidget(pageTitle, 4, 0, 1, 4);
  keywordPages =
      new QCheckBox(tr("Make a page for each sort keyword (not for random or file name)"), this);
  grid->addWidget(keywordPages, 5, 0, 1, 4);

  topText = NewLinesEdit(this, true);
  captionTemplate = NewLinesEdit(this, true);
  grid->addWidget(
      new QLabel(tr("- Text at the top of the page (HTML tags allowed; %n shows the page number)"),
                 this),
      6, 0, 1, 4);
  grid->addWidget(topText, 7, 0, 1, 4);
  auto* captionRow = new QHBoxLayout;
  captionRow->addWidget(new QLabel(tr("- Exif information shown below each thumbnail"), this));
  captionRow->addStretch();
  showCommandsButton = new QPushButton(tr("Show commands"), this);
  showCommandsButton->setAutoDefault(false);
  captionRow->addWidget(showCommandsButton);
  grid->addLayout(captionRow, 8, 0, 1, 4);
  grid->addWidget(captionTemplate, 9, 0, 1, 4);

  noThumbnails = new QCheckBox(tr("Do not make reduced images for the thumbnails"), this);
  noPhotoLinks = new QCheckBox(tr("Do not link to the original images"), this);
  grid->addWidget(noThumbnails, 10, 0, 1, 2);
  grid->addWidget(noPhotoLinks, 10, 2, 1, 2);
  batchTopPage = new QCheckBox(tr("Make a top HTML when several folders are dropped"), this);
  menuWidth = new NumberField(false, this);
  auto* menuRow = new QHBoxLayout;
  menuRow->addWidget(batchTopPage);
  menuRow->addStretch();
  menuRow->addWidget(new QLabel(tr("Left width"), this));
  menuRow->addWidget(menuWidth);
  menuWidth->setMaximumWidth(70);
  grid->addLayout(menuRow, 11, 0, 1, 4);
  autoRotate = new QCheckBox(tr("Turn the thumbnails as their orientation tag says"), this);
  grid->addWidget(autoRotate, 12, 0, 1, 4);
  classicPages =
      new QCheckBox(tr("Write the classic pages (no default style, no phone layout)"), this);
  grid->addWidget(classicPages, 13, 0, 1, 4);

  commandsDialog = new CaptionCommandsDialog(this);
  commandsDialog->hide();
  connect(noThumbnails, &QCheckBox::clicked, this, &ThumbnailPage::onNoThumbnails);
  connect(showCommandsButton, &QPushButton::clicked, this, &ThumbnailPage::onShowCommands);
}

void ThumbnailPage::setSettings(const ThumbnailSettings& settings) {
  s_ = settings;
  showFields();
}

void ThumbnailPage::showFields() {
  for (int i = 0; i < 3; ++i)
    rewindPolicy[i]->setChecked(s_.Sougo == StoredRewindPolicy(kButtonPolicies[i]));
  photosPerPage->setValue(s_.PhotoNo);
  linkColumns->setValue(s_.LinkNo);
  thumbnailSize->setValue(s_.PhotoSize);
  photoColumns->setValue(s_.LineNo);
  pageTitle->setText(ToQ(s_.TitleString));
  keywordPages->setChecked(s_.SortPage != 0);
  SetLines(topText, s_.TopString);
  SetLines(captionTemplate, s_.Exif);
  noThumbnails->setChecked(s_.NotResize != 0);
  noPhotoLinks->setChecked(s_.EnbLink != 0);
  batchTopPage->setChecked(s_.TopHtml != 0);
  menuWidth->setValue(s_.FrameWidth);
  autoRotate->setChecked(s_.AutoRotate != 0);
}

bool ThumbnailPage::readFields() {
  // No button checked (a value from the file outside 0..2): the value stays.
  for (int i = 0; i < 3; ++i)
    if (rewindPolicy[i]->isChecked()) s_.Sougo = StoredRewindPolicy(kButtonPolicies[i]);
  if (!ReadSettingField(photosPerPage, s_, &ThumbnailSettings::PhotoNo)) return false;
  if (!ReadSettingField(linkColumns, s_, &ThumbnailSettings::LinkNo)) return false;
  if (!ReadSettingField(thumbnailSize, s_, &ThumbnailSettings::PhotoSize)) return false;
  if (!ReadSettingField(photoColumns, s_, &ThumbnailSettings::LineNo)) return false;
  s_.TitleString = FromQ(pageTitle->text());
  s_.SortPage = keywordPages->isChecked();
  s_.TopString = GetLines(topText);
  s_.Exif = GetLines(captionTemplate);
  s_.NotResize = noThumbnails->isChecked();
  s_.EnbLink = noPhotoLinks->isChecked();
  s_.TopHtml = batchTopPage->isChecked();
  s_.AutoRotate = autoRotate->isChecked();
  return ReadSettingField(menuWidth, s_, &ThumbnailSettings::FrameWidth);
}

void ThumbnailPage::refresh(std::optional<JobMode> mode) {
  const bool on = mode == kModeThumbnail;
  if (on) readFields();
  QWidget* controls[] = {rewindPolicy[0], rewindPolicy[1], rewindPolicy[2], photosPerPage,
                         linkColumns,     thumbnailSize,   photoColumns,    pageTitle,
                         keywordPages,    topText,         captionTemplate, showCommandsButton,
                         noThumbnails,    noPhotoLinks,    batchTopPage,    menuWidth};
  for (QWidget* control : controls) control->setEnabled(on);
  if (on) thumbnailSize->setEnabled(!noThumbnails->isChecked());
}

void ThumbnailPage::onNoThumbnails() {
  readFields();
  thumbnailSize->setEnabled(!noThumbnails->isChecked());
}

void ThumbnailPage::onShowCommands() {
  commandsDialog->show();
  commandsDialog->raise();
}

}  // namespace folio::gui
