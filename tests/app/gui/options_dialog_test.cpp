// SPDX-License-Identifier: GPL-3.0-or-later
// The options dialog with real widgets: mode rules, the paper list, the
// checks at OK, Cancel, colour and folder choosers, the command window.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "app/gui/caption_commands_dialog.h"
#include "app/gui/color_sample.h"
#include "app/gui/composite_page.h"
#include "app/gui/integer_checks.h"
#include "app/gui/number_field.h"
#include "app/gui/options_dialog.h"
#include "app/gui/qt_text.h"
#include "app/gui/resize_page.h"
#include "app/gui/slideshow_page.h"
#include "app/gui/thumbnail_page.h"
#include "gui_support/gui_test_env.h"
#include "support/test_support.h"

using folio::gui::CaptionCommandsDialog;
using folio::gui::NumberField;
using folio::gui::OptionsDialog;
using folio::test::OnModal;

namespace {

// Clicks a check or radio button on its indicator, where a user clicks.
void Click(QAbstractButton* button) {
  QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(8, button->height() / 2));
}

class OptionsDialogTest : public ::testing::Test {
 protected:
  void open() {
    dlg.showSettings();
    dlg.show();
    QApplication::processEvents();
  }
  void type(NumberField* field, const QString& text) { type(field->lineEdit(), text); }
  void type(QLineEdit* edit, const QString& text) {
    edit->clear();
    QTest::keyClicks(edit, text);
  }
  // Clicks OK; returns the text of the check message it showed, if any.
  QString clickOkCollectingMessage() {
    QString text;
    auto shown = OnModal<QMessageBox>([&](QMessageBox* box) {
      text = box->text();
      box->accept();
    });
    QTest::mouseClick(dlg.okButton, Qt::LeftButton);
    QTest::qWait(0);
    return text;
  }
  OptionsDialog dlg;
};

TEST_F(OptionsDialogTest, ControlsCarryTheirLabelsAndSpinRanges) {
  open();
  const char16_t* modes[] = {u"サムネイルHTML作成", u"スライドショーHTML作成", u"合成画像作成",
                             u"リサイズ"};
  const char16_t* tabs[] = {u"サムネイル", u"スライドショー", u"合成画像", u"リサイズ"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(dlg.modeButton[i]->text(), QString::fromUtf16(modes[i]));
    EXPECT_EQ(dlg.tabs->tabText(i), QString::fromUtf16(tabs[i]));
  }
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("オプション設定"));
  EXPECT_EQ(dlg.dropOnlyFillsFolderBox->text(),
            QStringLiteral("D&&Dはフォルダ取得のみで処理は行わない"));
  EXPECT_EQ(dlg.sortKeyword->count(), 10);
  EXPECT_EQ(dlg.sortKeyword->itemText(9), QStringLiteral("レンズ情報"));
  EXPECT_EQ(dlg.compositePage->paperSize->count(), 8);
  EXPECT_EQ(dlg.compositePage->titlePosition->itemText(5), QStringLiteral("ランダム"));
  EXPECT_EQ(dlg.thumbnailPage->batchTopPage->text(),
            QStringLiteral("複数フォルダをD&&DのときにトップHTMLを作成する"));
  EXPECT_EQ(dlg.thumbnailPage->autoRotate->text(),
            QStringLiteral("回転タグに合わせてサムネイルを回転する"));

  struct Spin {
    NumberField* field;
    int low, high;
  } spins[] = {
      {dlg.thumbnailPage->photosPerPage, 0, 100},    {dlg.thumbnailPage->linkColumns, 1, 100},
      {dlg.thumbnailPage->thumbnailSize, 10, 10000}, {dlg.thumbnailPage->photoColumns, 1, 100},
      {dlg.slideshowPage->intervalMs, 100, 100000},  {dlg.slideshowPage->slideSize, 10, 100000},
      {dlg.compositePage->sheetWidth, 0, 10000},     {dlg.compositePage->sheetHeight, 0, 10000},
      {dlg.compositePage->photoColumns, 1, 1000},    {dlg.compositePage->photoRows, 1, 10000},
      {dlg.compositePage->spacing, 0, 1000},         {dlg.compositePage->jpegQuality, 0, 100},
      {dlg.compositePage->bigCellScale, 1, 100},     {dlg.compositePage->titleFontSize, 1, 255},
      {dlg.resizePage->jpegQuality, 0, 100},
  };
  for (const Spin& spin : spins) {
    ASSERT_TRUE(spin.field->hasSpin());
    EXPECT_EQ(spin.field->spinLow(), spin.low);
    EXPECT_EQ(spin.field->spinHigh(), spin.high);
  }
  for (NumberField* plain : {dlg.thumbnailPage->menuWidth, dlg.compositePage->backgroundChannels[0],
                             dlg.resizePage->longSide, dlg.resizePage->widthPercent})
    EXPECT_FALSE(plain->hasSpin());
}

