// The options dialog with real widgets: mode rules, the paper list, the
// checks at OK, Cancel, colour and folder choosers, the command window.
#include <gtest/gtest.h>

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
#include <QAbstractButton>
#include <QTest>
#include <QToolButton>

#include "gui_support/gui_test_env.h"
#include "options/dlg_tab_html.h"
#include "options/dlg_tab_jpg.h"
#include "options/dlg_tab_resize.h"
#include "options/dlg_tab_ss.h"
#include "options/hint_dlg.h"
#include "options/option_dlg.h"
#include "options/widget_util.h"
#include "support/test_support.h"

using folio::gui::NumberField;
using folio::test::OnModal;

namespace {

// Clicks a check or radio button on its indicator, where a user clicks.
void Click(QAbstractButton* button) {
  QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(8, button->height() / 2));
}

class OptionDlgTest : public ::testing::Test {
 protected:
  void open() {
    dlg.initDialog();
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
  COptionDlg dlg;
};

TEST_F(OptionDlgTest, ControlsCarryTheirLabelsAndSpinRanges) {
  open();
  const char16_t* modes[] = {u"サムネイルHTML作成", u"スライドショーHTML作成", u"合成画像作成", u"リサイズ"};
  const char16_t* tabs[] = {u"サムネイル", u"スライドショー", u"合成画像", u"リサイズ"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(dlg.modeButton[i]->text(), QString::fromUtf16(modes[i]));
    EXPECT_EQ(dlg.tabs->tabText(i), QString::fromUtf16(tabs[i]));
  }
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("オプション設定"));
  EXPECT_EQ(dlg.noDDtoRun->text(), QStringLiteral("D&&Dはフォルダ取得のみで処理は行わない"));
  EXPECT_EQ(dlg.sort->count(), 10);
  EXPECT_EQ(dlg.sort->itemText(9), QStringLiteral("レンズ情報"));
  EXPECT_EQ(dlg.tabJpg->paperSize->count(), 8);
  EXPECT_EQ(dlg.tabJpg->position->itemText(5), QStringLiteral("ランダム"));
  EXPECT_EQ(dlg.tabHtml->topHtml->text(), QStringLiteral("複数フォルダをD&&DのときにトップHTMLを作成する"));
  EXPECT_EQ(dlg.tabHtml->autoRotate->text(), QStringLiteral("回転タグに合わせてサムネイルを回転する"));

  struct Spin {
    NumberField* field;
    int low, high;
  } spins[] = {
      {dlg.tabHtml->photoNo, 0, 100},          {dlg.tabHtml->linkNo, 1, 100},
      {dlg.tabHtml->photoSize, 10, 10000},     {dlg.tabHtml->lineNo, 1, 100},
      {dlg.tabSS->speed, 100, 100000},         {dlg.tabSS->size, 10, 100000},
      {dlg.tabJpg->createJpgWidth, 0, 10000},  {dlg.tabJpg->createJpgHeight, 0, 10000},
      {dlg.tabJpg->jpgNumberW, 1, 1000},       {dlg.tabJpg->jpgNumberH, 1, 10000},
      {dlg.tabJpg->spaceSize, 0, 1000},        {dlg.tabJpg->jpgQuality, 0, 100},
      {dlg.tabJpg->multiple, 1, 100},          {dlg.tabJpg->titleFontSize, 1, 255},
      {dlg.tabResize->quality, 0, 100},
  };
  for (const Spin& spin : spins) {
    ASSERT_TRUE(spin.field->hasSpin());
    EXPECT_EQ(spin.field->spinLow(), spin.low);
    EXPECT_EQ(spin.field->spinHigh(), spin.high);
  }
  for (NumberField* plain : {dlg.tabHtml->frameWidth, dlg.tabJpg->blank[0], dlg.tabResize->size,
                             dlg.tabResize->raitoX})
    EXPECT_FALSE(plain->hasSpin());
}

