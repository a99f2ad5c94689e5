#include "options/option_dlg.h"

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

#include "options/dlg_tab_html.h"
#include "options/hint_dlg.h"
#include "options/dlg_tab_jpg.h"
#include "options/dlg_tab_resize.h"
#include "options/dlg_tab_ss.h"
#include "options/widget_util.h"

using folio::gui::FromQ;
using folio::gui::ToQ;

COptionDlg::COptionDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("オプション設定"));
  auto* layout = new QVBoxLayout(this);

  auto* top = new QGridLayout;
  auto* group = new QButtonGroup(this);
  const char16_t* modes[4] = {u"サムネイルHTML作成", u"スライドショーHTML作成", u"合成画像作成", u"リサイズ"};
  for (int i = 0; i < 4; ++i) {
    modeButton[i] = new QRadioButton(QString::fromUtf16(modes[i]), this);
    group->addButton(modeButton[i], i);
    top->addWidget(modeButton[i], i / 2, i % 2);
    connect(modeButton[i], &QRadioButton::clicked, this, &COptionDlg::onMode);
  }
  top->addWidget(new QLabel(QStringLiteral("・キーワードで並び順をソート"), this), 2, 0);
  sort = new QComboBox(this);
  sort->setEditable(true);
  sort->setCompleter(nullptr);  // what is typed stays as typed
  sort->setInsertPolicy(QComboBox::NoInsert);
  for (const char16_t* item : {u"ファイル名", u"メーカー", u"カメラモデル", u"撮影日時", u"シャッタースピード",
                               u"F値", u"ISO感度", u"焦点距離", u"ランダム", u"レンズ情報"})
    sort->addItem(QString::fromUtf16(item));
  reverse = new QCheckBox(QStringLiteral("逆順でソート"), this);
  auto* sortRow = new QHBoxLayout;
  sortRow->addWidget(sort, 1);
  sortRow->addWidget(reverse);
  top->addLayout(sortRow, 3, 0, 1, 2);
  noDDtoRun = new QCheckBox(QStringLiteral("D&&Dはフォルダ取得のみで処理は行わない"), this);
  autoClose = new QCheckBox(QStringLiteral("処理完了時にステータスダイアログを閉じる"), this);
  top->addWidget(noDDtoRun, 4, 0, 1, 2);
  top->addWidget(autoClose, 5, 0, 1, 2);
  layout->addLayout(top);

  tabs = new QTabWidget(this);
  tabHtml = new CDlgTabHtml;
  tabJpg = new CDlgTabJpg;
  tabSS = new CDlgTabSS;
  tabResize = new CDlgTabResize;
  tabs->addTab(tabHtml, QStringLiteral("サムネイル"));
  tabs->addTab(tabSS, QStringLiteral("スライドショー"));
  tabs->addTab(tabJpg, QStringLiteral("合成画像"));
  tabs->addTab(tabResize, QStringLiteral("リサイズ"));
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
  connect(okButton, &QPushButton::clicked, this, &COptionDlg::accept);
  connect(cancelButton, &QPushButton::clicked, this, &COptionDlg::reject);
  connect(tabs, &QTabWidget::currentChanged, this, &COptionDlg::onTabChanged);
}

int COptionDlg::DoModal() {
  initDialog();
  return exec();
}

void COptionDlg::initDialog() {
  showOwnControls();
  tabHtml->setSettings(settings_.thumbnail);
  tabJpg->setSettings(settings_.compose);
  tabSS->setSettings(settings_.slideShow);
  tabResize->setSettings(settings_.resize);
  tabHtml->hint->hide();
  onMode();
}

void COptionDlg::showOwnControls() {
  for (int i = 0; i < 4; ++i) modeButton[i]->setChecked(settings_.setting.CreateMode == i);
  folio::gui::SetComboText(sort, ToQ(settings_.setting.Sort));
  reverse->setChecked(settings_.setting.Reverse != 0);
  noDDtoRun->setChecked(settings_.setting.NoDDtoRun != 0);
  autoClose->setChecked(settings_.setting.AutoClose != 0);
}

void COptionDlg::readOwnControls() {
  for (int i = 0; i < 4; ++i)  // none checked (a mode from the file outside 0..3): it stays
    if (modeButton[i]->isChecked()) settings_.setting.CreateMode = i;
  settings_.setting.Sort = FromQ(sort->currentText());
  settings_.setting.Reverse = reverse->isChecked();
  settings_.setting.NoDDtoRun = noDDtoRun->isChecked();
  settings_.setting.AutoClose = autoClose->isChecked();
}

void COptionDlg::refreshPages() {
  const int mode = settings_.setting.CreateMode;
  tabHtml->refresh(mode);
  tabJpg->refresh(mode);
  tabSS->refresh(mode);
  tabResize->refresh(mode);
}

void COptionDlg::showTab(int index) {
  selectingTab_ = true;
  tabs->setCurrentIndex(index);
  selectingTab_ = false;
}

void COptionDlg::onMode() {
  readOwnControls();
  refreshPages();
  const int mode = settings_.setting.CreateMode;
  if (mode >= 0 && mode < 4) showTab(mode);
  sort->setEnabled(mode != 3);
  reverse->setEnabled(mode != 3);
}

void COptionDlg::onTabChanged(int) {
  if (selectingTab_) return;
  readOwnControls();
  refreshPages();
}

void COptionDlg::done(int result) {
  tabHtml->hint->hide();
  QDialog::done(result);
}

void COptionDlg::accept() {
  // The first page whose check fails is brought forward with its field.
  const std::pair<QWidget*, bool (*)(COptionDlg*)> pages[] = {
      {tabHtml, [](COptionDlg* d) { return d->tabHtml->readFields(); }},
      {tabJpg, [](COptionDlg* d) { return d->tabJpg->readFields(); }},
      {tabSS, [](COptionDlg* d) { return d->tabSS->readFields(); }},
      {tabResize, [](COptionDlg* d) { return d->tabResize->readFields(); }},
  };
  for (const auto& [page, read] : pages) {
    if (read(this)) continue;
    showTab(tabs->indexOf(page));
    if (QWidget* field = folio::gui::LastFailedField()) field->setFocus(Qt::OtherFocusReason);
    return;
  }
  settings_.thumbnail = tabHtml->settings();
  settings_.compose = tabJpg->settings();
  settings_.slideShow = tabSS->settings();
  settings_.resize = tabResize->settings();
  readOwnControls();
  QDialog::accept();
}
