#include "options/dlg_tab_resize.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "options/page_util.h"

using folio::gui::FromQ;
using folio::gui::NumberField;
using folio::gui::Limit;
using folio::gui::ReadIntField;
using folio::gui::ToQ;

namespace {
NumberField* Plain(QWidget* parent) {
  auto* field = new NumberField(true, parent);
  field->setMaximumWidth(64);
  return field;
}
}  // namespace

CDlgTabResize::CDlgTabResize(QWidget* parent) : QWidget(parent) {
  auto* grid = new QGridLayout(this);
  int row = 0;
  grid->addWidget(new QLabel(QStringLiteral("・保存フォルダ名(%s：元フォルダ)"), this), row++, 0, 1, 6);
  saveDir = new QLineEdit(this);
  browse = new QPushButton(QStringLiteral("参照"), this);
  browse->setAutoDefault(false);
  grid->addWidget(saveDir, row, 0, 1, 5);
  grid->addWidget(browse, row++, 5);

  grid->addWidget(new QLabel(QStringLiteral("・リサイズ方法"), this), row++, 0, 1, 6);
  auto* group = new QButtonGroup(this);
  const char16_t* texts[3] = {u"長いほうのピクセルサイズを指定(アスペクト比固定)", u"サイズを比率で指定　横",
                              u"縦横を指定　横"};
  for (int i = 0; i < 3; ++i) {
    resizeMode[i] = new QRadioButton(QString::fromUtf16(texts[i]), this);
    group->addButton(resizeMode[i], i);
  }
  size = Plain(this);
  raitoX = Plain(this);
  raitoY = Plain(this);
  resizeX = Plain(this);
  resizeY = Plain(this);
  grid->addWidget(resizeMode[0], row, 0, 1, 3);
  grid->addWidget(size, row++, 3);
  grid->addWidget(resizeMode[1], row, 0, 1, 3);
  grid->addWidget(raitoX, row, 3);
  grid->addWidget(new QLabel(QStringLiteral("%　縦"), this), row, 4);
  grid->addWidget(raitoY, row, 5);
  grid->addWidget(new QLabel(QStringLiteral("%"), this), row++, 6);
  grid->addWidget(resizeMode[2], row, 0, 1, 3);
  grid->addWidget(resizeX, row, 3);
  grid->addWidget(new QLabel(QStringLiteral("縦"), this), row, 4);
  grid->addWidget(resizeY, row++, 5);

  quality = folio::gui::NewNumber(this, 0, 100);
  grid->addWidget(new QLabel(QStringLiteral("・リサイズ画像のJPG品質"), this), row, 0, 1, 2);
  grid->addWidget(quality, row++, 2, 1, 2);
  exif = new QCheckBox(QStringLiteral("Exif情報を残す"), this);
  overWrite = new QCheckBox(QStringLiteral("保存先に同名ファイルがあれば上書きする"), this);
  rotate = new QCheckBox(QStringLiteral("画像の回転タグに合わせて画像を回転させる"), this);
  grid->addWidget(exif, row++, 0, 1, 6);
  grid->addWidget(overWrite, row++, 0, 1, 6);
  grid->addWidget(rotate, row++, 0, 1, 6);
  grid->setRowStretch(row, 1);
  grid->setColumnStretch(2, 1);

  connect(browse, &QPushButton::clicked, this, &CDlgTabResize::onBrowse);
}

void CDlgTabResize::setSettings(const folio::ResizeSettings& settings) {
  s_ = settings;
  showFields();
}

void CDlgTabResize::showFields() {
  saveDir->setText(ToQ(s_.SaveDir));
  for (int i = 0; i < 3; ++i) resizeMode[i]->setChecked(s_.ResizeMode == i);
  size->setValue(s_.Size);
  raitoX->setValue(s_.RaitoX);
  raitoY->setValue(s_.RaitoY);
  resizeX->setValue(s_.ResizeX);
  resizeY->setValue(s_.ResizeY);
  quality->setValue(s_.Quality);
  exif->setChecked(s_.Exif != 0);
  overWrite->setChecked(s_.OverWrite != 0);
  rotate->setChecked(s_.Rotate != 0);
}

bool CDlgTabResize::readFields() {
  s_.SaveDir = FromQ(saveDir->text());
  for (int i = 0; i < 3; ++i)  // none checked (a value from the file): it stays
    if (resizeMode[i]->isChecked()) s_.ResizeMode = i;
  if (!ReadIntField(size, Limit(u"Resize", u"Size"), s_.Size)) return false;
  if (!ReadIntField(raitoX, Limit(u"Resize", u"RaitoX"), s_.RaitoX)) return false;
  if (!ReadIntField(raitoY, Limit(u"Resize", u"RaitoY"), s_.RaitoY)) return false;
  if (!ReadIntField(resizeX, Limit(u"Resize", u"ResizeX"), s_.ResizeX)) return false;
  if (!ReadIntField(resizeY, Limit(u"Resize", u"ResizeY"), s_.ResizeY)) return false;
  if (!ReadIntField(quality, Limit(u"Resize", u"Quality"), s_.Quality)) return false;
  s_.Exif = exif->isChecked();
  s_.OverWrite = overWrite->isChecked();
  s_.Rotate = rotate->isChecked();
  return true;
}

void CDlgTabResize::refresh(int mode) {
  QWidget* controls[] = {saveDir, browse, resizeMode[0], resizeMode[1], resizeMode[2], size,
                         raitoX,  raitoY, resizeX,       resizeY,       quality,       exif,
                         overWrite, rotate};
  for (QWidget* control : controls) control->setEnabled(mode == 3);
}

void CDlgTabResize::onBrowse() {
  readFields();
  const QString chosen = folio::gui::ChooseFolder(window(), ToQ(s_.SaveDir));
  if (chosen.isEmpty()) return;
  s_.SaveDir = FromQ(chosen);
  showFields();
}
