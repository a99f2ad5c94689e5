// SPDX-License-Identifier: GPL-3.0-or-later
// The jobs with photos prepared ahead on worker threads: on copies of real
// camera photos every job writes byte for byte what it writes with one
// thread, reports the same progress and outcome, and a cancel part-way
// still undoes exactly what the job did.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "app/test_window.h"
#include "platform/dir_list.h"
#include "platform/text.h"
#include "settings/settings.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using folio::test::HashTree;
using folio::test::TempDir;
using folio::test::TestWindow;

namespace {

// What a run leaves behind and tells the user.
struct RunResult {
  folio::Outcome outcome = folio::Outcome::kNoJob;
  std::map<std::string, uint64_t> files;
  std::vector<std::u16string> titles;
  std::vector<std::u16string> statusLines;
};

// Copies of the shared sample photos (up to `limit` of them).
void CopySharedPhotos(const fs::path& into, std::size_t limit) {
  std::vector<std::u16string> names = folio::ListBySuffix(folio::test::SharedPhotosDir(), u".jpg");
  if (names.size() > limit) names.resize(limit);
  for (const std::u16string& name : names)
    fs::copy_file(folio::test::SharedPhotosDir() / folio::ToPath(name), into / folio::ToPath(name));
}

RunResult RunWithThreads(int threads, int mode, std::size_t photos,
                         void (*configure)(folio::Settings&)) {
  TempDir dir;
  CopySharedPhotos(dir.path(), photos);
  TestWindow host;
  host.setBatchMode(true);
  host.settings().setting.CreateMode = mode;
  host.settings().setting.Threads = threads;
  if (configure) configure(host.settings());
  RunResult result;
  result.outcome = host.RunFolder(dir.u16());
  result.files = HashTree(dir.path());
  result.titles = host.titles();
  result.statusLines = host.statusLines();
  return result;
}

struct ModeCase {
  const char* name;
  int mode;
  std::size_t photos;
  void (*configure)(folio::Settings&);
};

const ModeCase kModes[] = {
    {"thumbnail", folio::kModeThumbnail, 18,
     [](folio::Settings& s) {
       s.thumbnail.PhotoNo = 5;
       s.thumbnail.Exif = u"%f %d";
     }},
    {"slideshow", folio::kModeSlideshow, 18, nullptr},
    {"resize turned, Exif kept", folio::kModeResize, 18,
     [](folio::Settings& s) {
       s.resize.Size = 320;
       s.resize.Rotate = 1;
       s.resize.Exif = 1;
     }},
    {"composite 2x2", folio::kModeComposite, 9,
     [](folio::Settings& s) {
       s.compose.JpgNumberH = 2;
       s.compose.JpgNumberW = 2;
       s.compose.Multiple = 2;
     }},
    // Cells that overlap (a gap below 0), a big square over two rows and a
    // title below: the sheet is encoded while later cells are still drawn
    // over the rows above them.
    {"overlapping composite, big square and title", folio::kModeComposite, 18,
     [](folio::Settings& s) {
       s.compose.JpgNumberH = 3;
       s.compose.JpgNumberW = 3;
       s.compose.SpaceSize = -40;
       s.compose.EnbMulti = 1;
       s.compose.Multiple = 2;
       s.compose.MultipleX = 2;
       s.compose.MultipleY = 2;
       s.compose.EnableTitle = 1;
       s.compose.Title = u"題名";
       s.compose.Position = u"左下";
       s.compose.CreateJpgWidth = 1200;
       s.compose.CreateJpgHeight = 900;
     }},
};

class ThreadsTest : public testing::TestWithParam<ModeCase> {};

TEST_P(ThreadsTest, EveryFileByteIdenticalToOneThread) {
  if (folio::test::SharedPhotosDir().empty()) GTEST_SKIP() << "no shared sample photos";
  const ModeCase& c = GetParam();
  const RunResult one = RunWithThreads(1, c.mode, c.photos, c.configure);
  ASSERT_GT(one.files.size(), c.photos) << "the job wrote nothing";
  for (int threads : {2, 3, 0}) {
    const RunResult many = RunWithThreads(threads, c.mode, c.photos, c.configure);
    EXPECT_EQ(many.outcome, one.outcome) << threads << " threads";
    EXPECT_EQ(many.files, one.files) << threads << " threads";
    EXPECT_EQ(many.titles, one.titles) << threads << " threads: the progress shown";
    EXPECT_EQ(many.statusLines, one.statusLines) << threads << " threads";
  }
}

INSTANTIATE_TEST_SUITE_P(Jobs, ThreadsTest, testing::ValuesIn(kModes),
                         [](const testing::TestParamInfo<ModeCase>& info) {
                           std::string name;
                           for (const char* p = info.param.name; *p && *p != ' '; ++p)
                             name += *p;
                           return name;
                         });

TEST(ThreadsCancel, ThumbnailJobUndoneAtAnyPhotoWithWorkersAhead) {
  if (folio::test::SharedPhotosDir().empty()) GTEST_SKIP() << "no shared sample photos";
  for (int cancelAt : {1, 4, 9, 12}) {
    TempDir dir;
    CopySharedPhotos(dir.path(), 12);
    const auto original = HashTree(dir.path());
    TestWindow host;
    host.setBatchMode(true);
    host.settings().setting.Threads = 2;
    host.settings().thumbnail.PhotoNo = 4;
    host.onPump = [cancelAt](folio::test::TestHost& h) {
      if (h.pumps() == cancelAt) h.setBusy(false);
    };
    EXPECT_EQ(host.RunFolder(dir.u16()), folio::Outcome::kCancelled) << cancelAt;
    EXPECT_EQ(HashTree(dir.path()), original) << "cancel at photo " << cancelAt;
    EXPECT_FALSE(fs::exists(dir / "thum"));
    EXPECT_FALSE(fs::exists(dir / "jpg"));
  }
}

TEST(ThreadsCancel, ResizeAndSlideshowStopWhereOneThreadStops) {
  if (folio::test::SharedPhotosDir().empty()) GTEST_SKIP() << "no shared sample photos";
  for (int mode : {folio::kModeResize, folio::kModeSlideshow}) {
    std::map<std::string, uint64_t> byThreads[2];
    for (int t = 0; t < 2; ++t) {
      TempDir dir;
      CopySharedPhotos(dir.path(), 10);
      TestWindow host;
      host.setBatchMode(true);
      host.settings().setting.CreateMode = mode;
      host.settings().setting.Threads = t == 0 ? 1 : 2;
      host.onPump = [](folio::test::TestHost& h) {
        if (h.pumps() == 5) h.setBusy(false);
      };
      EXPECT_EQ(host.RunFolder(dir.u16()), folio::Outcome::kCancelled);
      byThreads[t] = HashTree(dir.path());
    }
    EXPECT_EQ(byThreads[1], byThreads[0]) << "mode " << mode << ": the copies made before the cancel";
  }
}

}  // namespace