TEST_F(OptionDlgTest, ResizeModeMovesToItsTabAndDisablesTheKeyword) {
  open();
  EXPECT_EQ(dlg.tabs->currentIndex(), 0);
  EXPECT_TRUE(dlg.tabHtml->photoNo->isEnabled());

  Click(dlg.modeButton[3]);
  EXPECT_EQ(dlg.settings().setting.CreateMode, 3);
  EXPECT_EQ(dlg.tabs->currentIndex(), 3);
  EXPECT_FALSE(dlg.sort->isEnabled());
  EXPECT_FALSE(dlg.reverse->isEnabled());
  EXPECT_TRUE(dlg.tabResize->quality->isEnabled());
  EXPECT_FALSE(dlg.tabHtml->photoNo->isEnabled());
  EXPECT_FALSE(dlg.tabHtml->commandButton->isEnabled());
  EXPECT_FALSE(dlg.tabJpg->paperSize->isEnabled());
  EXPECT_FALSE(dlg.tabSS->speed->isEnabled());

  Click(dlg.modeButton[1]);
  EXPECT_EQ(dlg.tabs->currentIndex(), 1);
  EXPECT_TRUE(dlg.sort->isEnabled());
  EXPECT_TRUE(dlg.reverse->isEnabled());
  EXPECT_TRUE(dlg.tabSS->speed->isEnabled());
  EXPECT_FALSE(dlg.tabResize->quality->isEnabled());

  // Any tab may be looked at; only the page of the mode is enabled.
  dlg.tabs->setCurrentIndex(2);
  EXPECT_FALSE(dlg.tabJpg->jpgQuality->isEnabled());
  EXPECT_EQ(dlg.settings().setting.CreateMode, 1);
}

TEST_F(OptionDlgTest, OpensOnTheTabOfTheStoredMode) {
  dlg.settings().setting.CreateMode = 2;
  open();
  EXPECT_EQ(dlg.tabs->currentIndex(), 2);
  EXPECT_TRUE(dlg.tabJpg->jpgQuality->isEnabled());
  EXPECT_TRUE(dlg.tabJpg->blankSample->isEnabled());
  // Title and big-image controls follow their check boxes.
  EXPECT_FALSE(dlg.tabJpg->position->isEnabled());
  EXPECT_FALSE(dlg.tabJpg->multiple->isEnabled());
  Click(dlg.tabJpg->enableTitle);
  EXPECT_TRUE(dlg.tabJpg->position->isEnabled());
  EXPECT_TRUE(dlg.tabJpg->titleSampleBox->isEnabled());
  Click(dlg.tabJpg->enbMulti);
  EXPECT_TRUE(dlg.tabJpg->multipleY->isEnabled());
  Click(dlg.tabJpg->titleDouble);
  Click(dlg.tabJpg->enableTitle);  // off: values kept
  EXPECT_FALSE(dlg.tabJpg->titleDouble->isEnabled());
  EXPECT_TRUE(dlg.tabJpg->titleDouble->isChecked());
  QTest::mouseClick(dlg.okButton, Qt::LeftButton);
  EXPECT_EQ(dlg.settings().compose.TitleDouble, 1);
  EXPECT_EQ(dlg.settings().compose.EnableTitle, 0);
  EXPECT_EQ(dlg.settings().compose.EnbMulti, 1);
}

