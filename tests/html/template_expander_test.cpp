// SPDX-License-Identifier: GPL-3.0-or-later
// The caption template: the 22 replace steps in their fixed order.
#include <gtest/gtest.h>

#include "catalogue/exif_tallies.h"
#include "html/template_expander.h"
#include "platform/text.h"

using folio::ExpandTemplate;
using folio::ImageRecord;
using folio::SetField;

namespace {

ImageRecord Sample() {
  ImageRecord r;
  SetField(r.make, u"Canon");
  SetField(r.model, u"Canon EOS 7D");
  SetField(r.dateTimeOriginal, u"2010:05:01 12:34:56");
  SetField(r.fileName, u"IMG_0001.JPG");
  SetField(r.lensName, u"EF50mm f/1.8 II");
  r.exposureTime = {1, 125};
  r.fNumber = {28, 10};
  r.isoSpeed = 200;
  r.focalLength = {50, 1};
  r.pixelHeight = 3456;
  r.pixelWidth = 5184;
  r.exposureProgram = 3;
  r.whiteBalance = 1;
  r.exposureBias = {-2, 3};
  r.flash = 16;
  return r;
}

}  // namespace

TEST(ExpandTemplate, EveryCommandAndLineBreaks) {
  folio::ExifTallies tallies;
  const ImageRecord r = Sample();
  EXPECT_EQ(ExpandTemplate(r, 0, u"シャッタースピード：%s秒\r\nF値：%f", tallies),
            u"シャッタースピード：1/125秒<br>F値：2.8");
  EXPECT_EQ(
      ExpandTemplate(r, 4, u"%n|%m|%c|%d|%i|%s|%f|%l|%h|%w|%e|%b|%r|%t|%j|%v|%I%F%S%V%L|", tallies),
      u"5|Canon|Canon EOS 7D|2010:05:01 12:34:56|200|1/125|2.8|50|3456|5184|絞り優先|"
      u"オート以外|-0.7|発光禁止|IMG_0001.JPG|EF50mm f/1.8 II||");
  EXPECT_EQ(ExpandTemplate(r, 0, u"", tallies), u"");
  EXPECT_EQ(ExpandTemplate(r, 0, u"%x %% 100% <b>&</b>", tallies), u"%x %% 100% <b>&</b>");
  EXPECT_EQ(ExpandTemplate(r, 10, u"No.%n", tallies), u"No.11");
}

TEST(ExpandTemplate, LaterStepsSeeTextInsertedByEarlierOnes) {
  folio::ExifTallies tallies;
  tallies.CountShutter(1, 125);
  ImageRecord r = Sample();
  SetField(r.make, u"Maker %c");        // step 3 inserts, step 4 replaces
  SetField(r.fileName, u"a%d-%S.jpg");  // %d stays (step 5 ran before 16), %S expands
  EXPECT_EQ(ExpandTemplate(r, 0, u"%m / %j", tallies),
            u"Maker Canon EOS 7D / a%d-シャッタースピード 1/125sec 1枚<br>.jpg");
}

// A value that holds a command is expanded again only by the steps that come
// after its own: the table proves the order of the text steps.
TEST(ExpandTemplate, ValuesHoldingCommandsShowTheStepOrder) {
  folio::ExifTallies tallies;
  tallies.CountIso(100);
  using Setter = void (*)(ImageRecord&, std::u16string_view);
  const Setter make = [](ImageRecord& r, std::u16string_view v) { SetField(r.make, v); };
  const Setter model = [](ImageRecord& r, std::u16string_view v) { SetField(r.model, v); };
  const Setter date = [](ImageRecord& r, std::u16string_view v) {
    SetField(r.dateTimeOriginal, v);
  };
  const Setter file = [](ImageRecord& r, std::u16string_view v) { SetField(r.fileName, v); };
  const Setter lens = [](ImageRecord& r, std::u16string_view v) { SetField(r.lensName, v); };
  struct Case {
    Setter set;
    const char16_t* value;
    const char16_t* text;
    const char16_t* expanded;
  };
  const Case cases[] = {
      {make, u"a\r\nb", u"%m", u"a\r\nb"},    // step 1 has run: no <br>
      {make, u"%n", u"%m", u"%n"},            // 2 before 3
      {make, u"%c", u"%m", u"Canon EOS 7D"},  // 3 before 4
      {model, u"%m", u"%c", u"%m"},
      {model, u"%d", u"%c", u"2010:05:01 12:34:56"},
      {date, u"%c", u"%d", u"%c"},
      {date, u"%s|%t", u"%d", u"1/125|発光禁止"},
      {file, u"%t", u"%j", u"%t"},  // 15 before 16
      {file, u"%v", u"%j", u"EF50mm f/1.8 II"},
      {lens, u"%j", u"%v", u"%j"},
      {lens, u"%I", u"%v", u"ISO感度 100 1枚<br>"},
  };
  for (const Case& c : cases) {
    ImageRecord record = Sample();
    c.set(record, c.value);
    EXPECT_EQ(ExpandTemplate(record, 0, c.text, tallies), c.expanded) << folio::ToUtf8(c.value);
  }
}

// The template is the user's markup; what a value brings is text, even when a
// later step expands a command that the value held.
TEST(ExpandTemplate, ValuesAreEscapedAndTheTemplateStaysMarkup) {
  folio::ExifTallies tallies;
  ImageRecord r = Sample();
  SetField(r.make, u"<b>%c");
  SetField(r.model, u"\"&\"");
  SetField(r.fileName, u"<img src=x onerror=alert(1)>.jpg");
  EXPECT_EQ(ExpandTemplate(r, 0, u"<i>%m</i><br>%j", tallies),
            u"<i>&lt;b&gt;&quot;&amp;&quot;</i><br>&lt;img src=x onerror=alert(1)&gt;.jpg");
}
