#include "options/dlg_tab_jpg.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>

#include "options/page_util.h"
#include "settings/paper_sizes.h"

using folio::gui::FromQ;
using folio::gui::NewNumber;
using folio::gui::NumberField;
using folio::gui::Limit;
using folio::gui::ReadIntField;
using folio::gui::ToQ;

namespace {

uint32_t ColorRef(int red, int green, int blue) {
  return static_cast<uint32_t>(red & 0xFF) | (static_cast<uint32_t>(green & 0xFF) << 8) |
         (static_cast<uint32_t>(blue & 0xFF) << 16);
}

QLabel* Label(const char16_t* text, QWidget* parent) {
  return new QLabel(QString::fromUtf16(text), parent);
}

NumberField* Plain(QWidget* parent) {
  auto* field = new NumberField(true, parent);
  field->setMaximumWidth(48);
  return field;
}

}  // namespace

ColorSample::ColorSample(QWidget* parent) : QLabel(QStringLiteral("        "), parent) {
  setAutoFillBackground(true);
  setFrameShape(QFrame::Box);
  setMinimumWidth(40);
}

void ColorSample::setColor(uint32_t colorRef) {
  QColor color(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
  QPalette p = palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    p.setColor(group, QPalette::Window, color);
  setPalette(p);
  update();
}

void ColorSample::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (isEnabled() && event->button() == Qt::LeftButton &&
      rect().contains(event->position().toPoint()))
    emit clicked();
}