TEST_F(OptionDlgTest, PaperSizeFillsTheCustomFields) {
  dlg.settings().setting.CreateMode = 2;
  open();
  QComboBox* paper = dlg.tabJpg->paperSize;
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
  EXPECT_EQ(dlg.tabJpg->createJpgWidth->text(), QStringLiteral("4653"));
  EXPECT_EQ(dlg.tabJpg->createJpgHeight->text(), QStringLiteral("3300"));
  choose(QStringLiteral("カスタム"));  // nothing remembered: 0 by 0
  EXPECT_EQ(dlg.tabJpg->createJpgWidth->text(), QStringLiteral("0"));
  EXPECT_EQ(dlg.tabJpg->createJpgHeight->text(), QStringLiteral("0"));
  choose(QStringLiteral("はがき（102×152）"));
  EXPECT_EQ(dlg.tabJpg->createJpgWidth->text(), QStringLiteral("4917"));
  QTest::mouseClick(dlg.okButton, Qt::LeftButton);
  EXPECT_EQ(dlg.settings().compose.PaperSize, u"はがき（102×152）");
  EXPECT_EQ(dlg.settings().compose.CreateJpgWidth, 4917);
}

TEST_F(OptionDlgTest, PaperSizeChosenWithTheKeyboardToo) {
  dlg.settings().setting.CreateMode = 2;
  dlg.settings().compose.rememberedCustomWidth = 1200;
  dlg.settings().compose.rememberedCustomHeight = 800;
  open();
  QComboBox* paper = dlg.tabJpg->paperSize;
  paper->setFocus();
  for (int i = 0; i < 7; ++i) QTest::keyClick(paper, Qt::Key_Down);  // down to "カスタム"
  EXPECT_EQ(paper->currentText(), QStringLiteral("カスタム"));
  EXPECT_EQ(dlg.tabJpg->createJpgWidth->text(), QStringLiteral("1200"));
  EXPECT_EQ(dlg.tabJpg->createJpgHeight->text(), QStringLiteral("800"));
}

// The arrow keys move on from the item the box shows, not from the first one.
TEST_F(OptionDlgTest, ListsStartAtTheStoredItem) {
  dlg.settings().setting.CreateMode = 2;
  dlg.settings().compose.PaperSize = u"A4（210×297）";
  dlg.settings().compose.Position = u"右下";
  dlg.settings().compose.EnableTitle = 1;
  dlg.settings().setting.Sort = u"撮影日時";
  open();
  QComboBox* paper = dlg.tabJpg->paperSize;
  EXPECT_EQ(paper->currentText(), QStringLiteral("A4（210×297）"));
  paper->setFocus();
  QTest::keyClick(paper, Qt::Key_Down);
  EXPECT_EQ(paper->currentText(), QStringLiteral("八切（165×216）"));
  EXPECT_EQ(dlg.tabJpg->createJpgWidth->text(), QStringLiteral("4320"));
  QTest::keyClick(dlg.tabJpg->position, Qt::Key_Up);
  EXPECT_EQ(dlg.tabJpg->position->currentText(), QStringLiteral("左下"));
  QTest::keyClick(dlg.sort, Qt::Key_Down);
  EXPECT_EQ(dlg.sort->currentText(), QStringLiteral("シャッタースピード"));

  // A text of no item is shown as it is, and the list starts at its top.
  COptionDlg typed;
  typed.settings().setting.Sort = u"自作キーワード";
  typed.initDialog();
  EXPECT_EQ(typed.sort->currentText(), QStringLiteral("自作キーワード"));
  EXPECT_EQ(typed.sort->currentIndex(), -1);
  QTest::mouseClick(typed.okButton, Qt::LeftButton);
  EXPECT_EQ(typed.settings().setting.Sort, u"自作キーワード");
}

// What is typed is stored as typed, even the start of an item's text.
TEST_F(OptionDlgTest, TypedTextsAreNotCompletedToAnItem) {
  dlg.settings().setting.CreateMode = 2;
  dlg.settings().compose.EnableTitle = 1;
  open();
  struct Typed {
    QComboBox* box;
    QString text;
  } typed[] = {{dlg.sort, QStringLiteral("ISO")},
               {dlg.tabJpg->paperSize, QStringLiteral("A4")},
               {dlg.tabJpg->position, QStringLiteral("右")}};
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
  NumberField* (*field)(COptionDlg&);
  const char* text;
  const char* message;
};

