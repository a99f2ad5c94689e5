// SPDX-License-Identifier: GPL-3.0-or-later
// The record's texts keep what a NUL-terminated array of N would hold,
// whether they lie inline (short fields) or are shared between records.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

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

TEST(ImageRecordTexts, CopiesAndMovesKeepEveryText) {
  folio::ImageRecord a;
  folio::SetField(a.fileName, u"IMG_0001.JPG");
  folio::SetField(a.lensName, u"EF-S18-55mm f/3.5-5.6 IS");
  folio::SetField(a.sortKeyword, u"ISO");
  std::vector<folio::ImageRecord> copies(3, a);
  folio::ImageRecord moved = std::move(copies[1]);
  copies[2] = moved;
  copies[0] = copies[0];  // a copy onto itself keeps the text
  for (const folio::ImageRecord* r : {&a, &copies[0], &copies[2], &moved}) {
    EXPECT_EQ(folio::FieldText(r->fileName), u"IMG_0001.JPG");
    EXPECT_EQ(folio::FieldText(r->lensName), u"EF-S18-55mm f/3.5-5.6 IS");
    EXPECT_EQ(folio::FieldText(r->sortKeyword), u"ISO");
  }
  // A file name set from its own text, or emptied.
  folio::SetField(a.fileName, folio::FieldText(a.fileName).substr(4));
  EXPECT_EQ(folio::FieldText(a.fileName), u"0001.JPG");
  folio::SetField(a.fileName, u"");
  EXPECT_EQ(folio::FieldText(a.fileName), u"");
}

TEST(ImageRecordTexts, FileNamesOfEveryLengthSurviveCopiesMovesAndTheirOwnText) {
  // 15 units lie in the record, 16 go to the heap; a name may be set from a
  // part of itself either way.
  for (const std::size_t length : {0u, 1u, 12u, 15u, 16u, 40u, 259u}) {
    std::u16string name;
    for (std::size_t i = 0; i < length; ++i) name += static_cast<char16_t>(u'a' + i % 26);
    folio::ImageRecord a;
    folio::SetField(a.fileName, name);
    folio::ImageRecord copy = a;
    folio::ImageRecord moved = std::move(copy);
    folio::ImageRecord assigned;
    folio::SetField(assigned.fileName, u"an earlier name, longer than fifteen");
    assigned = moved;
    for (const folio::ImageRecord* r : {&a, &moved, &assigned})
      EXPECT_EQ(folio::FieldText(r->fileName), name) << length;
    moved = std::move(assigned);
    EXPECT_EQ(folio::FieldText(moved.fileName), name) << length;

    for (const std::size_t from : {std::size_t{0}, length / 2, length}) {
      folio::ImageRecord self = a;
      folio::SetField(self.fileName, folio::FieldText(self.fileName).substr(from));
      EXPECT_EQ(folio::FieldText(self.fileName), name.substr(from)) << length << " " << from;
    }
  }
}

TEST(ImageRecordTexts, ATextNobodyHoldsIsDroppedAndMadeAnew) {
  // Many cameras, one after another: the table sweeps the texts that no record
  // holds any more, and a text asked for again after the sweep is whole.
  folio::ImageRecord kept;
  folio::SetField(kept.model, u"Kept model");
  for (int i = 0; i < 1000; ++i) {
    folio::ImageRecord passing;
    folio::SetField(passing.model, u"Model " +
                                       std::u16string(1, static_cast<char16_t>(u'A' + i % 26)) +
                                       std::u16string(static_cast<std::size_t>(i % 7), u'x'));
  }
  EXPECT_EQ(folio::FieldText(kept.model), u"Kept model");
  folio::ImageRecord again;
  folio::SetField(again.model, u"Model A");
  EXPECT_EQ(folio::FieldText(again.model), u"Model A");
  folio::SetField(again.model, u"Kept model");
  EXPECT_EQ(folio::FieldText(again.model).data(), folio::FieldText(kept.model).data());
}

// A large folder holds one record a photo for the whole job.
static_assert(sizeof(void*) != 8 || sizeof(folio::ImageRecord) <= 192);