TEST_F(OptionsDialogTest, ResizeModeMovesToItsTabAndDisablesTheKeyword) {
  open();
  EXPECT_EQ(dlg.tabs->currentIndex(), 0);
  EXPECT_TRUE(dlg.thumbnailPage->photosPerPage->isEnabled());

  Click(dlg.modeButton[3]);
  EXPECT_EQ(dlg.settings().setting.CreateMode, 3);
  EXPECT_EQ(dlg.tabs->currentIndex(), 3);
  EXPECT_FALSE(dlg.sortKeyword->isEnabled());
  EXPECT_FALSE(dlg.reverseOrder->isEnabled());
  EXPECT_TRUE(dlg.resizePage->jpegQuality->isEnabled());
  EXPECT_FALSE(dlg.thumbnailPage->photosPerPage->isEnabled());
  EXPECT_FALSE(dlg.thumbnailPage->showCommandsButton->isEnabled());
  EXPECT_FALSE(dlg.compositePage->paperSize->isEnabled());
  EXPECT_FALSE(dlg.slideshowPage->intervalMs->isEnabled());

  Click(dlg.modeButton[1]);
  EXPECT_EQ(dlg.tabs->currentIndex(), 1);
  EXPECT_TRUE(dlg.sortKeyword->isEnabled());
  EXPECT_TRUE(dlg.reverseOrder->isEnabled());
  EXPECT_TRUE(dlg.slideshowPage->intervalMs->isEnabled());
  EXPECT_FALSE(dlg.resizePage->jpegQuality->isEnabled());

  // Any tab may be looked at; only the page of the mode is enabled.
  dlg.tabs->setCurrentIndex(2);
  EXPECT_FALSE(dlg.compositePage->jpegQuality->isEnabled());
  EXPECT_EQ(dlg.settings().setting.CreateMode, 1);
}

TEST_F(OptionsDialogTest, OpensOnTheTabOfTheStoredMode) {
  dlg.settings().setting.CreateMode = 2;
  open();
  EXPECT_EQ(dlg.tabs->currentIndex(), 2);
  EXPECT_TRUE(dlg.compositePage->jpegQuality->isEnabled());
  EXPECT_TRUE(dlg.compositePage->backgroundSample->isEnabled());
  // Title and big-image controls follow their check boxes.
  EXPECT_FALSE(dlg.compositePage->titlePosition->isEnabled());
  EXPECT_FALSE(dlg.compositePage->bigCellScale->isEnabled());
  Click(dlg.compositePage->titleEnabled);
  EXPECT_TRUE(dlg.compositePage->titlePosition->isEnabled());
  EXPECT_TRUE(dlg.compositePage->titleSample->isEnabled());
  Click(dlg.compositePage->bigCellEnabled);
  EXPECT_TRUE(dlg.compositePage->bigCellRow->isEnabled());
  Click(dlg.compositePage->titleTwoCells);
  Click(dlg.compositePage->titleEnabled);  // off: values kept
  EXPECT_FALSE(dlg.compositePage->titleTwoCells->isEnabled());
  EXPECT_TRUE(dlg.compositePage->titleTwoCells->isChecked());
  QTest::mouseClick(dlg.okButton, Qt::LeftButton);
  EXPECT_EQ(dlg.settings().compose.TitleDouble, 1);
  EXPECT_EQ(dlg.settings().compose.EnableTitle, 0);
  EXPECT_EQ(dlg.settings().compose.EnbMulti, 1);
}

