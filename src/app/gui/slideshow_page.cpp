// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/slideshow_page.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>

#include "app/gui/integer_checks.h"
#include "app/gui/number_field.h"
#include "app/gui/page_controls.h"

namespace folio::gui {

SlideshowPage::SlideshowPage(QWidget* parent) : QWidget(parent) {
  auto* grid = new QGridLayout(this);
  intervalMs = NewNumber(this, 100, 100000);
  slideSize = NewNumber(this, 10, 100000);
  topText = NewLinesEdit(this, false);
  grid->addWidget(new QLabel(tr("- Slideshow interval (ms)"), this), 0, 0);
  grid->addWidget(intervalMs, 0, 1);
  grid->addWidget(new QLabel(tr("- Long side of the display images"), this), 1, 0);
  grid->addWidget(slideSize, 1, 1);
  grid->addWidget(new QLabel(tr("- Text at the top of the page (HTML tags allowed)"), this), 2, 0,
                  1, 2);
  grid->addWidget(topText, 3, 0, 1, 2);
  grid->setRowStretch(3, 1);
}

void SlideshowPage::setSettings(const SlideShowSettings& settings) {
  s_ = settings;
  showFields();
}

void SlideshowPage::showFields() {
  intervalMs->setValue(s_.Speed);
  slideSize->setValue(s_.Size);
  SetLines(topText, s_.TopString);
}

bool SlideshowPage::readFields() {
  if (!ReadSettingField(intervalMs, s_, &SlideShowSettings::Speed)) return false;
  if (!ReadSettingField(slideSize, s_, &SlideShowSettings::Size)) return false;
  s_.TopString = GetLines(topText);
  return true;
}

void SlideshowPage::refresh(std::optional<JobMode> mode) {
  for (QWidget* control : {static_cast<QWidget*>(intervalMs), static_cast<QWidget*>(slideSize),
                           static_cast<QWidget*>(topText)})
    control->setEnabled(mode == kModeSlideshow);
}

}  // namespace folio::gui
