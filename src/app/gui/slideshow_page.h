// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Options page "スライドショー": the settings of the slideshow job.
#include <QWidget>

#include <optional>

#include "settings/coded_values.h"
#include "settings/settings.h"

class QPlainTextEdit;

namespace folio::gui {

class NumberField;

class SlideshowPage : public QWidget {
  Q_OBJECT
 public:
  explicit SlideshowPage(QWidget* parent = nullptr);
  void setSettings(const SlideShowSettings& settings);
  const SlideShowSettings& settings() const { return s_; }
  bool readFields();
  void showFields();
  void refresh(std::optional<JobMode> mode);

  NumberField* intervalMs;
  NumberField* slideSize;
  QPlainTextEdit* topText;

 private:
  SlideShowSettings s_;
};

}  // namespace folio::gui