TEST_F(OptionDlgTest, OkRefusesValuesOutsideTheirChecks) {
  const BadValue cases[] = {
      {"quality 150", 2, [](COptionDlg& d) { return d.tabJpg->jpgQuality; }, "150",
       "Enter an integer between 0 and 100."},
      {"empty width", 2, [](COptionDlg& d) { return d.tabJpg->createJpgWidth; }, "",
       "Enter an integer."},
      {"rows 5000", 2, [](COptionDlg& d) { return d.tabJpg->jpgNumberH; }, "5000",
       "Enter an integer between 1 and 1000."},
      {"ratio 150", 3, [](COptionDlg& d) { return d.tabResize->raitoX; }, "150",
       "Enter an integer between 0 and 100."},
      {"frame width text", 0, [](COptionDlg& d) { return d.tabHtml->frameWidth; }, "abc",
       "Enter an integer."},
      {"speed 99", 1, [](COptionDlg& d) { return d.tabSS->speed; }, "99",
       "Enter an integer between 100 and 100000."},
  };
  for (const BadValue& c : cases) {
    SCOPED_TRACE(c.name);
    COptionDlg d;
    d.settings().setting.CreateMode = c.mode;
    const folio::Settings before = d.settings();
    d.initDialog();
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

TEST_F(OptionDlgTest, DigitsOnlyFieldsRefuseLetters) {
  open();
  QLineEdit* edit = dlg.tabHtml->photoNo->lineEdit();
  edit->clear();
  QTest::keyClicks(edit, QStringLiteral("1a2-"));
  EXPECT_EQ(edit->text(), QStringLiteral("12"));
}

TEST_F(OptionDlgTest, PhotoCountArrowsStopAt100ButTypingReaches10000) {
  open();
  NumberField* photoNo = dlg.tabHtml->photoNo;
  type(photoNo, QStringLiteral("99"));
  QTest::mouseClick(photoNo->upButton(), Qt::LeftButton);
  QTest::mouseClick(photoNo->upButton(), Qt::LeftButton);
  EXPECT_EQ(photoNo->text(), QStringLiteral("100"));
  QTest::keyClick(photoNo->lineEdit(), Qt::Key_Down);
  EXPECT_EQ(photoNo->text(), QStringLiteral("99"));
  type(photoNo, QStringLiteral("10000"));
  type(dlg.tabHtml->linkNo, QStringLiteral("7"));
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

TEST_F(OptionDlgTest, NotResizeDisablesTheLongSide) {
  open();
  Click(dlg.tabHtml->notResize);
  EXPECT_FALSE(dlg.tabHtml->photoSize->isEnabled());
  Click(dlg.modeButton[0]);  // a refresh keeps it off
  EXPECT_FALSE(dlg.tabHtml->photoSize->isEnabled());
  Click(dlg.tabHtml->notResize);
  EXPECT_TRUE(dlg.tabHtml->photoSize->isEnabled());
}

// The flag shows as stored, goes back at OK, and can be changed in every
// mode (it also turns the slide images and the sheet cells).
TEST_F(OptionDlgTest, AutoRotateCheckBoxLoadsAndSaves) {
  EXPECT_EQ(dlg.settings().thumbnail.AutoRotate, 1);
  open();
  EXPECT_TRUE(dlg.tabHtml->autoRotate->isChecked());
  Click(dlg.modeButton[1]);
  dlg.tabs->setCurrentIndex(0);  // looked at from the slideshow mode
  EXPECT_FALSE(dlg.tabHtml->photoNo->isEnabled());
  EXPECT_TRUE(dlg.tabHtml->autoRotate->isEnabled());
  Click(dlg.tabHtml->autoRotate);
  QTest::mouseClick(dlg.okButton, Qt::LeftButton);
  EXPECT_EQ(dlg.settings().thumbnail.AutoRotate, 0);

  open();
  EXPECT_FALSE(dlg.tabHtml->autoRotate->isChecked());
  Click(dlg.modeButton[0]);
  Click(dlg.tabHtml->autoRotate);
  QTest::mouseClick(dlg.cancelButton, Qt::LeftButton);
  EXPECT_EQ(dlg.settings().thumbnail.AutoRotate, 0);  // Cancel keeps what was stored
  open();
  Click(dlg.tabHtml->autoRotate);
  QTest::mouseClick(dlg.okButton, Qt::LeftButton);
  EXPECT_EQ(dlg.settings().thumbnail.AutoRotate, 1);
}

TEST_F(OptionDlgTest, CancelDropsPageEditsButKeepsModeAndKeyword) {
  open();
  type(dlg.tabHtml->photoNo, QStringLiteral("33"));
  dlg.sort->setFocus();
  dlg.sort->lineEdit()->clear();
  dlg.sort->lineEdit()->insert(QStringLiteral("自作キーワード"));  // as typed
  dlg.tabs->setCurrentIndex(1);  // a tab change reads the dialog's own controls
  Click(dlg.modeButton[2]);
  QTest::mouseClick(dlg.cancelButton, Qt::LeftButton);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.settings().thumbnail.PhotoNo, 10);
  EXPECT_EQ(dlg.settings().setting.CreateMode, 2);
  EXPECT_EQ(dlg.settings().setting.Sort, u"自作キーワード");
  // The next opening shows the settings again.
  open();
  EXPECT_EQ(dlg.tabHtml->photoNo->text(), QStringLiteral("10"));
  EXPECT_EQ(dlg.tabs->currentIndex(), 2);
}

TEST_F(OptionDlgTest, OkWritesEveryPageBack) {
  dlg.settings().thumbnail.Exif = u"%m\r\n%c\r\n%d";
  open();
  EXPECT_EQ(dlg.tabHtml->exif->toPlainText(), QStringLiteral("%m\n%c\n%d"));
  Click(dlg.tabHtml->sougo[2]);
  dlg.tabHtml->exif->moveCursor(QTextCursor::End);
  QTest::keyClick(dlg.tabHtml->exif, Qt::Key_Return);
  QTest::keyClicks(dlg.tabHtml->exif, QStringLiteral("%i"));
  Click(dlg.modeButton[1]);
  type(dlg.tabSS->size, QStringLiteral("1024"));
  Click(dlg.autoClose);
  QTest::mouseClick(dlg.okButton, Qt::LeftButton);
  const folio::Settings& s = dlg.settings();
  EXPECT_EQ(s.thumbnail.Sougo, 2);
  EXPECT_EQ(s.thumbnail.Exif, u"%m\r\n%c\r\n%d\r\n%i");
  EXPECT_EQ(s.slideShow.Size, 1024);
  EXPECT_EQ(s.setting.AutoClose, 1);
  EXPECT_EQ(s.setting.CreateMode, 1);
}

TEST_F(OptionDlgTest, ColourSampleOpensTheChooserAndFillsTheFields) {
  dlg.settings().setting.CreateMode = 2;
  open();
  EXPECT_EQ(dlg.tabJpg->backgroundSample(), 0xFFFFFFu);
  QColor initial;
  auto done = OnModal<QColorDialog>([&](QColorDialog* chooser) {
    initial = chooser->currentColor();
    chooser->setCurrentColor(QColor(10, 20, 30));
    chooser->accept();
  });
  QTest::mouseClick(dlg.tabJpg->blankSample, Qt::LeftButton);
  ASSERT_TRUE(*done);
  EXPECT_EQ(initial, QColor(255, 255, 255));
  EXPECT_EQ(dlg.tabJpg->blank[0]->text(), QStringLiteral("10"));
  EXPECT_EQ(dlg.tabJpg->blank[1]->text(), QStringLiteral("20"));
  EXPECT_EQ(dlg.tabJpg->blank[2]->text(), QStringLiteral("30"));
  EXPECT_EQ(dlg.tabJpg->backgroundSample(), 10u | (20u << 8) | (30u << 16));
  EXPECT_EQ(dlg.tabJpg->blankSample->palette().color(QPalette::Window), QColor(10, 20, 30));

  // Typed values reach the sample only at the next refresh.
  dlg.tabJpg->titleColor[0]->lineEdit()->setText(QStringLiteral("255"));
  EXPECT_EQ(dlg.tabJpg->titleSample(), 0u);
  Click(dlg.modeButton[2]);
  EXPECT_EQ(dlg.tabJpg->titleSample(), 0xFFu);

  // The title sample is off while the title is off.
  auto never = OnModal<QColorDialog>([](QColorDialog* chooser) { chooser->reject(); });
  QTest::mouseClick(dlg.tabJpg->titleSampleBox, Qt::LeftButton);
  QTest::qWait(20);
  EXPECT_FALSE(*never);
}

TEST_F(OptionDlgTest, SaveFolderChooserPutsTheFullPath) {
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
  QTest::mouseClick(dlg.tabResize->browse, Qt::LeftButton);
  ASSERT_TRUE(*done);
  EXPECT_EQ(start, QString::fromStdString(temp.path().string()));
  EXPECT_EQ(dlg.tabResize->saveDir->text(), QString::fromStdString((temp / "out").string()));
  QTest::mouseClick(dlg.okButton, Qt::LeftButton);
  EXPECT_EQ(dlg.settings().resize.SaveDir, folio::gui::FromQ(QString::fromStdString((temp / "out").string())));
}

TEST_F(OptionDlgTest, CommandWindowShowsTheCommandList) {
  open();
  const QString expected = QStringLiteral(
      "コマンドの一覧です\r\nコピペしてご使用下さい\r\n\r\n画像ファイルNo.：%n\r\nカメラメーカー名：%m\r\n"
      "カメラモデル名：%c\r\n画像ファイル名：%j\r\n撮影日時：%d\r\nシャッタースピード：%s秒\r\nF値：%f\r\n"
      "ISO感度：%i\r\n焦点距離：%lmm\r\nサイズ：%h×%wピクセル\r\n撮影モード：%e\r\nホワイトバランス：%b\r\n"
      "露出補正：%r\r\nフラッシュ：%t\r\nレンズ情報：%v");
  EXPECT_EQ(CHintDlg::CommandText(), expected);
  CHintDlg* hint = dlg.tabHtml->hint;
  EXPECT_FALSE(hint->isVisible());
  QTest::mouseClick(dlg.tabHtml->commandButton, Qt::LeftButton);
  EXPECT_TRUE(hint->isVisible());
  EXPECT_EQ(hint->windowTitle(), QStringLiteral("コマンドヒント"));
  EXPECT_TRUE(hint->edit()->isReadOnly());
  EXPECT_EQ(hint->edit()->toPlainText(), QString(expected).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  // Another mode disables the button; the window stays.
  Click(dlg.modeButton[1]);
  EXPECT_FALSE(dlg.tabHtml->commandButton->isEnabled());
  EXPECT_TRUE(hint->isVisible());
  QTest::mouseClick(dlg.cancelButton, Qt::LeftButton);
  EXPECT_FALSE(hint->isVisible());
}

TEST(IntegerCheck, ParsesAsTheDialogFrameworkDoes) {
  struct Case {
    const char* text;
    bool ok;
    int value;
  } cases[] = {{"42", true, 42},  {" 7 ", true, 7},   {"-3", true, -3},        {"", false, 0},
               {"1x", false, 0},  {"+", false, 0},    {"2147483647", true, 2147483647},
               {"2147483648", false, 0}, {"99999999999", false, 0}};
  for (const Case& c : cases) {
    int value = 0;
    EXPECT_EQ(folio::gui::ParseInt(QString::fromUtf8(c.text), value), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(value, c.value) << c.text;
    }
  }
}

}  // namespace
