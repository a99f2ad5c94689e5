#include "options/dlg_tab_ss.h"

#include <QGridLayout>
#include <QLabel>

#include "options/page_util.h"

CDlgTabSS::CDlgTabSS(QWidget* parent) : QWidget(parent) {
  auto* grid = new QGridLayout(this);
  speed = folio::gui::NewNumber(this, 100, 100000);
  size = folio::gui::NewNumber(this, 10, 100000);
  topString = folio::gui::NewLinesEdit(this, false);
  grid->addWidget(new QLabel(QStringLiteral("・スライドショー切り替え速度(ms)"), this), 0, 0);
  grid->addWidget(speed, 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("・表示用画像の長辺サイズ"), this), 1, 0);
  grid->addWidget(size, 1, 1);
  grid->addWidget(new QLabel(QStringLiteral("・ページのトップに文章を表示（HTMLタグが使用可能）"), this),
                  2, 0, 1, 2);
  grid->addWidget(topString, 3, 0, 1, 2);
  grid->setRowStretch(3, 1);
}

void CDlgTabSS::setSettings(const folio::SlideShowSettings& settings) {
  s_ = settings;
  showFields();
}

void CDlgTabSS::showFields() {
  speed->setValue(s_.Speed);
  size->setValue(s_.Size);
  folio::gui::SetLines(topString, s_.TopString);
}

bool CDlgTabSS::readFields() {
  if (!folio::gui::ReadIntField(speed, folio::gui::Limit(u"SlideShow", u"Speed"), s_.Speed)) return false;
  if (!folio::gui::ReadIntField(size, folio::gui::Limit(u"SlideShow", u"Size"), s_.Size)) return false;
  s_.TopString = folio::gui::GetLines(topString);
  return true;
}

void CDlgTabSS::refresh(int mode) {
  for (QWidget* control : {static_cast<QWidget*>(speed), static_cast<QWidget*>(size),
                           static_cast<QWidget*>(topString)})
    control->setEnabled(mode == 1);
}
