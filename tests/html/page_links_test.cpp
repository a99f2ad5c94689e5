// SPDX-License-Identifier: GPL-3.0-or-later
// The link block of the thumbnail pages and the labels of keyword pages.
#include <gtest/gtest.h>

#include <vector>

#include "html/page_links.h"

using folio::ImageRecord;
using folio::SetField;

TEST(BuildPageLinks, PlainLabelsWithLineBreaksEveryLinkNo) {
  folio::ThumbnailPageOptions options;
  options.linkColumns = 5;
  ImageRecord one;
  EXPECT_EQ(folio::BuildPageLinks(options, 3, 2, std::span(&one, 1)),
            u"<a href=\"page1.html\">1ページ</a>　2ページ　<a href=\"page3.html\">3ページ</a>　");

  const std::u16string twelve = folio::BuildPageLinks(options, 12, 1, std::span(&one, 1));
  EXPECT_NE(twelve.find(u"5ページ</a><br>\r\n<a href=\"page6.html\">"), std::u16string::npos);
  EXPECT_NE(twelve.find(u"10ページ</a><br>\r\n<a href=\"page11.html\">"), std::u16string::npos);
  EXPECT_TRUE(twelve.ends_with(u"12ページ</a>　"));
  EXPECT_EQ(twelve.find(u"<br>"), twelve.find(u"5ページ</a>") + 8);

  options.linkColumns = 0;  // would divide by zero: one line
  EXPECT_EQ(folio::BuildPageLinks(options, 2, 1, std::span(&one, 1)),
            u"1ページ　<a href=\"page2.html\">2ページ</a>　");
}

TEST(BuildPageLinks, KeywordPagesLabelEachRunByItsFirstRecord) {
  folio::ThumbnailPageOptions options;
  options.keywordPages = true;
  options.linkColumns = 10;
  std::vector<ImageRecord> records(5);
  const uint16_t iso[] = {0, 100, 100, 400, 400};
  const int group[] = {1, 2, 2, 3, 3};
  for (std::size_t i = 0; i < records.size(); ++i) {
    SetField(records[i].sortKeyword, u"ISO感度");
    records[i].isoSpeed = iso[i];
    records[i].groupNumber = group[i];
  }
  EXPECT_EQ(folio::BuildPageLinks(options, 3, 3, std::span(records.data(), 5)),
            u"<a href=\"page1.html\">1：ISO感度不明</a>　<a href=\"page2.html\">2：ISO100</a>　"
            u"3：ISO400　");
}

TEST(KeywordPageLabel, EveryKeywordWithAndWithoutValue) {
  ImageRecord full;
  full.fNumber = {28, 10};
  full.isoSpeed = 100;
  SetField(full.model, u"EOS 7D");
  full.exposureTime = {1, 250};
  SetField(full.make, u"Canon");
  SetField(full.lensName, u"EF50mm");
  full.focalLength = {185, 10};
  SetField(full.dateTimeOriginal, u"2010:05:01 12:34:56");
  const ImageRecord empty;
  struct Case {
    const char16_t *keyword, *withValue, *without;
  };
  const Case cases[] = {
      {u"F値", u"：F2.80", u"：F値不明"},
      {u"ISO感度", u"：ISO100", u"：ISO感度不明"},
      {u"カメラモデル", u"：EOS 7D", u"：カメラモデル不明"},
      {u"シャッタースピード", u"：SS1/250秒", u"：SS不明"},
      {u"メーカー", u"：Canon", u"：メーカー不明"},
      {u"レンズ情報", u"：EF50mm", u"：レンズ情報不明"},
      {u"焦点距離", u"：18mm", u"：焦点距離不明"},
      {u"撮影日時", u"：2010年05月01日", u"：撮影日時不明"},
      {u"ファイル名", u"ページ", u"ページ"},
      {u"ランダム", u"ページ", u"ページ"},
  };
  for (const Case& c : cases) {
    ImageRecord a = full, b = empty;
    SetField(a.sortKeyword, c.keyword);
    SetField(b.sortKeyword, c.keyword);
    EXPECT_EQ(folio::KeywordPageLabel(a), c.withValue);
    EXPECT_EQ(folio::KeywordPageLabel(b), c.without);
  }
  ImageRecord odd;  // a short date is cut by the same positions, never overrun
  SetField(odd.sortKeyword, u"撮影日時");
  SetField(odd.dateTimeOriginal, u"2010");
  EXPECT_EQ(folio::KeywordPageLabel(odd), u"：2010年月日");
}