CDlgTabJpg::CDlgTabJpg(QWidget* parent) : QWidget(parent) {
  auto* grid = new QGridLayout(this);
  int row = 0;
  paperSize = new QComboBox(this);
  paperSize->setEditable(true);
  paperSize->setCompleter(nullptr);  // what is typed stays as typed
  paperSize->setInsertPolicy(QComboBox::NoInsert);
  for (const char16_t* item :
       {u"L版（89×127）", u"はがき（102×152）", u"A4（210×297）", u"八切（165×216）",
        u"六切（203×254）", u"四切（254×305）", u"半切（356×432）", u"カスタム"})
    paperSize->addItem(QString::fromUtf16(item));
  grid->addWidget(Label(u"・作成する画像のサイズ（mm×mm）", this), row, 0);
  grid->addWidget(paperSize, row++, 1);

  createJpgWidth = NewNumber(this, 0, 10000);
  createJpgHeight = NewNumber(this, 0, 10000);
  auto* customRow = new QHBoxLayout;
  customRow->addWidget(Label(u"・カスタム時の縦×横ピクセル   横", this));
  customRow->addWidget(createJpgWidth);
  customRow->addWidget(Label(u"×縦", this));
  customRow->addWidget(createJpgHeight);
  customRow->addStretch();
  grid->addLayout(customRow, row++, 0, 1, 2);

  jpgNumberW = NewNumber(this, 1, 1000);
  jpgNumberH = NewNumber(this, 1, 10000);
  auto* countRow = new QHBoxLayout;
  countRow->addWidget(Label(u"・配置する画像ファイル個数   横", this));
  countRow->addWidget(jpgNumberW);
  countRow->addWidget(Label(u"×縦", this));
  countRow->addWidget(jpgNumberH);
  countRow->addStretch();
  grid->addLayout(countRow, row++, 0, 1, 2);

  spaceSize = NewNumber(this, 0, 1000);
  arroundBlank = new QCheckBox(QStringLiteral("ふちにも余白をつける"), this);
  auto* spaceRow = new QHBoxLayout;
  spaceRow->addWidget(Label(u"・余白のサイズ", this));
  spaceRow->addWidget(spaceSize);
  spaceRow->addWidget(arroundBlank);
  spaceRow->addStretch();
  grid->addLayout(spaceRow, row++, 0, 1, 2);

  auto* blankRow = new QHBoxLayout;
  blankRow->addWidget(Label(u"・背景色", this));
  const char16_t* rgb[3] = {u"赤", u"緑", u"青"};
  for (int i = 0; i < 3; ++i) {
    blank[i] = Plain(this);
    blankRow->addWidget(Label(rgb[i], this));
    blankRow->addWidget(blank[i]);
  }
  blankSample = new ColorSample(this);
  blankRow->addWidget(blankSample);
  blankRow->addStretch();
  grid->addLayout(blankRow, row++, 0, 1, 2);

  changeRaito = new QCheckBox(QStringLiteral("画像のアスペクト比を変更して縮小する"), this);
  grid->addWidget(changeRaito, row++, 0, 1, 2);
  jpgQuality = NewNumber(this, 0, 100);
  auto* qualityRow = new QHBoxLayout;
  qualityRow->addWidget(Label(u"・作成するJPGファイルの品質", this));
  qualityRow->addWidget(jpgQuality);
  qualityRow->addStretch();
  grid->addLayout(qualityRow, row++, 0, 1, 2);

  enbMulti = new QCheckBox(QStringLiteral("縦横長さ"), this);
  multiple = NewNumber(this, 1, 100);
  multipleX = NewNumber(this, 1, 100);
  multipleY = NewNumber(this, 1, 100);
  auto* bigRow = new QHBoxLayout;
  bigRow->addWidget(enbMulti);
  bigRow->addWidget(multiple);
  bigRow->addWidget(Label(u"倍のコマを使用　位置：X", this));
  bigRow->addWidget(multipleX);
  bigRow->addWidget(Label(u"Y", this));
  bigRow->addWidget(multipleY);
  bigRow->addStretch();
  grid->addLayout(bigRow, row++, 0, 1, 2);

  titleGroup = new QGroupBox(QStringLiteral(" "), this);
  auto* titleGrid = new QGridLayout(titleGroup);
  enableTitle = new QCheckBox(QStringLiteral("タイトル文字を埋め込む"), titleGroup);
  position = new QComboBox(titleGroup);
  position->setEditable(true);
  position->setCompleter(nullptr);  // what is typed stays as typed
  position->setInsertPolicy(QComboBox::NoInsert);
  for (const char16_t* item : {u"中央", u"左上", u"右上", u"左下", u"右下", u"ランダム"})
    position->addItem(QString::fromUtf16(item));
  auto* titleTop = new QHBoxLayout;
  titleTop->addWidget(enableTitle);
  titleTop->addWidget(Label(u"・位置", titleGroup));
  titleTop->addWidget(position);
  titleTop->addStretch();
  titleGrid->addLayout(titleTop, 0, 0, 1, 2);
  auto* colorRow = new QHBoxLayout;
  const char16_t* titleRgb[3] = {u"・文字の色  赤", u"緑", u"青"};
  for (int i = 0; i < 3; ++i) {
    titleColor[i] = Plain(titleGroup);
    colorRow->addWidget(Label(titleRgb[i], titleGroup));
    colorRow->addWidget(titleColor[i]);
  }
  titleSampleBox = new ColorSample(titleGroup);
  colorRow->addWidget(titleSampleBox);
  colorRow->addStretch();
  titleGrid->addLayout(colorRow, 1, 0, 1, 2);
  titleGrid->addWidget(Label(u"・タイトル文章", titleGroup), 2, 0, 1, 2);
  title = folio::gui::NewLinesEdit(titleGroup, true);
  title->setMaximumHeight(70);
  titleGrid->addWidget(title, 3, 0, 1, 2);
  titleFontSize = NewNumber(titleGroup, 1, 255);
  titleDouble = new QCheckBox(QStringLiteral("画像2枚分使う"), titleGroup);
  auto* fontRow = new QHBoxLayout;
  fontRow->addWidget(Label(u"・フォントサイズ", titleGroup));
  fontRow->addWidget(titleFontSize);
  fontRow->addWidget(titleDouble);
  fontRow->addStretch();
  titleGrid->addLayout(fontRow, 4, 0, 1, 2);
  grid->addWidget(titleGroup, row++, 0, 1, 2);

  connect(paperSize, &QComboBox::activated, this, &CDlgTabJpg::onPaperChosen);
  connect(enbMulti, &QCheckBox::clicked, this, &CDlgTabJpg::applyBigImageRule);
  connect(enableTitle, &QCheckBox::clicked, this, &CDlgTabJpg::applyTitleRule);
  connect(blankSample, &ColorSample::clicked, this, [this] { chooseColor(true); });
  connect(titleSampleBox, &ColorSample::clicked, this, [this] { chooseColor(false); });
}

