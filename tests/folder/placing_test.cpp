// SPDX-License-Identifier: GPL-3.0-or-later
// The thumbnail job's moves on real folders: what counts as a processed
// folder. The cancels and undos through the job are in
// tests/app/thumbnail_cancel_test.cpp.
#include <gtest/gtest.h>

#include <filesystem>

#include "folder/placing.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using folio::test::TempDir;

TEST(IsProcessedFolder, NeedsAJpgEntryAndAPageOne) {
  struct Case {
    bool jpgFolder, jpgFile, page1, page2Only;
    bool processed;
  };
  const Case cases[] = {
      {true, false, true, false, true},
      {false, true, true, false, true},  // any entry named jpg counts
      {true, false, false, false, false},
      {true, false, false, true, false},  // page2.html alone is not enough
      {false, false, true, false, false},
      {false, false, false, false, false},
  };
  for (const Case& c : cases) {
    TempDir dir;
    if (c.jpgFolder) fs::create_directory(dir / "jpg");
    if (c.jpgFile) folio::test::WriteBytes(dir / "jpg", "x");
    if (c.page1) folio::test::WriteBytes(dir / "page1.html", "p");
    if (c.page2Only) folio::test::WriteBytes(dir / "page2.html", "p");
    EXPECT_EQ(folio::IsProcessedFolder(dir.u16()), c.processed)
        << c.jpgFolder << c.jpgFile << c.page1 << c.page2Only;
  }
}
