// SPDX-License-Identifier: GPL-3.0-or-later
// Cancels and stops of the thumbnail job in its corners, on real folders
// (keyword pages, no thumbnails, entries in the way). No photo may be lost or
// changed.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "app/folder_job.h"
#include "app/test_window.h"
#include "app/thumbnail_job.h"
#include "html/thumbnail_pages.h"
#include "platform/text.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using folio::test::HashesOf;
using folio::test::HashTree;
using folio::test::PhotoName;
using folio::test::TempDir;

namespace {

// A folder of photos with records as the catalogue leaves them: by file name,
// in groups of the given sizes (one group per ISO value).
struct KeywordFolder {
  TempDir dir;
  folio::test::TestWindow host;
  std::vector<folio::ImageRecord> records;
  int groups = 0;

  explicit KeywordFolder(std::initializer_list<int> groupSizes) {
    for (int size : groupSizes) {
      ++groups;
      for (int k = 0; k < size; ++k) {
        const int n = static_cast<int>(records.size()) + 1;
        folio::test::WriteJpeg(dir / PhotoName(n), 40 + n, 30, 80, static_cast<unsigned>(n));
        folio::ImageRecord r;
        folio::SetField(r.fileName, folio::FromUtf8(PhotoName(n)));
        folio::SetField(r.sortKeyword, u"ISO感度");
        r.isoSpeed = static_cast<uint16_t>(100 * groups);
        r.groupNumber = groups;
        records.push_back(r);
      }
    }
    fs::create_directory(dir / "thum");
    fs::create_directory(dir / "jpg");
    host.setBatchMode(true);
    host.setBusy(true);
    host.settings().thumbnail.SortPage = 1;
    host.settings().thumbnail.PhotoNo = 2;  // plays no part with keyword pages
  }
  folio::Outcome Run() { return host.RunPages(dir.u16(), records, groups, true); }
};

}  // namespace

// With keyword pages a cancel at any image, also the last of a group whose
// page is then due, leaves the folder as it was.
TEST(UndoThumbnailJob, CancelWithKeywordPagesAtEveryImage) {
  for (int cancelAt = 1; cancelAt <= 6; ++cancelAt) {
    KeywordFolder folder({2, 3, 1});
    const auto original = HashTree(folder.dir.path());
    folder.host.onPump = [cancelAt](folio::test::TestHost& host) {
      if (host.pumps() == cancelAt) host.setBusy(false);
    };
    EXPECT_EQ(folder.Run(), folio::Outcome::kCancelled) << cancelAt;
    EXPECT_EQ(folder.host.statusLines().back(), u"    キャンセル：処理がキャンセルされました");
    EXPECT_EQ(HashTree(folder.dir.path()), original) << "cancel at image " << cancelAt;
    EXPECT_FALSE(fs::exists(folder.dir / "jpg")) << cancelAt;
    EXPECT_FALSE(fs::exists(folder.dir / "thum")) << cancelAt;
  }
}

TEST(UndoThumbnailJob, CancelWithoutThumbnailsPutsThePhotosBack) {
  TempDir dir;
  for (int i = 1; i <= 5; ++i)
    folio::test::WriteJpeg(dir / PhotoName(i), 40, 30, 80, static_cast<unsigned>(i));
  const auto original = HashTree(dir.path());
  folio::test::TestWindow host;
  host.settings().setting.CreateMode = folio::kModeThumbnail;
  host.settings().thumbnail.NotResize = 1;
  host.settings().thumbnail.PhotoNo = 2;
  host.onPump = [](folio::test::TestHost& h) {
    if (h.pumps() == 4) h.setBusy(false);
  };
  EXPECT_EQ(folio::RunFolderJob(host, host.settings(), dir.u16(), host.random()),
            folio::Outcome::kCancelled);
  EXPECT_EQ(HashTree(dir.path()), original);
}

// Entries that stand where a photo would go: a folder of the photo's name in
// jpg, and files of the photos' names in thum and jpg that the job never
// reached. A cancel leaves all of them, and every photo, as they were.
TEST(UndoThumbnailJob, EntriesInTheWayAreLeftAlone) {
  TempDir dir;
  for (int i = 1; i <= 6; ++i)
    folio::test::WriteJpeg(dir / PhotoName(i), 40, 30, 80, static_cast<unsigned>(i));
  fs::create_directories(dir / "jpg" / PhotoName(2));  // a folder in the way
  folio::test::WriteBytes(dir / "jpg" / PhotoName(2) / "inside.txt", "kept");
  fs::create_directory(dir / "thum");
  folio::test::WriteJpeg(dir / "thum" / PhotoName(5), 20, 20, 80, 55);  // not reached
  folio::test::WriteJpeg(dir / "jpg" / PhotoName(6), 20, 20, 80, 66);   // not reached
  const auto original = HashTree(dir.path());
  folio::test::TestWindow host;
  host.settings().setting.CreateMode = folio::kModeThumbnail;
  host.onPump = [](folio::test::TestHost& h) {
    if (h.pumps() == 3) h.setBusy(false);
  };
  EXPECT_EQ(folio::RunFolderJob(host, host.settings(), dir.u16(), host.random()),
            folio::Outcome::kCancelled);
  EXPECT_EQ(HashTree(dir.path()), original);
}

TEST(ThumbnailPages, KeywordPagesStopAtAnExistingPageAndKeepEveryPhoto) {
  KeywordFolder folder({2, 3, 1});
  const auto photos = HashesOf(folder.dir.path());
  folio::test::WriteBytes(folder.dir / "page2.html", "left over");
  EXPECT_EQ(folder.Run(), folio::Outcome::kPageExists);
  EXPECT_EQ(folder.host.statusLines().back(), u"    エラー：HTMLファイルがすでに存在します");
  EXPECT_TRUE(fs::exists(folder.dir / "page1.html"));
  EXPECT_EQ(folio::test::ReadBytes(folder.dir / "page2.html"), "left over");
  // The five photos of pages 1 and 2 lie in jpg; the sixth was never reached.
  for (int i = 1; i <= 5; ++i) EXPECT_TRUE(fs::exists(folder.dir / "jpg" / PhotoName(i))) << i;
  EXPECT_TRUE(fs::exists(folder.dir / PhotoName(6)));
  const std::multiset<uint64_t> after = HashesOf(folder.dir.path());
  EXPECT_TRUE(std::includes(after.begin(), after.end(), photos.begin(), photos.end()));
}
