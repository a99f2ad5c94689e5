// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/composite_page.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "app/gui/color_sample.h"
#include "app/gui/integer_checks.h"
#include "app/gui/number_field.h"
#include "app/gui/page_controls.h"
#include "app/gui/qt_text.h"
#include "settings/coded_values.h"
#include "settings/paper_sizes.h"

namespace folio::gui {

namespace {

// The stored channels of a colour as the sample shows them; a channel outside
// 0..255 (from a hand-edited file) shows by its lowest byte.
QColor ColorOfChannels(int red, int green, int blue) {
  return QColor(red & 0xFF, green & 0xFF, blue & 0xFF);
}

// A chosen colour back into the stored channels.
void StoreChannels(const QColor& color, int& red, int& green, int& blue) {
  red = color.red();
  green = color.green();
  blue = color.blue();
}

QLabel* Label(const QString& text, QWidget* parent) { return new QLabel(text, parent); }

NumberField* Plain(QWidget* parent) {
  auto* field = new NumberField(true, parent);
  field->setMaximumWidth(48);
  return field;
}

}  // namespace

CompositePage::CompositePage(QWidget* parent) : QWidget(parent) {
  auto* grid = new QGridLayout(this);
  int row = 0;
  paperSize = new QComboBox(this);
  paperSize->setEditable(true);
  paperSize->setCompleter(nullptr);  // what is typed stays as typed
  paperSize->setInsertPolicy(QComboBox::NoInsert);
  for (const PaperSize paper :
       {PaperSize::kL, PaperSize::kPostcard, PaperSize::kA4, PaperSize::kYatsugiri,
        PaperSize::kMutsugiri, PaperSize::kYotsugiri, PaperSize::kHangiri, PaperSize::kCustom})
    paperSize->addItem(ToQ(PaperSizeText(paper)));
  grid->addWidget(Label(tr("- Size of the images to make (mm x mm)"), this), row, 0);
  grid->addWidget(paperSize, row++, 1);

  sheetWidth = NewNumber(this, 0, 10000);
  sheetHeight = NewNumber(this, 0, 10000);
  auto* customRow = new QHBoxLayout;
  customRow->addWidget(Label(tr("- Custom height x width in pixels   width"), this));
  customRow->addWidget(sheetWidth);
  customRow->addWidget(Label(tr("x height"), this));
  customRow->addWidget(sheetHeight);
  customRow->addStretch();
  grid->addLayout(customRow, row++, 0, 1, 2);

  photoColumns = NewNumber(this, 1, 1000);
  photoRows = NewNumber(this, 1, 10000);
  auto* countRow = new QHBoxLayout;
  countRow->addWidget(Label(tr("- Number of images to lay out   across"), this));
  countRow->addWidget(photoColumns);
  countRow->addWidget(Label(tr("x height"), this));
  countRow->addWidget(photoRows);
  countRow->addStretch();
  grid->addLayout(countRow, row++, 0, 1, 2);

  spacing = NewNumber(this, 0, 1000);
  spacingAtEdges = new QCheckBox(tr("Also leave a margin at the edges"), this);
  auto* spaceRow = new QHBoxLayout;
  spaceRow->addWidget(Label(tr("- Margin size"), this));
  spaceRow->addWidget(spacing);
  spaceRow->addWidget(spacingAtEdges);
  spaceRow->addStretch();
  grid->addLayout(spaceRow, row++, 0, 1, 2);

  auto* blankRow = new QHBoxLayout;
  blankRow->addWidget(Label(tr("- Background colour"), this));
  const char* rgb[3] = {QT_TR_NOOP("red"), QT_TR_NOOP("green"), QT_TR_NOOP("blue")};
  for (int i = 0; i < 3; ++i) {
    backgroundChannels[i] = Plain(this);
    blankRow->addWidget(Label(tr(rgb[i]), this));
    blankRow->addWidget(backgroundChannels[i]);
  }
  backgroundSample = new ColorSample(this);
  blankRow->addWidget(backgroundSample);
  blankRow->addStretch();
  grid->addLayout(blankRow, row++, 0, 1, 2);

  stretchToCell = new QCheckBox(tr("Change the aspect ratio of the images when shrinking"), this);
  grid->addWidget(stretchToCell, row++, 0, 1, 2);
  jpegQuality = NewNumber(this, 0, 100);
  auto* qualityRow = new QHBoxLayout;
  qualityRow->addWidget(Label(tr("- Quality of the JPG files to make"), this));
  qualityRow->addWidget(jpegQuality);
  qualityRow->addStretch();
  grid->addLayout(qualityRow, row++, 0, 1, 2);

  bigCellEnabled = new QCheckBox(tr("Use a cell"), this);
  bigCellScale = NewNumber(this, 1, 100);
  bigCellColumn = NewNumber(this, 1, 100);
  bigCellRow = NewNumber(this, 1, 100);
  auto* bigRow = new QHBoxLayout;
  bigRow->addWidget(bigCellEnabled);
  bigRow->addWidget(bigCellScale);
  bigRow->addWidget(Label(tr("times the size  position: X"), this));
  bigRow->addWidget(bigCellColumn);
  bigRow->addWidget(Label(QStringLiteral("Y"), this));
  bigRow->addWidget(bigCellRow);
  bigRow->addStretch();
  grid->addLayout(bigRow, row++, 0, 1, 2);

  titleGroup = new QGroupBox(QStringLiteral(" "), this);
  auto* titleGrid = new QGridLayout(titleGroup);
  titleEnabled = new QCheckBox(tr("Embed a title"), titleGroup);
  titlePosition = new QComboBox(titleGroup);
  titlePosition->setEditable(true);
  titlePosition->setCompleter(nullptr);  // what is typed stays as typed
  titlePosition->setInsertPolicy(QComboBox::NoInsert);
  using Place = TitlePosition::Place;
  for (const Place place : {Place::kCentre, Place::kTopLeft, Place::kTopRight, Place::kBottomLeft,
                            Place::kBottomRight, Place::kRandom})
    titlePosition->addItem(ToQ(TitlePositionText({place})));
  auto* titleTop = new QHBoxLayout;
  titleTop->addWidget(titleEnabled);
  titleTop->addWidget(Label(tr("- Position"), titleGroup));
  titleTop->addWidget(titlePosition);
  titleTop->addStretch();
  titleGrid->addLayout(titleTop, 0, 0, 1, 2);
  auto* colorRow = new QHBoxLayout;
  const char* titleRgb[3] = {QT_TR_NOOP("- Text colour  red"), QT_TR_NOOP("green"),
                             QT_TR_NOOP("blue")};
  for (int i = 0; i < 3; ++i) {
    titleChannels[i] = Plain(titleGroup);
    colorRow->addWidget(Label(tr(titleRgb[i]), titleGroup));
    colorRow->addWidget(titleChannels[i]);
  }
  titleSample = new ColorSample(titleGroup);
  colorRow->addWidget(titleSample);
  colorRow->addStretch();
  titleGrid->addLayout(colorRow, 1, 0, 1, 2);
  titleGrid->addWidget(Label(tr("- Title text"), titleGroup), 2, 0, 1, 2);
  titleText = NewLinesEdit(titleGroup, true);
  titleText->setMaximumHeight(70);
  titleGrid->addWidget(titleText, 3, 0, 1, 2);
  titleFontSize = NewNumber(titleGroup, 1, 255);
  titleTwoCells = new QCheckBox(tr("Use the space of two images"), titleGroup);
  auto* fontRow = new QHBoxLayout;
  fontRow->addWidget(Label(tr("- Font size"), titleGroup));
  fontRow->addWidget(titleFontSize);
  fontRow->addWidget(titleTwoCells);
  fontRow->addStretch();
  titleGrid->addLayout(fontRow, 4, 0, 1, 2);
  grid->addWidget(titleGroup, row++, 0, 1, 2);

  connect(paperSize, &QComboBox::activated, this, &CompositePage::onPaperChosen);
  connect(bigCellEnabled, &QCheckBox::clicked, this, &CompositePage::applyBigCellRule);
  connect(titleEnabled, &QCheckBox::clicked, this, &CompositePage::applyTitleRule);
  connect(backgroundSample, &ColorSample::clicked, this, [this] { chooseColor(true); });
  connect(titleSample, &ColorSample::clicked, this, [this] { chooseColor(false); });
}

void CompositePage::setSettings(const ComposeSettings& settings) {
  s_ = settings;
  showFields();
}

void CompositePage::showFields() {
  SetComboText(paperSize, ToQ(s_.PaperSize));
  // A named paper's sheet is fixed: its size shows whatever the size fields
  // of the file hold (and is what OK keeps).
  const SheetSize sheet = SheetSizeOf(s_);
  sheetWidth->setValue(sheet.width);
  sheetHeight->setValue(sheet.height);
  photoColumns->setValue(s_.JpgNumberW);
  photoRows->setValue(s_.JpgNumberH);
  spacing->setValue(s_.SpaceSize);
  spacingAtEdges->setChecked(s_.ArroundBlank != 0);
  backgroundChannels[0]->setValue(s_.BlankColorRed);
  backgroundChannels[1]->setValue(s_.BlankColorGreen);
  backgroundChannels[2]->setValue(s_.BlankColorBlue);
  stretchToCell->setChecked(s_.ChangeRaito != 0);
  jpegQuality->setValue(s_.JpgQuality);
  bigCellEnabled->setChecked(s_.EnbMulti != 0);
  bigCellScale->setValue(s_.Multiple);
  bigCellColumn->setValue(s_.MultipleX);
  bigCellRow->setValue(s_.MultipleY);
  titleEnabled->setChecked(s_.EnableTitle != 0);
  SetComboText(titlePosition, ToQ(s_.Position));
  titleChannels[0]->setValue(s_.TitleColorR);
  titleChannels[1]->setValue(s_.TitleColorG);
  titleChannels[2]->setValue(s_.TitleColorB);
  SetLines(titleText, s_.Title);
  titleFontSize->setValue(s_.TitleFontSize);
  titleTwoCells->setChecked(s_.TitleDouble != 0);
}

bool CompositePage::readFields() {
  s_.PaperSize = FromQ(paperSize->currentText());
  if (!ReadSettingField(sheetWidth, s_, &ComposeSettings::CreateJpgWidth)) return false;
  if (!ReadSettingField(sheetHeight, s_, &ComposeSettings::CreateJpgHeight)) return false;
  if (!ReadSettingField(photoColumns, s_, &ComposeSettings::JpgNumberW)) return false;
  if (!ReadSettingField(photoRows, s_, &ComposeSettings::JpgNumberH)) return false;
  if (!ReadSettingField(spacing, s_, &ComposeSettings::SpaceSize)) return false;
  s_.ArroundBlank = spacingAtEdges->isChecked();
  if (!ReadSettingField(backgroundChannels[0], s_, &ComposeSettings::BlankColorRed)) return false;
  if (!ReadSettingField(backgroundChannels[1], s_, &ComposeSettings::BlankColorGreen)) return false;
  if (!ReadSettingField(backgroundChannels[2], s_, &ComposeSettings::BlankColorBlue)) return false;
  s_.ChangeRaito = stretchToCell->isChecked();
  if (!ReadSettingField(jpegQuality, s_, &ComposeSettings::JpgQuality)) return false;
  s_.EnbMulti = bigCellEnabled->isChecked();
  if (!ReadSettingField(bigCellScale, s_, &ComposeSettings::Multiple)) return false;
  if (!ReadSettingField(bigCellColumn, s_, &ComposeSettings::MultipleX)) return false;
  if (!ReadSettingField(bigCellRow, s_, &ComposeSettings::MultipleY)) return false;
  s_.EnableTitle = titleEnabled->isChecked();
  s_.Position = FromQ(titlePosition->currentText());
  if (!ReadSettingField(titleChannels[0], s_, &ComposeSettings::TitleColorR)) return false;
  if (!ReadSettingField(titleChannels[1], s_, &ComposeSettings::TitleColorG)) return false;
  if (!ReadSettingField(titleChannels[2], s_, &ComposeSettings::TitleColorB)) return false;
  s_.Title = GetLines(titleText);
  if (!ReadSettingField(titleFontSize, s_, &ComposeSettings::TitleFontSize)) return false;
  s_.TitleDouble = titleTwoCells->isChecked();
  return true;
}

void CompositePage::refresh(std::optional<JobMode> mode) {
  if (mode == kModeComposite) {
    QWidget* controls[] = {paperSize,
                           spacing,
                           spacingAtEdges,
                           stretchToCell,
                           photoRows,
                           backgroundChannels[0],
                           backgroundChannels[1],
                           backgroundChannels[2],
                           sheetHeight,
                           sheetWidth,
                           jpegQuality,
                           photoColumns,
                           titleEnabled,
                           bigCellEnabled,
                           backgroundSample};
    for (QWidget* control : controls) control->setEnabled(true);
    applyBigCellRule();
    applyTitleRule();
  } else {
    QWidget* controls[] = {paperSize,
                           sheetWidth,
                           sheetHeight,
                           photoColumns,
                           photoRows,
                           spacing,
                           spacingAtEdges,
                           backgroundChannels[0],
                           backgroundChannels[1],
                           backgroundChannels[2],
                           backgroundSample,
                           stretchToCell,
                           jpegQuality,
                           bigCellEnabled,
                           bigCellScale,
                           bigCellColumn,
                           bigCellRow,
                           titleEnabled,
                           titlePosition,
                           titleChannels[0],
                           titleChannels[1],
                           titleChannels[2],
                           titleSample,
                           titleText,
                           titleFontSize,
                           titleTwoCells};
    for (QWidget* control : controls) control->setEnabled(false);
  }
  updateSamples();
}

void CompositePage::updateSamples() {
  backgroundSample->setColor(
      ColorOfChannels(s_.BlankColorRed, s_.BlankColorGreen, s_.BlankColorBlue));
  titleSample->setColor(ColorOfChannels(s_.TitleColorR, s_.TitleColorG, s_.TitleColorB));
}

void CompositePage::applyBigCellRule() {
  readFields();
  for (QWidget* control : {bigCellScale, bigCellColumn, bigCellRow})
    control->setEnabled(bigCellEnabled->isChecked());
}

void CompositePage::applyTitleRule() {
  readFields();
  const bool on = titleEnabled->isChecked();
  QWidget* controls[] = {titlePosition, titleChannels[0], titleChannels[1], titleChannels[2],
                         titleText,     titleFontSize,    titleTwoCells,    titleSample};
  for (QWidget* control : controls) control->setEnabled(on);
}

void CompositePage::onPaperChosen(int index) {
  readFields();
  const QString text = paperSize->itemText(index);
  if (PaperSizeFromText(FromQ(text)) == PaperSize::kCustom) {
    s_.CreateJpgHeight = s_.rememberedCustomHeight;
    s_.CreateJpgWidth = s_.rememberedCustomWidth;
  } else {
    // A named paper shows its own sheet; any other text the L size.
    const SheetSize sheet = PaperSheetSize(PaperSizeFromText(FromQ(text)).value_or(PaperSize::kL));
    s_.CreateJpgWidth = sheet.width;
    s_.CreateJpgHeight = sheet.height;
  }
  s_.PaperSize = FromQ(text);
  showFields();
}

void CompositePage::chooseColor(bool background) {
  readFields();
  ColorSample* sample = background ? backgroundSample : titleSample;
  QColorDialog dialog(sample->color(), this);
  dialog.setOption(QColorDialog::DontUseNativeDialog, true);
  if (dialog.exec() != QDialog::Accepted) return;
  const QColor chosen = dialog.selectedColor();
  if (background)
    StoreChannels(chosen, s_.BlankColorRed, s_.BlankColorGreen, s_.BlankColorBlue);
  else
    StoreChannels(chosen, s_.TitleColorR, s_.TitleColorG, s_.TitleColorB);
  showFields();
  // Only the sample of the chosen colour changes; the other keeps what it
  // showed, typed channels reaching it at the next refresh.
  sample->setColor(chosen);
}

}  // namespace folio::gui