TEST_F(OptionsDialogTest, PaperSizeFillsTheCustomFields) {
  dlg.settings().setting.CreateMode = 2;
  open();
  QComboBox* paper = dlg.compositePage->paperSize;
  // Choose as the user does from the keyboard: arrows move through the list.
  auto choose = [&](const QString& text) {
    const int index = paper->findText(text);
    ASSERT_GE(index, 0);
    paper->setFocus();
    while (paper->currentIndex() < index) QTest::keyClick(paper, Qt::Key_Down);
    while (paper->currentIndex() > index) QTest::keyClick(paper, Qt::Key_Up);
    EXPECT_EQ(paper->currentText(), text);
  };
  choose(QStringLiteral("A4（210×297）"));
  EXPECT_EQ(dlg.compositePage->sheetWidth->text(), QStringLiteral("4653"));
  EXPECT_EQ(dlg.compositePage->sheetHeight->text(), QStringLiteral("3300"));
  choose(QStringLiteral("カスタム"));  // nothing remembered: 0 by 0
  EXPECT_EQ(dlg.compositePage->sheetWidth->text(), QStringLiteral("0"));
  EXPECT_EQ(dlg.compositePage->sheetHeight->text(), QStringLiteral("0"));
  choose(QStringLiteral("はがき（102×152）"));
  EXPECT_EQ(dlg.compositePage->sheetWidth->text(), QStringLiteral("4917"));
  QTest::mouseClick(dlg.okButton, Qt::LeftButton);
  EXPECT_EQ(dlg.settings().compose.PaperSize, u"はがき（102×152）");
  EXPECT_EQ(dlg.settings().compose.CreateJpgWidth, 4917);
}

// No job writes a named paper's sheet into the size fields any more: the
// page shows that paper's sheet whatever the file held there, as it did
// after any job, and OK keeps what it shows.
TEST_F(OptionsDialogTest, NamedPaperShowsItsOwnSheetSize) {
  struct Case {
    const char16_t* paper;
    const char* width;
    int savedWidth;
  };
  for (const Case c : {Case{u"A4（210×297）", "4653", 4653}, Case{u"B5", "4708", 4708},
                       Case{u"カスタム", "1000", 1000}}) {
    dlg.settings().setting.CreateMode = 2;
    dlg.settings().compose.PaperSize = c.paper;
    dlg.settings().compose.CreateJpgWidth = 1000;
    dlg.settings().compose.CreateJpgHeight = 700;
    open();
    EXPECT_EQ(dlg.compositePage->sheetWidth->text(), QString::fromLatin1(c.width));
    QTest::mouseClick(dlg.okButton, Qt::LeftButton);
    EXPECT_EQ(dlg.settings().compose.CreateJpgWidth, c.savedWidth);
  }
}

TEST_F(OptionsDialogTest, PaperSizeChosenWithTheKeyboardToo) {
  dlg.settings().setting.CreateMode = 2;
  dlg.settings().compose.rememberedCustomWidth = 1200;
  dlg.settings().compose.rememberedCustomHeight = 800;
  open();
  QComboBox* paper = dlg.compositePage->paperSize;
  paper->setFocus();
  for (int i = 0; i < 7; ++i) QTest::keyClick(paper, Qt::Key_Down);  // down to "カスタム"
  EXPECT_EQ(paper->currentText(), QStringLiteral("カスタム"));
  EXPECT_EQ(dlg.compositePage->sheetWidth->text(), QStringLiteral("1200"));
  EXPECT_EQ(dlg.compositePage->sheetHeight->text(), QStringLiteral("800"));
}

