// The record's texts keep what a NUL-terminated array of N would hold,
// whether they lie inline (short fields) or are shared between records.
#include <gtest/gtest.h>

#include <string>

#include "catalogue/image_record.h"

TEST(ImageRecordTexts, CutAtTheFirstNulAndToNMinusOneUnits) {
  folio::ImageRecord record;
  const std::u16string date = u"2008:07:01 17:27:03 and more";
  folio::SetField(record.dateTimeOriginal, date);
  EXPECT_EQ(folio::FieldText(record.dateTimeOriginal), date.substr(0, 19));
  folio::SetField(record.dateTimeOriginal, std::u16string(u"2008\0:07", 8));
  EXPECT_EQ(folio::FieldText(record.dateTimeOriginal), u"2008");
  folio::SetField(record.dateTimeOriginal, u"");
  EXPECT_EQ(folio::FieldText(record.dateTimeOriginal), u"");

  const std::u16string longModel(300, u'M');
  folio::SetField(record.model, longModel);
  EXPECT_EQ(folio::FieldText(record.model), longModel.substr(0, 259));
  folio::SetField(record.fileName, longModel);
  EXPECT_EQ(folio::FieldText(record.fileName).size(), 259u);
}

TEST(ImageRecordTexts, RecordsOfOneCameraShareItsMakeAndModel) {
  folio::ImageRecord a, b;
  folio::SetField(a.make, u"Canon");
  folio::SetField(b.make, std::u16string(u"Canon"));
  EXPECT_EQ(folio::FieldText(a.make).data(), folio::FieldText(b.make).data());
  folio::SetField(b.make, u"NIKON CORPORATION");
  EXPECT_EQ(folio::FieldText(a.make), u"Canon");
  EXPECT_EQ(folio::FieldText(b.make), u"NIKON CORPORATION");
  const folio::ImageRecord copy = b;
  EXPECT_EQ(folio::FieldText(copy.make), u"NIKON CORPORATION");
}
