// SPDX-License-Identifier: GPL-3.0-or-later
// The names the jobs write into a folder: pages link them and folders made by
// earlier runs hold them, so they stay byte for byte.
#include <gtest/gtest.h>

#include <string>

#include "folder/folder_layout.h"
#include "platform/text.h"

TEST(FolderLayout, NamesOnDiskNeverChange) {
  EXPECT_EQ(folio::kPhotoFolder, u"jpg");
  EXPECT_EQ(folio::kThumbnailFolder, u"thum");
  EXPECT_EQ(folio::kSlideFolder, u"slideshow");
  EXPECT_EQ(folio::kSheetFolder, u"img");
  EXPECT_EQ(folio::kSlideshowPageName, u"slideshow.html");
  EXPECT_EQ(folio::kBatchTopPageName, u"Top.html");
  EXPECT_EQ(folio::kBatchMenuPageName, u"Menu.html");
  EXPECT_EQ(folio::SheetName(1), u"Image1.jpg");
  EXPECT_EQ(folio::SheetName(12), u"Image12.jpg");
  EXPECT_EQ(std::string(folio::kJournalName), ".folioscope-journal");
  EXPECT_EQ(std::string(folio::kFolderLockName), ".folioscope-lock");
  EXPECT_EQ(folio::PathInFolder(u"thum", u"a b.jpg"), u"thum/a b.jpg");
}

// The rewind takes away exactly the pages the job names: every number it
// gives is recognised, and nothing else that looks like a page.
TEST(FolderLayout, ThumbnailPageNamesAndOnlyThoseAreRecognised) {
  for (const int page : {1, 9, 10, 123, 2147483647}) {
    EXPECT_TRUE(folio::IsThumbnailPageName(folio::ThumbnailPageName(page))) << page;
  }
  EXPECT_EQ(folio::ThumbnailPageName(3), u"page3.html");
  for (const char16_t* name : {u"page.html", u"page0.html", u"page01.html", u"page1.htm",
                               u"page1.HTML", u"Page1.html", u"page1a.html", u"page-1.html",
                               u"page 1.html", u"xpage1.html", u"page1.html.bak", u"index.html"}) {
    EXPECT_FALSE(folio::IsThumbnailPageName(name)) << folio::ToUtf8(name);
  }
}