// The arrow keys move on from the item the box shows, not from the first one.
TEST_F(OptionsDialogTest, ListsStartAtTheStoredItem) {
  dlg.settings().setting.CreateMode = 2;
  dlg.settings().compose.PaperSize = u"A4（210×297）";
  dlg.settings().compose.Position = u"右下";
  dlg.settings().compose.EnableTitle = 1;
  dlg.settings().setting.Sort = u"撮影日時";
  open();
  QComboBox* paper = dlg.compositePage->paperSize;
  EXPECT_EQ(paper->currentText(), QStringLiteral("A4（210×297）"));
  paper->setFocus();
  QTest::keyClick(paper, Qt::Key_Down);
  EXPECT_EQ(paper->currentText(), QStringLiteral("八切（165×216）"));
  EXPECT_EQ(dlg.compositePage->sheetWidth->text(), QStringLiteral("4320"));
  QTest::keyClick(dlg.compositePage->titlePosition, Qt::Key_Up);
  EXPECT_EQ(dlg.compositePage->titlePosition->currentText(), QStringLiteral("左下"));
  QTest::keyClick(dlg.sortKeyword, Qt::Key_Down);
  EXPECT_EQ(dlg.sortKeyword->currentText(), QStringLiteral("シャッタースピード"));

  // A text of no item is shown as it is, and the list starts at its top.
  OptionsDialog typed;
  typed.settings().setting.Sort = u"自作キーワード";
  typed.showSettings();
  EXPECT_EQ(typed.sortKeyword->currentText(), QStringLiteral("自作キーワード"));
  EXPECT_EQ(typed.sortKeyword->currentIndex(), -1);
  QTest::mouseClick(typed.okButton, Qt::LeftButton);
  EXPECT_EQ(typed.settings().setting.Sort, u"自作キーワード");
}

// What is typed is stored as typed, even the start of an item's text.
TEST_F(OptionsDialogTest, TypedTextsAreNotCompletedToAnItem) {
  dlg.settings().setting.CreateMode = 2;
  dlg.settings().compose.EnableTitle = 1;
  open();
  struct Typed {
    QComboBox* box;
    QString text;
  } typed[] = {{dlg.sortKeyword, QStringLiteral("ISO")},
               {dlg.compositePage->paperSize, QStringLiteral("A4")},
               {dlg.compositePage->titlePosition, QStringLiteral("右")}};
  for (const Typed& t : typed) {
    t.box->setFocus();
    t.box->lineEdit()->clear();
    for (QChar c : t.text) {  // key by key, as a keyboard or input method sends them
      QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
      QApplication::sendEvent(t.box->lineEdit(), &press);
    }
    EXPECT_EQ(t.box->currentText(), t.text);
  }
  QTest::mouseClick(dlg.okButton, Qt::LeftButton);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.settings().setting.Sort, u"ISO");
  EXPECT_EQ(dlg.settings().compose.PaperSize, u"A4");
  EXPECT_EQ(dlg.settings().compose.Position, u"右");
}

struct BadValue {
  const char* name;
  int mode;
  NumberField* (*field)(OptionsDialog&);
  const char* text;
  const char* message;
};

TEST_F(OptionsDialogTest, OkRefusesValuesOutsideTheirChecks) {
  const BadValue cases[] = {
      {"quality 150", 2, [](OptionsDialog& d) { return d.compositePage->jpegQuality; }, "150",
       "Enter an integer between 0 and 100."},
      {"empty width", 2, [](OptionsDialog& d) { return d.compositePage->sheetWidth; }, "",
       "Enter an integer."},
      {"rows 5000", 2, [](OptionsDialog& d) { return d.compositePage->photoRows; }, "5000",
       "Enter an integer between 1 and 1000."},
      {"ratio 150", 3, [](OptionsDialog& d) { return d.resizePage->widthPercent; }, "150",
       "Enter an integer between 0 and 100."},
      {"frame width text", 0, [](OptionsDialog& d) { return d.thumbnailPage->menuWidth; }, "abc",
       "Enter an integer."},
      {"speed 99", 1, [](OptionsDialog& d) { return d.slideshowPage->intervalMs; }, "99",
       "Enter an integer between 100 and 100000."},
  };
  for (const BadValue& c : cases) {
    SCOPED_TRACE(c.name);
    OptionsDialog d;
    d.settings().setting.CreateMode = c.mode;
    const folio::Settings before = d.settings();
    d.showSettings();
    d.show();
    NumberField* field = c.field(d);
    field->lineEdit()->clear();
    QTest::keyClicks(field->lineEdit(), QString::fromUtf8(c.text));
    QString text;
    auto shown = OnModal<QMessageBox>([&](QMessageBox* box) {
      text = box->text();
      box->accept();
    });
    QTest::mouseClick(d.okButton, Qt::LeftButton);
    QTest::qWait(0);
    EXPECT_TRUE(*shown);
    EXPECT_EQ(text, QString::fromUtf8(c.message));
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.result(), 0);
    EXPECT_TRUE(field->lineEdit()->hasFocus() || QApplication::focusWidget() == nullptr);
    EXPECT_EQ(d.settings().compose.JpgQuality, before.compose.JpgQuality);
    EXPECT_EQ(d.settings().resize.RaitoX, before.resize.RaitoX);
    EXPECT_EQ(d.settings().slideShow.Speed, before.slideShow.Speed);
  }
}

