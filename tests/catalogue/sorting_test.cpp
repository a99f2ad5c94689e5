// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/sorting.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "platform/text.h"

namespace folio {
namespace {

using Records = std::vector<ImageRecord>;

Records Make(std::u16string_view keyword, int count, const std::function<void(ImageRecord&, int)>& fill) {
  Records records(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    SetField(records[i].sortKeyword, keyword);
    SetField(records[i].fileName, u"IMG_" + DecimalText(i) + u".jpg");
    fill(records[i], i);
  }
  return records;
}

std::vector<int> Isos(const Records& r) {
  std::vector<int> out;
  for (const auto& x : r) out.push_back(x.isoSpeed);
  return out;
}
std::vector<int> Groups(const Records& r) {
  std::vector<int> out;
  for (const auto& x : r) out.push_back(x.groupNumber);
  return out;
}

TEST(SortCatalogue, IsoAscendingPutsAbsentFirstAndDescendingLast) {
  const uint16_t iso[] = {800, 0, 100, 3200, 0, 400};
  Records r = Make(kKeywordIso, 6, [&](ImageRecord& x, int i) { x.isoSpeed = iso[i]; });
  SortCatalogue(r, false);
  EXPECT_EQ(Isos(r), (std::vector<int>{0, 0, 100, 400, 800, 3200}));
  SortCatalogue(r, true);
  EXPECT_EQ(Isos(r), (std::vector<int>{3200, 800, 400, 100, 0, 0}));
  // Whole records move together.
  for (const auto& x : r)
    if (x.isoSpeed == 3200) {
      EXPECT_EQ(FieldText(x.fileName), u"IMG_3.jpg");
    }
}

TEST(SortCatalogue, TextsCompareByCodeUnit) {
  const char16_t* names[] = {u"b.jpg", u"B.jpg", u"a.jpg", u"ab.jpg", u"", u"Z.jpg", u"ｱ.jpg"};
  Records r = Make(kKeywordFileName, 7, [&](ImageRecord& x, int i) { SetField(x.fileName, names[i]); });
  SortCatalogue(r, false);
  std::vector<std::u16string> got;
  for (const auto& x : r) got.emplace_back(FieldText(x.fileName));
  EXPECT_EQ(got, (std::vector<std::u16string>{u"", u"B.jpg", u"Z.jpg", u"a.jpg", u"ab.jpg", u"b.jpg",
                                              u"ｱ.jpg"}));
  SortCatalogue(r, true);
  got.clear();
  for (const auto& x : r) got.emplace_back(FieldText(x.fileName));
  EXPECT_EQ(got, (std::vector<std::u16string>{u"ｱ.jpg", u"b.jpg", u"ab.jpg", u"a.jpg", u"Z.jpg", u"B.jpg",
                                              u""}));
}

TEST(SortCatalogue, ShutterComparesExposureTimeAndApexValueAsSeconds) {
  Records r = Make(kKeywordShutter, 4, [](ImageRecord& x, int i) {
    if (i == 0) x.exposureTime = {1, 200};
    if (i == 1) x.shutterSpeedValue = {764, 100};  // 2^-7.64 s, about 1/199.5
    if (i == 2) x.exposureTime = {1, 250};
    // i == 3: neither, sorts as 0 s
  });
  SortCatalogue(r, false);
  EXPECT_EQ(FieldText(r[0].fileName), u"IMG_3.jpg");
  EXPECT_EQ(FieldText(r[1].fileName), u"IMG_2.jpg");
  EXPECT_EQ(FieldText(r[2].fileName), u"IMG_0.jpg");
  EXPECT_EQ(FieldText(r[3].fileName), u"IMG_1.jpg");
  EXPECT_NEAR(ExposureSeconds(r[3]), 1 / 199.5, 1e-5);
  EXPECT_EQ(CompareAscending(r[2], r[3]), -1);
  EXPECT_EQ(CompareDescending(r[2], r[3]), 1);
}

TEST(SortCatalogue, FNumberWithoutExposureTimeSortsByItsValue) {
  Records r = Make(kKeywordFNumber, 3, [](ImageRecord& x, int i) {
    const Rational f[] = {{56, 10}, {0, 0}, {4, 1}};
    x.fNumber = f[i];
    if (i != 2) x.exposureTime = {1, 60};
  });
  SortCatalogue(r, false);
  EXPECT_EQ(FieldText(r[0].fileName), u"IMG_1.jpg");
  EXPECT_EQ(FieldText(r[1].fileName), u"IMG_2.jpg");
  EXPECT_EQ(FieldText(r[2].fileName), u"IMG_0.jpg");
  SortCatalogue(r, true);
  EXPECT_EQ(FieldText(r[0].fileName), u"IMG_0.jpg");
  EXPECT_EQ(FieldText(r[1].fileName), u"IMG_2.jpg");
}

TEST(SortCatalogue, FocalSortsByWholeMillimetresButGroupsByExactRatio) {
  Records r = Make(kKeywordFocal, 3, [](ImageRecord& x, int i) {
    const Rational f[] = {{501, 10}, {18, 1}, {50, 1}};
    x.focalLength = f[i];
  });
  EXPECT_EQ(CompareAscending(r[0], r[2]), 0);  // both 50 mm
  SortCatalogue(r, false);
  EXPECT_EQ(r[0].focalLength.numerator, 18u);
  EXPECT_EQ(GroupCatalogue(r), 3);
  EXPECT_EQ(Groups(r), (std::vector<int>{1, 2, 3}));
}

TEST(SortCatalogue, RandomKeySortsAsSignedNumberAndUnknownKeywordKeepsOrder) {
  Records r = Make(kKeywordRandom, 3, [](ImageRecord& x, int i) {
    const int16_t k[] = {32767, 5, 0};
    x.randomKey = k[i];
  });
  SortCatalogue(r, false);
  EXPECT_EQ(r[0].randomKey, 0);
  EXPECT_EQ(r[2].randomKey, 32767);

  Records typed = Make(u"ISO", 3, [](ImageRecord& x, int i) { x.isoSpeed = static_cast<uint16_t>(300 - i); });
  EXPECT_EQ(CompareAscending(typed[0], typed[1]), 0);
  SortCatalogue(typed, false);
  EXPECT_EQ(Isos(typed), (std::vector<int>{300, 299, 298}));
}

TEST(SortCatalogue, EveryRecordMovesWholeWithItsKey) {
  // 1,000 distinct keys in an order of many cycles (7 is prime to 1,000):
  // each record must arrive with its own name, make and date.
  const int count = 1000;
  Records r = Make(kKeywordIso, count, [](ImageRecord& x, int i) {
    x.isoSpeed = static_cast<uint16_t>((i * 7) % count + 1);
    SetField(x.make, u"Maker " + DecimalText(x.isoSpeed % 3));
    SetField(x.dateTimeOriginal, u"2008:07:01 " + DecimalText(x.isoSpeed));
  });
  std::vector<std::u16string> nameOfIso(count + 1);
  for (const ImageRecord& x : r) nameOfIso[x.isoSpeed] = std::u16string(FieldText(x.fileName));
  SortCatalogue(r, true);
  for (int i = 0; i < count; ++i) {
    const int iso = count - i;
    ASSERT_EQ(r[i].isoSpeed, iso) << i;
    EXPECT_EQ(FieldText(r[i].fileName), nameOfIso[iso]);
    EXPECT_EQ(FieldText(r[i].make), u"Maker " + DecimalText(iso % 3));
    EXPECT_EQ(FieldText(r[i].dateTimeOriginal), u"2008:07:01 " + DecimalText(iso));
    EXPECT_EQ(FieldText(r[i].sortKeyword), kKeywordIso);
  }
}

TEST(GroupCatalogue, DateGroupsByDay) {
  const char16_t* dates[] = {u"2010:05:02 09:00:00", u"2010:05:01 18:00:00", u"2010:05:01 07:30:00",
                             u"2010:05:02 08:00:00", u"2010:05:01 12:00:00"};
  Records r = Make(kKeywordDate, 5, [&](ImageRecord& x, int i) { SetField(x.dateTimeOriginal, dates[i]); });
  SortCatalogue(r, false);
  EXPECT_EQ(FieldText(r[0].dateTimeOriginal), u"2010:05:01 07:30:00");
  EXPECT_EQ(FieldText(r[4].dateTimeOriginal), u"2010:05:02 09:00:00");
  EXPECT_EQ(GroupCatalogue(r), 2);
  EXPECT_EQ(Groups(r), (std::vector<int>{1, 1, 1, 2, 2}));
}

TEST(GroupCatalogue, EmptyMakerFormsTheFirstGroup) {
  const char16_t* makes[] = {u"Canon", u"", u"NIKON", u"Canon", u""};
  Records r = Make(kKeywordMake, 5, [&](ImageRecord& x, int i) { SetField(x.make, makes[i]); });
  SortCatalogue(r, false);
  EXPECT_EQ(GroupCatalogue(r), 3);
  EXPECT_EQ(FieldText(r[0].make), u"");
  EXPECT_EQ(Groups(r), (std::vector<int>{1, 1, 2, 2, 3}));
}

TEST(GroupCatalogue, KeywordsWithoutGroupingAndTypedKeyword) {
  for (std::u16string_view keyword : {kKeywordFileName, kKeywordRandom, std::u16string_view()}) {
    Records r = Make(keyword, 3, [](ImageRecord& x, int i) { x.randomKey = static_cast<int16_t>(i); });
    EXPECT_EQ(GroupCatalogue(r), 0);
    EXPECT_EQ(Groups(r), (std::vector<int>{0, 0, 0}));
  }
  Records typed = Make(u"Lens", 3, [](ImageRecord&, int) {});
  EXPECT_EQ(GroupCatalogue(typed), 1);
  EXPECT_EQ(Groups(typed), (std::vector<int>{1, 0, 0}));
  Records none;
  EXPECT_EQ(GroupCatalogue(none), 0);
}

TEST(GroupCatalogue, GroupableKeywordsNumberRunsOfEqualValues) {
  struct Case {
    std::u16string_view keyword;
    std::function<void(ImageRecord&, int)> fill;  // records 0,1 equal; 2 differs
  };
  const Case cases[] = {
      {kKeywordModel, [](ImageRecord& x, int i) { SetField(x.model, i < 2 ? u"EOS 40D" : u"EOS 5D"); }},
      {kKeywordLens, [](ImageRecord& x, int i) { SetField(x.lensName, i < 2 ? u"18-55mm" : u"18-55mm "); }},
      {kKeywordShutter, [](ImageRecord& x, int i) { x.exposureTime = i < 2 ? Rational{1, 100} : Rational{2, 100}; }},
      {kKeywordFNumber, [](ImageRecord& x, int i) { x.fNumber = i == 0 ? Rational{4, 1} : i == 1 ? Rational{40, 10} : Rational{45, 10}; }},
      {kKeywordIso, [](ImageRecord& x, int i) { x.isoSpeed = i < 2 ? 100 : 200; }},
      {kKeywordFocal, [](ImageRecord& x, int i) { x.focalLength = i == 0 ? Rational{37, 2} : i == 1 ? Rational{185, 10} : Rational{18, 1}; }},
  };
  for (const Case& c : cases) {
    Records r = Make(c.keyword, 3, c.fill);
    EXPECT_EQ(GroupCatalogue(r), 2) << ToUtf8(c.keyword);
    EXPECT_EQ(Groups(r), (std::vector<int>{1, 1, 2})) << ToUtf8(c.keyword);
  }
  Records one = Make(kKeywordIso, 1, [](ImageRecord&, int) {});
  EXPECT_EQ(GroupCatalogue(one), 1);
  EXPECT_EQ(one[0].groupNumber, 1);
}

// Pages follow the runs only for a keyword that groups every record.
TEST(KeywordPagesActive, OnlyWithSortPageAndAGroupingKeyword) {
  struct Case {
    int sortPage;
    std::u16string_view keyword;
    bool active;
  };
  const Case cases[] = {
      {1, kKeywordIso, true},       {1, kKeywordLens, true},       {1, kKeywordDate, true},
      {0, kKeywordIso, false},      {1, kKeywordFileName, false},  {1, kKeywordRandom, false},
      {1, u"", false},              {1, u"Lens", false},
  };
  for (const Case& c : cases) {
    Records r = Make(c.keyword, 2, [](ImageRecord&, int) {});
    EXPECT_EQ(KeywordPagesActive(c.sortPage, r), c.active)
        << c.sortPage << " " << ToUtf8(c.keyword);
  }
  EXPECT_FALSE(KeywordPagesActive(1, Records{}));
}

}  // namespace
}  // namespace folio
