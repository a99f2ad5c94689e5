// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/options_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/gui/caption_commands_dialog.h"
#include "app/gui/composite_page.h"
#include "app/gui/integer_checks.h"
#include "app/gui/page_controls.h"
#include "app/gui/qt_text.h"
#include "app/gui/resize_page.h"
#include "app/gui/screen_fit.h"
#include "app/gui/slideshow_page.h"
#include "app/gui/thumbnail_page.h"
#include "catalogue/sorting.h"

namespace folio::gui {

namespace {
// The mode buttons and the tabs, in the same order.
constexpr JobMode kButtonModes[4] = {kModeThumbnail, kModeSlideshow, kModeComposite, kModeResize};
int TabOf(JobMode mode) { return static_cast<int>(mode); }

// A page that scrolls when the screen is too small for it, and otherwise
// asks for all of its size (a plain scroll area asks for a few lines only).
class PageScroller : public QScrollArea {
 public:
  explicit PageScroller(QWidget* page) {
    setWidget(page);
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
  }
  QSize sizeHint() const override {
    const int frame = 2 * frameWidth();
    return widget()->sizeHint() + QSize(frame, frame);
  }
};
}  // namespace

OptionsDialog::OptionsDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Options"));
  auto* layout = new QVBoxLayout(this);

  auto* top = new QGridLayout;
  auto* group = new QButtonGroup(this);
  const char* modes[4] = {QT_TR_NOOP("Make thumbnail HTML"), QT_TR_NOOP("Make slideshow HTML"),
                          QT_TR_NOOP("Make composite images"), QT_TR_NOOP("Resize")};
  for (int i = 0; i < 4; ++i) {
    modeButton[i] = new QRadioButton(tr(modes[i]), this);
    group->addButton(modeButton[i], i);
    top->addWidget(modeButton[i], i / 2, i % 2);
    connect(modeButton[i], &QRadioButton::clicked, this, &OptionsDialog::onMode);
  }
  top->addWidget(new QLabel(tr("- Sort by keyword"), this), 2, 0);
  sortKeyword = new QComboBox(this);
  sortKeyword->setEditable(true);
  sortKeyword->setCompleter(nullptr);  // what is typed stays as typed
  sortKeyword->setInsertPolicy(QComboBox::NoInsert);
  // Shown in the user's language; the settings and the pages keep the
  // keyword itself, which the sort and the keyword pages go by.
  const std::pair<const char*, std::u16string_view> keywords[] = {
      {QT_TR_NOOP("File name"), kKeywordFileName},  {QT_TR_NOOP("Maker"), kKeywordMake},
      {QT_TR_NOOP("Camera model"), kKeywordModel},  {QT_TR_NOOP("Date taken"), kKeywordDate},
      {QT_TR_NOOP("Shutter speed"), kKeywordShutter}, {QT_TR_NOOP("F-number"), kKeywordFNumber},
      {QT_TR_NOOP("ISO speed"), kKeywordIso},       {QT_TR_NOOP("Focal length"), kKeywordFocal},
      {QT_TR_NOOP("Random"), kKeywordRandom},       {QT_TR_NOOP("Lens"), kKeywordLens}};
  for (const auto& [item, keyword] : keywords) sortKeyword->addItem(tr(item), ToQ(keyword));
  reverseOrder = new QCheckBox(tr("Sort in reverse order"), this);
  auto* sortRow = new QHBoxLayout;
  sortRow->addWidget(sortKeyword, 1);
  sortRow->addWidget(reverseOrder);
  top->addLayout(sortRow, 3, 0, 1, 2);
  dropOnlyFillsFolderBox =
      new QCheckBox(tr("Drag && drop only takes the folder, without running the job"), this);
  closeStatusWhenDone = new QCheckBox(tr("Close the status dialog when the job is done"), this);
  top->addWidget(dropOnlyFillsFolderBox, 4, 0, 1, 2);
  top->addWidget(closeStatusWhenDone, 5, 0, 1, 2);
  layout->addLayout(top);