TEST_F(OptionsDialogTest, DigitsOnlyFieldsRefuseLetters) {
  open();
  QLineEdit* edit = dlg.thumbnailPage->photosPerPage->lineEdit();
  edit->clear();
  QTest::keyClicks(edit, QStringLiteral("1a2-"));
  EXPECT_EQ(edit->text(), QStringLiteral("12"));
}

TEST_F(OptionsDialogTest, PhotoCountArrowsStopAt100ButTypingReaches10000) {
  open();
  NumberField* photoNo = dlg.thumbnailPage->photosPerPage;
  type(photoNo, QStringLiteral("99"));
  QTest::mouseClick(photoNo->upButton(), Qt::LeftButton);
  QTest::mouseClick(photoNo->upButton(), Qt::LeftButton);
  EXPECT_EQ(photoNo->text(), QStringLiteral("100"));
  QTest::keyClick(photoNo->lineEdit(), Qt::Key_Down);
  EXPECT_EQ(photoNo->text(), QStringLiteral("99"));
  type(photoNo, QStringLiteral("10000"));
  type(dlg.thumbnailPage->linkColumns, QStringLiteral("7"));
  QTest::mouseClick(dlg.okButton, Qt::LeftButton);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.settings().thumbnail.PhotoNo, 10000);
  EXPECT_EQ(dlg.settings().thumbnail.LinkNo, 7);
  open();  // 0 passes the check as well
  type(photoNo, QStringLiteral("0"));
  QTest::mouseClick(dlg.okButton, Qt::LeftButton);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.settings().thumbnail.PhotoNo, 0);
}

TEST_F(OptionsDialogTest, NotResizeDisablesTheLongSide) {
  open();
  Click(dlg.thumbnailPage->noThumbnails);
  EXPECT_FALSE(dlg.thumbnailPage->thumbnailSize->isEnabled());
  Click(dlg.modeButton[0]);  // a refresh keeps it off
  EXPECT_FALSE(dlg.thumbnailPage->thumbnailSize->isEnabled());
  Click(dlg.thumbnailPage->noThumbnails);
  EXPECT_TRUE(dlg.thumbnailPage->thumbnailSize->isEnabled());
}

// The flag shows as stored, goes back at OK, and can be changed in every
// mode (it also turns the slide images and the sheet cells).
TEST_F(OptionsDialogTest, AutoRotateCheckBoxLoadsAndSaves) {
  EXPECT_EQ(dlg.settings().thumbnail.AutoRotate, 1);
  open();
  EXPECT_TRUE(dlg.thumbnailPage->autoRotate->isChecked());
  Click(dlg.modeButton[1]);
  dlg.tabs->setCurrentIndex(0);  // looked at from the slideshow mode
  EXPECT_FALSE(dlg.thumbnailPage->photosPerPage->isEnabled());
  EXPECT_TRUE(dlg.thumbnailPage->autoRotate->isEnabled());
  Click(dlg.thumbnailPage->autoRotate);
  QTest::mouseClick(dlg.okButton, Qt::LeftButton);
  EXPECT_EQ(dlg.settings().thumbnail.AutoRotate, 0);

  open();
  EXPECT_FALSE(dlg.thumbnailPage->autoRotate->isChecked());
  Click(dlg.modeButton[0]);
  Click(dlg.thumbnailPage->autoRotate);
  QTest::mouseClick(dlg.cancelButton, Qt::LeftButton);
  EXPECT_EQ(dlg.settings().thumbnail.AutoRotate, 0);  // Cancel keeps what was stored
  open();
  Click(dlg.thumbnailPage->autoRotate);
  QTest::mouseClick(dlg.okButton, Qt::LeftButton);
  EXPECT_EQ(dlg.settings().thumbnail.AutoRotate, 1);
}

