#include "options/dlg_tab_html.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "options/hint_dlg.h"
#include "options/page_util.h"

using folio::gui::FromQ;
using folio::gui::NumberField;
using folio::gui::Limit;
using folio::gui::ReadIntField;
using folio::gui::ToQ;

CDlgTabHtml::CDlgTabHtml(QWidget* parent) : QWidget(parent) {
  auto* grid = new QGridLayout(this);
  auto* sougoRow = new QHBoxLayout;
  auto* group = new QButtonGroup(this);
  const char16_t* sougoTexts[3] = {u"相互に処理を行う", u"HTMLの作成のみ行う", u"巻き戻しのみ行う"};
  for (int i = 0; i < 3; ++i) {
    sougo[i] = new QRadioButton(QString::fromUtf16(sougoTexts[i]), this);
    group->addButton(sougo[i], i);
    sougoRow->addWidget(sougo[i]);
  }
  sougoRow->addStretch();
  grid->addLayout(sougoRow, 0, 0, 1, 4);

  photoNo = folio::gui::NewNumber(this, 0, 100);
  linkNo = folio::gui::NewNumber(this, 1, 100);
  photoSize = folio::gui::NewNumber(this, 10, 10000);
  lineNo = folio::gui::NewNumber(this, 1, 100);
  grid->addWidget(new QLabel(QStringLiteral("・1ページで表示する画像の数"), this), 1, 0);
  grid->addWidget(photoNo, 1, 1);
  grid->addWidget(new QLabel(QStringLiteral("・リンクの列数"), this), 1, 2);
  grid->addWidget(linkNo, 1, 3);
  grid->addWidget(new QLabel(QStringLiteral("・サムネイル画像の長辺サイズ"), this), 2, 0);
  grid->addWidget(photoSize, 2, 1);
  grid->addWidget(new QLabel(QStringLiteral("・画像ファイルの列数"), this), 2, 2);
  grid->addWidget(lineNo, 2, 3);

  titleString = new QLineEdit(this);
  grid->addWidget(new QLabel(QStringLiteral("・HTMLのタイトル(%nでページ数表示)"), this), 3, 0, 1, 4);
  grid->addWidget(titleString, 4, 0, 1, 4);
  sortPage = new QCheckBox(
      QStringLiteral("ソートキーワードごとのページを作成する(ランダム、ファイル名は未対応)"), this);
  grid->addWidget(sortPage, 5, 0, 1, 4);

  topString = folio::gui::NewLinesEdit(this, true);
  exif = folio::gui::NewLinesEdit(this, true);
  grid->addWidget(
      new QLabel(QStringLiteral("・ページのトップに文章を表示（HTMLタグが使用可能。%nでページ数表示）"), this),
      6, 0, 1, 4);
  grid->addWidget(topString, 7, 0, 1, 4);
  auto* exifRow = new QHBoxLayout;
  exifRow->addWidget(new QLabel(QStringLiteral("・サムネイル画像の下に表示するExif情報編集"), this));
  exifRow->addStretch();
  commandButton = new QPushButton(QStringLiteral("コマンド表示"), this);
  commandButton->setAutoDefault(false);
  exifRow->addWidget(commandButton);
  grid->addLayout(exifRow, 8, 0, 1, 4);
  grid->addWidget(exif, 9, 0, 1, 4);

  notResize = new QCheckBox(QStringLiteral("サムネイル用縮小画像を作成しない"), this);
  enbLink = new QCheckBox(QStringLiteral("元画像へのリンクを貼らない"), this);
  grid->addWidget(notResize, 10, 0, 1, 2);
  grid->addWidget(enbLink, 10, 2, 1, 2);
  topHtml = new QCheckBox(QStringLiteral("複数フォルダをD&&DのときにトップHTMLを作成する"), this);
  frameWidth = new NumberField(false, this);
  auto* topRow = new QHBoxLayout;
  topRow->addWidget(topHtml);
  topRow->addStretch();
  topRow->addWidget(new QLabel(QStringLiteral("左幅"), this));
  topRow->addWidget(frameWidth);
  frameWidth->setMaximumWidth(70);
  grid->addLayout(topRow, 11, 0, 1, 4);
  autoRotate = new QCheckBox(QStringLiteral("回転タグに合わせてサムネイルを回転する"), this);
  grid->addWidget(autoRotate, 12, 0, 1, 4);

  hint = new CHintDlg(this);
  hint->hide();
  connect(notResize, &QCheckBox::clicked, this, &CDlgTabHtml::onNotResize);
  connect(commandButton, &QPushButton::clicked, this, &CDlgTabHtml::onCommand);
}

void CDlgTabHtml::setSettings(const folio::ThumbnailSettings& settings) {
  s_ = settings;
  showFields();
}

void CDlgTabHtml::showFields() {
  for (int i = 0; i < 3; ++i) sougo[i]->setChecked(s_.Sougo == i);
  photoNo->setValue(s_.PhotoNo);
  linkNo->setValue(s_.LinkNo);
  photoSize->setValue(s_.PhotoSize);
  lineNo->setValue(s_.LineNo);
  titleString->setText(ToQ(s_.TitleString));
  sortPage->setChecked(s_.SortPage != 0);
  folio::gui::SetLines(topString, s_.TopString);
  folio::gui::SetLines(exif, s_.Exif);
  notResize->setChecked(s_.NotResize != 0);
  enbLink->setChecked(s_.EnbLink != 0);
  topHtml->setChecked(s_.TopHtml != 0);
  frameWidth->setValue(s_.FrameWidth);
  autoRotate->setChecked(s_.AutoRotate != 0);
}

bool CDlgTabHtml::readFields() {
  // No button checked (a value from the file outside 0..2): the value stays.
  for (int i = 0; i < 3; ++i)
    if (sougo[i]->isChecked()) s_.Sougo = i;
  if (!ReadIntField(photoNo, Limit(u"Thumbnail", u"PhotoNo"), s_.PhotoNo)) return false;
  if (!ReadIntField(linkNo, Limit(u"Thumbnail", u"LinkNo"), s_.LinkNo)) return false;
  if (!ReadIntField(photoSize, Limit(u"Thumbnail", u"PhotoSize"), s_.PhotoSize)) return false;
  if (!ReadIntField(lineNo, Limit(u"Thumbnail", u"LineNo"), s_.LineNo)) return false;
  s_.TitleString = FromQ(titleString->text());
  s_.SortPage = sortPage->isChecked();
  s_.TopString = folio::gui::GetLines(topString);
  s_.Exif = folio::gui::GetLines(exif);
  s_.NotResize = notResize->isChecked();
  s_.EnbLink = enbLink->isChecked();
  s_.TopHtml = topHtml->isChecked();
  s_.AutoRotate = autoRotate->isChecked();
  return ReadIntField(frameWidth, Limit(u"Thumbnail", u"FrameWidth"), s_.FrameWidth);
}

void CDlgTabHtml::refresh(int mode) {
  const bool on = mode == 0;
  if (on) readFields();
  QWidget* controls[] = {sougo[0], sougo[1],  sougo[2],  photoNo,       linkNo,    photoSize,
                         lineNo,   titleString, sortPage, topString,    exif,      commandButton,
                         notResize, enbLink,  topHtml,   frameWidth};
  for (QWidget* control : controls) control->setEnabled(on);
  if (on) photoSize->setEnabled(!notResize->isChecked());
}

void CDlgTabHtml::onNotResize() {
  readFields();
  photoSize->setEnabled(!notResize->isChecked());
}

void CDlgTabHtml::onCommand() {
  hint->show();
  hint->raise();
}
