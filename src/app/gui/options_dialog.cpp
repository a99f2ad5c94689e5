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
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/gui/caption_commands_dialog.h"
#include "app/gui/composite_page.h"
#include "app/gui/integer_checks.h"
#include "app/gui/page_controls.h"
#include "app/gui/qt_text.h"
#include "app/gui/resize_page.h"
#include "app/gui/slideshow_page.h"
#include "app/gui/thumbnail_page.h"

namespace folio::gui {

namespace {
// The mode buttons and the tabs, in the same order.
constexpr JobMode kButtonModes[4] = {kModeThumbnail, kModeSlideshow, kModeComposite, kModeResize};
int TabOf(JobMode mode) { return static_cast<int>(mode); }
}  // namespace

OptionsDialog::OptionsDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("オプション設定"));
  auto* layout = new QVBoxLayout(this);

  auto* top = new QGridLayout;
  auto* group = new QButtonGroup(this);
  const char16_t* modes[4] = {u"サムネイルHTML作成", u"スライドショーHTML作成", u"合成画像作成",
                              u"リサイズ"};
  for (int i = 0; i < 4; ++i) {
    modeButton[i] = new QRadioButton(QString::fromUtf16(modes[i]), this);
    group->addButton(modeButton[i], i);
    top->addWidget(modeButton[i], i / 2, i % 2);
    connect(modeButton[i], &QRadioButton::clicked, this, &OptionsDialog::onMode);
  }
  top->addWidget(new QLabel(QStringLiteral("・キーワードで並び順をソート"), this), 2, 0);
  sortKeyword = new QComboBox(this);
  sortKeyword->setEditable(true);
  sortKeyword->setCompleter(nullptr);  // what is typed stays as typed
  sortKeyword->setInsertPolicy(QComboBox::NoInsert);
  for (const char16_t* item :
       {u"ファイル名", u"メーカー", u"カメラモデル", u"撮影日時", u"シャッタースピード", u"F値",
        u"ISO感度", u"焦点距離", u"ランダム", u"レンズ情報"})
    sortKeyword->addItem(QString::fromUtf16(item));
  reverseOrder = new QCheckBox(QStringLiteral("逆順でソート"), this);
  auto* sortRow = new QHBoxLayout;
  sortRow->addWidget(sortKeyword, 1);
  sortRow->addWidget(reverseOrder);
  top->addLayout(sortRow, 3, 0, 1, 2);
  dropOnlyFillsFolderBox =
      new QCheckBox(QStringLiteral("D&&Dはフォルダ取得のみで処理は行わない"), this);
  closeStatusWhenDone =
      new QCheckBox(QStringLiteral("処理完了時にステータスダイアログを閉じる"), this);
  top->addWidget(dropOnlyFillsFolderBox, 4, 0, 1, 2);
  top->addWidget(closeStatusWhenDone, 5, 0, 1, 2);
  layout->addLayout(top);

  tabs = new QTabWidget(this);
  thumbnailPage = new ThumbnailPage;
  compositePage = new CompositePage;
  slideshowPage = new SlideshowPage;
  resizePage = new ResizePage;
  tabs->addTab(thumbnailPage, QStringLiteral("サムネイル"));
  tabs->addTab(slideshowPage, QStringLiteral("スライドショー"));
  tabs->addTab(compositePage, QStringLiteral("合成画像"));
  tabs->addTab(resizePage, QStringLiteral("リサイズ"));
  layout->addWidget(tabs, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  okButton = new QPushButton(QStringLiteral("OK"), this);
  cancelButton = new QPushButton(QStringLiteral("キャンセル"), this);
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
  SetComboText(sortKeyword, ToQ(settings_.setting.Sort));
  reverseOrder->setChecked(settings_.setting.Reverse != 0);
  dropOnlyFillsFolderBox->setChecked(settings_.setting.NoDDtoRun != 0);
  closeStatusWhenDone->setChecked(settings_.setting.AutoClose != 0);
  thumbnailPage->classicPages->setChecked(settings_.setting.ClassicPages != 0);
}

void OptionsDialog::readOwnControls() {
  for (int i = 0; i < 4; ++i)  // none checked (a mode from the file outside 0..3): it stays
    if (modeButton[i]->isChecked()) settings_.setting.CreateMode = StoredJobMode(kButtonModes[i]);
  settings_.setting.Sort = FromQ(sortKeyword->currentText());
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
    showTab(tabs->indexOf(page));
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