void CDlgTabJpg::setSettings(const folio::ComposeSettings& settings) {
  s_ = settings;
  showFields();
}

void CDlgTabJpg::showFields() {
  folio::gui::SetComboText(paperSize, ToQ(s_.PaperSize));
  createJpgWidth->setValue(s_.CreateJpgWidth);
  createJpgHeight->setValue(s_.CreateJpgHeight);
  jpgNumberW->setValue(s_.JpgNumberW);
  jpgNumberH->setValue(s_.JpgNumberH);
  spaceSize->setValue(s_.SpaceSize);
  arroundBlank->setChecked(s_.ArroundBlank != 0);
  blank[0]->setValue(s_.BlankColorRed);
  blank[1]->setValue(s_.BlankColorGreen);
  blank[2]->setValue(s_.BlankColorBlue);
  changeRaito->setChecked(s_.ChangeRaito != 0);
  jpgQuality->setValue(s_.JpgQuality);
  enbMulti->setChecked(s_.EnbMulti != 0);
  multiple->setValue(s_.Multiple);
  multipleX->setValue(s_.MultipleX);
  multipleY->setValue(s_.MultipleY);
  enableTitle->setChecked(s_.EnableTitle != 0);
  folio::gui::SetComboText(position, ToQ(s_.Position));
  titleColor[0]->setValue(s_.TitleColorR);
  titleColor[1]->setValue(s_.TitleColorG);
  titleColor[2]->setValue(s_.TitleColorB);
  folio::gui::SetLines(title, s_.Title);
  titleFontSize->setValue(s_.TitleFontSize);
  titleDouble->setChecked(s_.TitleDouble != 0);
}

bool CDlgTabJpg::readFields() {
  s_.PaperSize = FromQ(paperSize->currentText());
  if (!ReadIntField(createJpgWidth, Limit(u"Compose", u"CreateJpgWidth"), s_.CreateJpgWidth)) return false;
  if (!ReadIntField(createJpgHeight, Limit(u"Compose", u"CreateJpgHeight"), s_.CreateJpgHeight)) return false;
  if (!ReadIntField(jpgNumberW, Limit(u"Compose", u"JpgNumberW"), s_.JpgNumberW)) return false;
  if (!ReadIntField(jpgNumberH, Limit(u"Compose", u"JpgNumberH"), s_.JpgNumberH)) return false;
  if (!ReadIntField(spaceSize, Limit(u"Compose", u"SpaceSize"), s_.SpaceSize)) return false;
  s_.ArroundBlank = arroundBlank->isChecked();
  if (!ReadIntField(blank[0], Limit(u"Compose", u"BlankColorRed"), s_.BlankColorRed)) return false;
  if (!ReadIntField(blank[1], Limit(u"Compose", u"BlankColorGreen"), s_.BlankColorGreen)) return false;
  if (!ReadIntField(blank[2], Limit(u"Compose", u"BlankColorBlue"), s_.BlankColorBlue)) return false;
  s_.ChangeRaito = changeRaito->isChecked();
  if (!ReadIntField(jpgQuality, Limit(u"Compose", u"JpgQuality"), s_.JpgQuality)) return false;
  s_.EnbMulti = enbMulti->isChecked();
  if (!ReadIntField(multiple, Limit(u"Compose", u"Multiple"), s_.Multiple)) return false;
  if (!ReadIntField(multipleX, Limit(u"Compose", u"MultipleX"), s_.MultipleX)) return false;
  if (!ReadIntField(multipleY, Limit(u"Compose", u"MultipleY"), s_.MultipleY)) return false;
  s_.EnableTitle = enableTitle->isChecked();
  s_.Position = FromQ(position->currentText());
  if (!ReadIntField(titleColor[0], Limit(u"Compose", u"TitleColorR"), s_.TitleColorR)) return false;
  if (!ReadIntField(titleColor[1], Limit(u"Compose", u"TitleColorG"), s_.TitleColorG)) return false;
  if (!ReadIntField(titleColor[2], Limit(u"Compose", u"TitleColorB"), s_.TitleColorB)) return false;
  s_.Title = folio::gui::GetLines(title);
  if (!ReadIntField(titleFontSize, Limit(u"Compose", u"TitleFontSize"), s_.TitleFontSize)) return false;
  s_.TitleDouble = titleDouble->isChecked();
  return true;
}

