// The caption template: the 22 replace steps in their fixed order.
#include <gtest/gtest.h>

#include "catalogue/exif_tallies.h"
#include "html/template_expander.h"

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
  folio::ResetExifTallies();
  const ImageRecord r = Sample();
  EXPECT_EQ(ExpandTemplate(r, 0, u"シャッタースピード：%s秒\r\nF値：%f"),
            u"シャッタースピード：1/125秒<br>F値：2.8");
  EXPECT_EQ(ExpandTemplate(r, 4,
                           u"%n|%m|%c|%d|%i|%s|%f|%l|%h|%w|%e|%b|%r|%t|%j|%v|%I%F%S%V%L|"),
            u"5|Canon|Canon EOS 7D|2010:05:01 12:34:56|200|1/125|2.8|50|3456|5184|絞り優先|"
            u"オート以外|-0.7|発光禁止|IMG_0001.JPG|EF50mm f/1.8 II||");
  EXPECT_EQ(ExpandTemplate(r, 0, u""), u"");
  EXPECT_EQ(ExpandTemplate(r, 0, u"%x %% 100% <b>&</b>"), u"%x %% 100% <b>&</b>");
  EXPECT_EQ(ExpandTemplate(r, 10, u"No.%n"), u"No.11");
}

TEST(ExpandTemplate, LaterStepsSeeTextInsertedByEarlierOnes) {
  folio::ResetExifTallies();
  folio::CountShutter(1, 125);
  ImageRecord r = Sample();
  SetField(r.make, u"Maker %c");          // step 3 inserts, step 4 replaces
  SetField(r.fileName, u"a%d-%S.jpg");    // %d stays (step 5 ran before 16), %S expands
  EXPECT_EQ(ExpandTemplate(r, 0, u"%m / %j"),
            u"Maker Canon EOS 7D / a%d-シャッタースピード 1/125sec 1枚<br>.jpg");
  folio::ResetExifTallies();
}