TEST_F(OptionsDialogTest, CancelDropsPageEditsButKeepsModeAndKeyword) {
  open();
  type(dlg.thumbnailPage->photosPerPage, QStringLiteral("33"));
  dlg.sortKeyword->setFocus();
  dlg.sortKeyword->lineEdit()->clear();
  dlg.sortKeyword->lineEdit()->insert(QStringLiteral("自作キーワード"));  // as typed
  dlg.tabs->setCurrentIndex(1);  // a tab change reads the dialog's own controls
  Click(dlg.modeButton[2]);
  QTest::mouseClick(dlg.cancelButton, Qt::LeftButton);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.settings().thumbnail.PhotoNo, 10);
  EXPECT_EQ(dlg.settings().setting.CreateMode, 2);
  EXPECT_EQ(dlg.settings().setting.Sort, u"自作キーワード");
  // The next opening shows the settings again.
  open();
  EXPECT_EQ(dlg.thumbnailPage->photosPerPage->text(), QStringLiteral("10"));
  EXPECT_EQ(dlg.tabs->currentIndex(), 2);
}

TEST_F(OptionsDialogTest, OkWritesEveryPageBack) {
  dlg.settings().thumbnail.Exif = u"%m\r\n%c\r\n%d";
  open();
  EXPECT_EQ(dlg.thumbnailPage->captionTemplate->toPlainText(), QStringLiteral("%m\n%c\n%d"));
  Click(dlg.thumbnailPage->rewindPolicy[2]);
  dlg.thumbnailPage->captionTemplate->moveCursor(QTextCursor::End);
  QTest::keyClick(dlg.thumbnailPage->captionTemplate, Qt::Key_Return);
  QTest::keyClicks(dlg.thumbnailPage->captionTemplate, QStringLiteral("%i"));
  Click(dlg.modeButton[1]);
  type(dlg.slideshowPage->slideSize, QStringLiteral("1024"));
  Click(dlg.closeStatusWhenDone);
  QTest::mouseClick(dlg.okButton, Qt::LeftButton);
  const folio::Settings& s = dlg.settings();
  EXPECT_EQ(s.thumbnail.Sougo, 2);
  EXPECT_EQ(s.thumbnail.Exif, u"%m\r\n%c\r\n%d\r\n%i");
  EXPECT_EQ(s.slideShow.Size, 1024);
  EXPECT_EQ(s.setting.AutoClose, 1);
  EXPECT_EQ(s.setting.CreateMode, 1);
}

TEST_F(OptionsDialogTest, ColourSampleOpensTheChooserAndFillsTheFields) {
  dlg.settings().setting.CreateMode = 2;
  open();
  EXPECT_EQ(dlg.compositePage->backgroundSample->color(), QColor(255, 255, 255));
  QColor initial;
  auto done = OnModal<QColorDialog>([&](QColorDialog* chooser) {
    initial = chooser->currentColor();
    chooser->setCurrentColor(QColor(10, 20, 30));
    chooser->accept();
  });
  QTest::mouseClick(dlg.compositePage->backgroundSample, Qt::LeftButton);
  ASSERT_TRUE(*done);
  EXPECT_EQ(initial, QColor(255, 255, 255));
  EXPECT_EQ(dlg.compositePage->backgroundChannels[0]->text(), QStringLiteral("10"));
  EXPECT_EQ(dlg.compositePage->backgroundChannels[1]->text(), QStringLiteral("20"));
  EXPECT_EQ(dlg.compositePage->backgroundChannels[2]->text(), QStringLiteral("30"));
  EXPECT_EQ(dlg.compositePage->backgroundSample->color(), QColor(10, 20, 30));
  EXPECT_EQ(dlg.compositePage->backgroundSample->palette().color(QPalette::Window),
            QColor(10, 20, 30));

  // Typed values reach the sample only at the next refresh.
  dlg.compositePage->titleChannels[0]->lineEdit()->setText(QStringLiteral("255"));
  EXPECT_EQ(dlg.compositePage->titleSample->color(), QColor(0, 0, 0));
  Click(dlg.modeButton[2]);
  EXPECT_EQ(dlg.compositePage->titleSample->color(), QColor(255, 0, 0));

  // The title sample is off while the title is off.
  auto never = OnModal<QColorDialog>([](QColorDialog* chooser) { chooser->reject(); });
  QTest::mouseClick(dlg.compositePage->titleSample, Qt::LeftButton);
  QTest::qWait(20);
  EXPECT_FALSE(*never);
}

