// SPDX-License-Identifier: GPL-3.0-or-later
// The page builders by their text alone, without folders or a host: the
// reviewed copies of the slideshow, Top.html and Menu.html, and the split of
// the records into thumbnail pages.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "folder/folder_layout.h"
#include "html/batch_pages.h"
#include "html/slideshow_page.h"
#include "html/thumbnail_pages.h"
#include "platform/cp932.h"
#include "platform/text.h"
#include "support/test_support.h"

namespace folio {
namespace {

std::string Golden(const char* name) {
  return test::ReadBytes(std::filesystem::path(FOLIO_SOURCE_DIR) / "tests/html/golden" / name);
}

std::vector<ImageRecord> Records(std::initializer_list<const char*> names) {
  std::vector<ImageRecord> records;
  for (const char* name : names) {
    ImageRecord record;
    SetField(record.fileName, FromUtf8(name));
    records.push_back(record);
  }
  return records;
}

TEST(SlideshowPageText, MatchesTheReviewedPages) {
  SlideshowPageOptions settings;
  settings.intervalMs = 2000;
  // Two lines; "%n" is not a template command here and stays as written.
  settings.topText = u"夏の旅\r\n2010 %n";
  EXPECT_EQ(Utf16ToCp932(SlideshowPageText(settings, Records({"a.jpg", "b c&d.jpg", "夏.jpg"}))),
            Golden("slideshow.html"));

  settings.intervalMs = 1500;
  settings.topText.clear();
  EXPECT_EQ(Utf16ToCp932(SlideshowPageText(settings, Records({"only.jpg"}))),
            Golden("slideshow_one.html"));

  EXPECT_EQ(SlideshowPageText(settings, {}), u"");
  EXPECT_EQ(SlideshowImagePath(u"夏.jpg"), u"slideshow/夏.jpg");
}

TEST(BatchPagesText, TopAndMenuMatchTheReviewedPages) {
  const FolderNames spring = NamesOfFolder(u"/photos/Trips/Spring");
  EXPECT_EQ(Utf16ToCp932(TopPageText(spring, 150)), Golden("Top.html"));

  std::u16string menu(kMenuStart);
  for (const char16_t* path :
       {u"/photos/Trips/Spring", u"/photos/Trips/Summer/", u"/photos/Trips/Autumn"})
    menu += MenuLinkLine(NamesOfFolder(path).own);
  menu += kMenuEnd;
  EXPECT_EQ(Utf16ToCp932(menu), Golden("Menu.html"));
}

TEST(PlanThumbnailPages, PhotoNoPerPageOrOneRunOfKeywordValuesPerPage) {
  ThumbnailPageOptions settings;
  std::vector<ImageRecord> records(25);
  const auto ranges = [](const std::vector<PageRange>& pages) {
    std::vector<std::pair<int, int>> out;
    for (const PageRange& p : pages) out.emplace_back(p.first, p.count);
    return out;
  };
  using Ranges = std::vector<std::pair<int, int>>;

  settings.photosPerPage = 12;
  EXPECT_EQ(ranges(PlanThumbnailPages(settings, records, 3, false)),
            (Ranges{{0, 12}, {12, 12}, {24, 1}}));
  settings.photosPerPage = 0;  // counts as 1
  EXPECT_EQ(ranges(PlanThumbnailPages(settings, std::span(records).first(3), 3, false)),
            (Ranges{{0, 1}, {1, 1}, {2, 1}}));

  // Keyword pages: PhotoNo plays no part.
  settings.photosPerPage = 2;
  const int group[] = {1, 2, 2, 2, 3, 3, 4};
  std::vector<ImageRecord> grouped(7);
  for (int i = 0; i < 7; ++i) grouped[i].groupNumber = group[i];
  EXPECT_EQ(ranges(PlanThumbnailPages(settings, grouped, 4, true)),
            (Ranges{{0, 1}, {1, 3}, {4, 2}, {6, 1}}));

  EXPECT_TRUE(PlanThumbnailPages(settings, {}, 0, false).empty());
  EXPECT_EQ(ThumbnailPageName(1), u"page1.html");
  EXPECT_EQ(ThumbnailPageName(12), u"page12.html");
}

}  // namespace
}  // namespace folio