  tabs = new QTabWidget(this);
  thumbnailPage = new ThumbnailPage;
  compositePage = new CompositePage;
  slideshowPage = new SlideshowPage;
  resizePage = new ResizePage;
  // Each page scrolls, so that the dialog fits a small screen at a large scale.
  const auto addPage = [this](QWidget* page, const QString& title) {
    tabs->addTab(new PageScroller(page), title);
  };
  addPage(thumbnailPage, tr("Thumbnails"));
  addPage(slideshowPage, tr("Slideshow"));
  addPage(compositePage, tr("Composite"));
  addPage(resizePage, tr("Resize"));
  layout->addWidget(tabs, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  okButton = new QPushButton(QStringLiteral("OK"), this);
  cancelButton = new QPushButton(tr("Cancel"), this);
  okButton->setDefault(true);
  cancelButton->setAutoDefault(false);
  buttons->addWidget(okButton);
  buttons->addWidget(cancelButton);
  layout->addLayout(buttons);
  connect(okButton, &QPushButton::clicked, this, &OptionsDialog::accept);
  connect(cancelButton, &QPushButton::clicked, this, &OptionsDialog::reject);
  connect(tabs, &QTabWidget::currentChanged, this, &OptionsDialog::onTabChanged);
}

void OptionsDialog::showSettings() {
  showOwnControls();
  thumbnailPage->setSettings(settings_.thumbnail);
  compositePage->setSettings(settings_.compose);
  slideshowPage->setSettings(settings_.slideShow);
  resizePage->setSettings(settings_.resize);
  thumbnailPage->commandsDialog->hide();
  onMode();
}

void OptionsDialog::showOwnControls() {
  for (int i = 0; i < 4; ++i)
    modeButton[i]->setChecked(settings_.setting.CreateMode == StoredJobMode(kButtonModes[i]));
  const int stored = sortKeyword->findData(ToQ(settings_.setting.Sort));
  SetComboText(sortKeyword,
               stored >= 0 ? sortKeyword->itemText(stored) : ToQ(settings_.setting.Sort));
  reverseOrder->setChecked(settings_.setting.Reverse != 0);
  dropOnlyFillsFolderBox->setChecked(settings_.setting.NoDDtoRun != 0);
  closeStatusWhenDone->setChecked(settings_.setting.AutoClose != 0);
  thumbnailPage->classicPages->setChecked(settings_.setting.ClassicPages != 0);
}

void OptionsDialog::readOwnControls() {
  for (int i = 0; i < 4; ++i)  // none checked (a mode from the file outside 0..3): it stays
    if (modeButton[i]->isChecked()) settings_.setting.CreateMode = StoredJobMode(kButtonModes[i]);
  const QString shown = sortKeyword->currentText();
  const int item = sortKeyword->findText(shown, Qt::MatchExactly | Qt::MatchCaseSensitive);
  settings_.setting.Sort = FromQ(item >= 0 ? sortKeyword->itemData(item).toString() : shown);
  settings_.setting.Reverse = reverseOrder->isChecked();
  settings_.setting.NoDDtoRun = dropOnlyFillsFolderBox->isChecked();
  settings_.setting.AutoClose = closeStatusWhenDone->isChecked();
  settings_.setting.ClassicPages = thumbnailPage->classicPages->isChecked();
}

void OptionsDialog::refreshPages() {
  const std::optional<JobMode> mode = JobModeFromStored(settings_.setting.CreateMode);
  thumbnailPage->refresh(mode);
  compositePage->refresh(mode);
  slideshowPage->refresh(mode);
  resizePage->refresh(mode);
}

int OptionsDialog::tabOf(const QWidget* page) const {
  for (int i = 0; i < tabs->count(); ++i)
    if (static_cast<QScrollArea*>(tabs->widget(i))->widget() == page) return i;
  return -1;
}

void OptionsDialog::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) FitToScreen(*this);
  QDialog::showEvent(event);
}

void OptionsDialog::showTab(int index) {
  selectingTab_ = true;
  tabs->setCurrentIndex(index);
  selectingTab_ = false;
}

void OptionsDialog::onMode() {
  readOwnControls();
  refreshPages();
  const std::optional<JobMode> mode = JobModeFromStored(settings_.setting.CreateMode);
  if (mode) showTab(TabOf(*mode));
  sortKeyword->setEnabled(mode != kModeResize);
  reverseOrder->setEnabled(mode != kModeResize);
}

void OptionsDialog::onTabChanged(int) {
  if (selectingTab_) return;
  readOwnControls();
  refreshPages();
}

void OptionsDialog::done(int result) {
  thumbnailPage->commandsDialog->hide();
  QDialog::done(result);
}

void OptionsDialog::accept() {
  // The first page whose check fails is brought forward with its field.
  const std::pair<QWidget*, bool (*)(OptionsDialog*)> pages[] = {
      {thumbnailPage, [](OptionsDialog* d) { return d->thumbnailPage->readFields(); }},
      {compositePage, [](OptionsDialog* d) { return d->compositePage->readFields(); }},
      {slideshowPage, [](OptionsDialog* d) { return d->slideshowPage->readFields(); }},
      {resizePage, [](OptionsDialog* d) { return d->resizePage->readFields(); }},
  };
  for (const auto& [page, read] : pages) {
    if (read(this)) continue;
    showTab(tabOf(page));
    if (QWidget* field = LastFailedField()) field->setFocus(Qt::OtherFocusReason);
    return;
  }
  settings_.thumbnail = thumbnailPage->settings();
  settings_.compose = compositePage->settings();
  settings_.slideShow = slideshowPage->settings();
  settings_.resize = resizePage->settings();
  readOwnControls();
  QDialog::accept();
}

}  // namespace folio::gui