void CDlgTabJpg::refresh(int mode) {
  if (mode == 2) {
    QWidget* controls[] = {paperSize,  spaceSize,  arroundBlank, changeRaito,     jpgNumberH,
                           blank[0],   blank[1],   blank[2],     createJpgHeight, createJpgWidth,
                           jpgQuality, jpgNumberW, enableTitle,  enbMulti,        blankSample};
    for (QWidget* control : controls) control->setEnabled(true);
    applyBigImageRule();
    applyTitleRule();
  } else {
    QWidget* controls[] = {
        paperSize,     createJpgWidth, createJpgHeight, jpgNumberW,    jpgNumberH,     spaceSize,
        arroundBlank,  blank[0],       blank[1],        blank[2],      blankSample,    changeRaito,
        jpgQuality,    enbMulti,       multiple,        multipleX,     multipleY,      enableTitle,
        position,      titleColor[0],  titleColor[1],   titleColor[2], titleSampleBox, title,
        titleFontSize, titleDouble};
    for (QWidget* control : controls) control->setEnabled(false);
  }
  updateSamples();
}

void CDlgTabJpg::updateSamples() {
  backgroundSample_ = ColorRef(s_.BlankColorRed, s_.BlankColorGreen, s_.BlankColorBlue);
  titleSample_ = ColorRef(s_.TitleColorR, s_.TitleColorG, s_.TitleColorB);
  blankSample->setColor(backgroundSample_);
  titleSampleBox->setColor(titleSample_);
}

void CDlgTabJpg::applyBigImageRule() {
  readFields();
  for (QWidget* control : {multiple, multipleX, multipleY})
    control->setEnabled(enbMulti->isChecked());
}

void CDlgTabJpg::applyTitleRule() {
  readFields();
  const bool on = enableTitle->isChecked();
  QWidget* controls[] = {position, titleColor[0], titleColor[1], titleColor[2],
                         title,    titleFontSize, titleDouble,   titleSampleBox};
  for (QWidget* control : controls) control->setEnabled(on);
}

void CDlgTabJpg::onPaperChosen(int index) {
  readFields();
  const QString text = paperSize->itemText(index);
  if (text == QStringLiteral("カスタム")) {
    s_.CreateJpgHeight = s_.rememberedCustomHeight;
    s_.CreateJpgWidth = s_.rememberedCustomWidth;
  } else {
    folio::ComposeSettings paper;
    paper.PaperSize = FromQ(text);
    folio::PaperSheetSize(paper, s_.CreateJpgWidth, s_.CreateJpgHeight);
  }
  s_.PaperSize = FromQ(text);
  showFields();
}

void CDlgTabJpg::chooseColor(bool background) {
  readFields();
  const uint32_t current = background ? backgroundSample_ : titleSample_;
  QColorDialog dialog(QColor(current & 0xFF, (current >> 8) & 0xFF, (current >> 16) & 0xFF), this);
  dialog.setOption(QColorDialog::DontUseNativeDialog, true);
  if (dialog.exec() != QDialog::Accepted) return;
  const QColor chosen = dialog.selectedColor();
  const uint32_t ref = ColorRef(chosen.red(), chosen.green(), chosen.blue());
  if (background) {
    backgroundSample_ = ref;
    s_.BlankColorRed = chosen.red();
    s_.BlankColorGreen = chosen.green();
    s_.BlankColorBlue = chosen.blue();
  } else {
    titleSample_ = ref;
    s_.TitleColorR = chosen.red();
    s_.TitleColorG = chosen.green();
    s_.TitleColorB = chosen.blue();
  }
  showFields();
  blankSample->setColor(backgroundSample_);
  titleSampleBox->setColor(titleSample_);
}
