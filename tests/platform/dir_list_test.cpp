// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dir_list.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_support.h"

namespace fs = std::filesystem;
using folio::test::TempDir;
using folio::test::WriteBytes;

namespace {

TEST(ListBySuffix, MatchesSuffixIgnoringCaseCountsFoldersAndSortsByName) {
  TempDir dir;
  for (const char* name : {"c.Jpg", "a.jpg", "B.JPG", "\xE5\x86\x99\xE7\x9C\x9F.jpg", "d.jpeg",
                           "e.jpg.txt", "f.html", "jpg", ".jpg"})
    WriteBytes(dir / name, "x");
  fs::create_directory(dir / "sub.jpg");  // a folder that matches counts as an entry
  fs::create_directory(dir / "other");

  const auto names = folio::ListBySuffix(dir.path(), u".jpg");
  const std::vector<std::u16string> expected = {u".jpg", u"B.JPG", u"a.jpg", u"c.Jpg",
                                                u"sub.jpg", u"写真.jpg"};
  EXPECT_EQ(names, expected);

  EXPECT_EQ(folio::ListBySuffix(dir.path(), u".html"), std::vector<std::u16string>{u"f.html"});
}

TEST(ListBySuffix, MissingOrNonFolderPathGivesNothing) {
  TempDir dir;
  WriteBytes(dir / "file.jpg", "x");
  EXPECT_TRUE(folio::ListBySuffix(dir / "missing", u".jpg").empty());
  EXPECT_TRUE(folio::ListBySuffix(dir / "file.jpg", u".jpg").empty());
}

}  // namespace