TEST_F(OptionsDialogTest, SaveFolderChooserPutsTheFullPath) {
  folio::test::TempDir temp;
  std::filesystem::create_directory(temp / "out");
  dlg.settings().setting.CreateMode = 3;
  dlg.settings().resize.SaveDir = temp.u16();
  open();
  QString start;
  auto done = OnModal<QFileDialog>([&](QFileDialog* chooser) {
    start = chooser->directory().absolutePath();
    chooser->selectFile(QString::fromStdString((temp / "out").string()));
    QMetaObject::invokeMethod(chooser, "accept");
  });
  QTest::mouseClick(dlg.resizePage->browseButton, Qt::LeftButton);
  ASSERT_TRUE(*done);
  EXPECT_EQ(start, QString::fromStdString(temp.path().string()));
  EXPECT_EQ(dlg.resizePage->saveFolder->text(), QString::fromStdString((temp / "out").string()));
  QTest::mouseClick(dlg.okButton, Qt::LeftButton);
  EXPECT_EQ(dlg.settings().resize.SaveDir,
            folio::gui::FromQ(QString::fromStdString((temp / "out").string())));
}

TEST_F(OptionsDialogTest, CommandWindowShowsTheCommandList) {
  open();
  const QString expected = QStringLiteral(
      "コマンドの一覧です\r\nコピペしてご使用下さい\r\n\r\n画像ファイルNo.：%n\r\nカメラメーカー名：%m\r\n"
      "カメラモデル名：%c\r\n画像ファイル名：%j\r\n撮影日時：%d\r\nシャッタースピード：%s秒\r\nF値：%f\r\n"
      "ISO感度：%i\r\n焦点距離：%lmm\r\nサイズ：%h×%wピクセル\r\n撮影モード：%e\r\nホワイトバランス：%b\r\n"
      "露出補正：%r\r\nフラッシュ：%t\r\nレンズ情報：%v");
  EXPECT_EQ(CaptionCommandsDialog::CommandText(), expected);
  CaptionCommandsDialog* hint = dlg.thumbnailPage->commandsDialog;
  EXPECT_FALSE(hint->isVisible());
  QTest::mouseClick(dlg.thumbnailPage->showCommandsButton, Qt::LeftButton);
  EXPECT_TRUE(hint->isVisible());
  EXPECT_EQ(hint->windowTitle(), QStringLiteral("コマンドヒント"));
  EXPECT_TRUE(hint->edit()->isReadOnly());
  EXPECT_EQ(hint->edit()->toPlainText(),
            QString(expected).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  // Another mode disables the button; the window stays.
  Click(dlg.modeButton[1]);
  EXPECT_FALSE(dlg.thumbnailPage->showCommandsButton->isEnabled());
  EXPECT_TRUE(hint->isVisible());
  QTest::mouseClick(dlg.cancelButton, Qt::LeftButton);
  EXPECT_FALSE(hint->isVisible());
}

TEST(IntegerCheck, ParsesAsTheDialogFrameworkDoes) {
  struct Case {
    const char* text;
    bool ok;
    int value;
  } cases[] = {{"42", true, 42},
               {" 7 ", true, 7},
               {"-3", true, -3},
               {"", false, 0},
               {"1x", false, 0},
               {"+", false, 0},
               {"2147483647", true, 2147483647},
               {"2147483648", false, 0},
               {"99999999999", false, 0}};
  for (const Case& c : cases) {
    int value = 0;
    EXPECT_EQ(folio::gui::ParseInt(QString::fromUtf8(c.text), value), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(value, c.value) << c.text;
    }
  }
}

}  // namespace
