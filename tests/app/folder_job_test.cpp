// SPDX-License-Identifier: GPL-3.0-or-later
// The folder job driver: the rewind decision, the sub-folders of each mode,
// the busy state and the outcome channels.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "app/folder_job.h"
#include "app/job_options.h"
#include "app/test_window.h"
#include "catalogue/catalogue.h"
#include "folder/photo_listing.h"
#include "platform/ini_profile.h"
#include "platform/random_generator.h"
#include "platform/text.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using folio::Outcome;
using folio::test::TempDir;

namespace {

struct Job {
  TempDir dir;
  folio::test::TestWindow host;
  Outcome Run() { return host.RunFolder(dir.u16()); }
};

}  // namespace

TEST(RunFolderJob, FolderWithoutPhotosThatIsNotProcessedIsAnError) {
  Job job;
  EXPECT_EQ(job.Run(), Outcome::kNoPhotos);
  ASSERT_EQ(job.host.messages.size(), 1u);
  EXPECT_EQ(job.host.messages[0].text, u"JPG画像ファイルがありません");
  EXPECT_EQ(job.host.messages[0].caption, u"エラー");
  EXPECT_EQ(job.host.messages[0].icon, folio::MessageIcon::Exclamation);
  EXPECT_FALSE(job.host.busy());

  job.host.setBatchMode(true);
  job.Run();
  ASSERT_EQ(job.host.statusLines().size(), 1u);
  EXPECT_EQ(job.host.statusLines()[0], u"    エラー：JPG画像ファイルがありません");
}

TEST(RunFolderJob, ProcessedFolderIsRewoundInAnyModeUnlessPagesOnly) {
  for (int mode : {0, 1, 2, 3}) {
    for (int sougo : {0, 1, 2}) {
      Job job;
      fs::create_directory(job.dir / "jpg");
      folio::test::WriteJpeg(job.dir / "jpg" / "IMG_0001.jpg", 32, 24);
      folio::test::WriteBytes(job.dir / "page1.html", "<HTML></HTML>");
      job.host.setBatchMode(true);
      job.host.settings().setting.CreateMode = mode;
      job.host.settings().thumbnail.Sougo = sougo;
      EXPECT_EQ(job.Run(), sougo == 1 ? Outcome::kRewindDeclined : Outcome::kRewound);
      ASSERT_EQ(job.host.statusLines().size(), 1u);
      if (sougo == 1) {
        EXPECT_EQ(job.host.statusLines()[0], u"    終了：巻き戻しは行われませんでした");
        EXPECT_TRUE(fs::exists(job.dir / "page1.html"));
      } else {
        EXPECT_EQ(job.host.statusLines()[0], u"    終了：サムネイルHTMLの巻き戻しが行われました");
        EXPECT_TRUE(fs::exists(job.dir / "IMG_0001.jpg")) << "mode " << mode;
        EXPECT_FALSE(fs::exists(job.dir / "page1.html"));
      }
    }
  }
}

TEST(RunFolderJob, RewindOnlyModeMakesFoldersButNoPages) {
  Job job;
  folio::test::WritePhotoFolder(job.dir, 3);
  job.host.settings().thumbnail.Sougo = 2;
  EXPECT_EQ(job.Run(), Outcome::kPagesNotMade);
  EXPECT_TRUE(fs::is_directory(job.dir / "thum"));
  EXPECT_TRUE(fs::is_directory(job.dir / "jpg"));
  EXPECT_FALSE(fs::exists(job.dir / "page1.html"));
  // A status line whatever the batch mode says.
  ASSERT_EQ(job.host.statusLines().size(), 1u);
  EXPECT_EQ(job.host.statusLines()[0], u"    終了：サムネイルHTMLは作成されませんでした");
  EXPECT_TRUE(job.host.messages.empty());
}

TEST(RunFolderJob, SubFoldersFollowTheMode) {
  struct Case {
    int mode;
    int notResize;
    std::vector<const char*> made, notMade;
  };
  const Case cases[] = {
      {0, 0, {"thum", "jpg"}, {"slideshow", "img"}},
      {0, 1, {"jpg"}, {"thum"}},
      {1, 0, {"slideshow"}, {"thum", "jpg", "img"}},
      {2, 0, {"img"}, {"thum", "jpg", "slideshow"}},
      {3, 0, {}, {"thum", "jpg", "slideshow", "img"}},
      {7, 0, {}, {"thum", "jpg", "slideshow", "img"}},
  };
  for (const Case& c : cases) {
    Job job;
    folio::test::WritePhotoFolder(job.dir, 2);
    job.host.settings().setting.CreateMode = c.mode;
    job.host.settings().thumbnail.NotResize = c.notResize;
    job.host.settings().thumbnail.Sougo = 2;  // no pages: only the preparation matters here
    job.host.settings().resize.SaveDir = u"out";
    job.Run();
    for (const char* name : c.made) EXPECT_TRUE(fs::is_directory(job.dir / name)) << c.mode << name;
    for (const char* name : c.notMade) EXPECT_FALSE(fs::exists(job.dir / name)) << c.mode << name;
  }
}

// The jobs only read the settings: neither the sheet size of a named paper,
// nor a big square larger than the grid, nor a PhotoNo of 0 comes back into
// the record the window saves. The sheet is still the paper's.
TEST(RunFolderJob, NoJobWritesIntoTheSettings) {
  const auto saved = [](const folio::Settings& settings, const TempDir& dir) {
    folio::IniProfile profile(dir / "saved.ini");
    EXPECT_TRUE(folio::SaveSettings(settings, u"", profile));
    return folio::test::ReadBytes(dir / "saved.ini");
  };
  struct Case {
    int mode;
    bool bigSquare;
  };
  for (const Case c : {Case{folio::kModeThumbnail, false}, Case{folio::kModeSlideshow, false},
                       Case{folio::kModeComposite, false}, Case{folio::kModeComposite, true},
                       Case{folio::kModeResize, false}}) {
    SCOPED_TRACE(std::to_string(c.mode) + (c.bigSquare ? " big square" : ""));
    Job job;
    folio::test::WritePhotoFolder(job.dir, 1);
    folio::Settings& s = job.host.settings();
    s.setting.CreateMode = c.mode;
    s.compose.PaperSize = u"はがき（102×152）";
    s.compose.JpgNumberH = s.compose.JpgNumberW = 1;
    s.thumbnail.PhotoNo = 0;
    if (c.bigSquare) {
      s.compose.EnbMulti = 1;
      s.compose.Multiple = 5;  // lowered to the 1x1 grid for the job alone
    }
    TempDir files;
    const std::string before = saved(s, files);
    job.Run();
    EXPECT_EQ(saved(job.host.settings(), files), before);
    EXPECT_EQ(job.host.settings().thumbnail.PhotoNo, 0);
    if (c.mode == folio::kModeThumbnail) {
      EXPECT_TRUE(fs::exists(job.dir / "page1.html"));
    }
    if (c.mode == folio::kModeComposite && !c.bigSquare) {
      EXPECT_EQ(folio::test::JpegSize(job.dir / "img" / "Image1.jpg"), std::make_pair(4917, 3300));
    }
  }
}

TEST(RunFolderJob, BusyOnlyWhileTheJobRunsAndProgressRangeIsCountMinusOne) {
  Job job;
  folio::test::WritePhotoFolder(job.dir, 4);
  job.host.settings().setting.CreateMode = 1;
  bool busyDuringJob = false, uiDuringJob = false;
  job.host.onPump = [&](folio::test::TestHost& h) {
    busyDuringJob = h.busy();
    uiDuringJob = h.jobUiRunning();
  };
  job.Run();
  EXPECT_TRUE(busyDuringJob);
  EXPECT_TRUE(uiDuringJob);
  EXPECT_FALSE(job.host.busy());
  EXPECT_FALSE(job.host.jobUiRunning());
  EXPECT_EQ(job.host.progressLow(), 0);
  EXPECT_EQ(job.host.progressHigh(), 3);
  EXPECT_EQ(job.host.progressPos(), 0);
  EXPECT_EQ(job.host.title(), u"Folioscope Ver3.75");
}

TEST(RunFolderJob, CompositeOutcomesByChannel) {
  {  // made, from the Execute button: a message box
    Job job;
    folio::test::WritePhotoFolder(job.dir, 4);
    job.host.settings().setting.CreateMode = 2;
    job.host.settings().compose.JpgNumberH = 2;
    job.host.settings().compose.JpgNumberW = 2;
    EXPECT_EQ(job.Run(), Outcome::kSheetsMade);
    ASSERT_EQ(job.host.messages.size(), 1u);
    EXPECT_EQ(job.host.messages[0].text, u"画像ファイル作成完了");
    EXPECT_EQ(job.host.messages[0].caption, u"成功");
    EXPECT_EQ(job.host.progressHigh(), 4);  // images used
  }
  for (bool batch : {true, false}) {  // cancelled: a status line in a batch only
    Job job;
    folio::test::WritePhotoFolder(job.dir, 4);
    job.host.setBatchMode(batch);
    job.host.settings().setting.CreateMode = 2;
    job.host.settings().compose.JpgNumberH = 2;
    job.host.settings().compose.JpgNumberW = 2;
    job.host.onPump = [](folio::test::TestHost& h) { h.setBusy(false); };
    EXPECT_EQ(job.Run(), Outcome::kSheetsCancelled);
    EXPECT_TRUE(job.host.messages.empty());
    if (batch) {
      ASSERT_EQ(job.host.statusLines().size(), 1u);
      EXPECT_EQ(job.host.statusLines()[0], u"    キャンセル：処理がキャンセルされました");
    } else {
      EXPECT_TRUE(job.host.statusLines().empty());
    }
  }
}

TEST(RunFolderJob, ZeroPhotosPerPageDoesNotCrash) {
  Job job;
  folio::test::WritePhotoFolder(job.dir, 3);
  job.host.settings().thumbnail.PhotoNo = 0;
  job.host.settings().thumbnail.Sougo = 2;
  EXPECT_EQ(job.Run(), Outcome::kPagesNotMade);
}

TEST(RunFolderJob, ResizeBuildsNoCatalogueAndCompositeDoes) {
  // The catalogue draws a random key for each photo; a job without a
  // catalogue leaves the generator where it was.
  for (int mode : {folio::kModeResize, folio::kModeComposite}) {
    Job job;
    folio::test::ExifFields exif;
    exif.focalLength = std::make_pair(50u, 1u);
    for (int i = 0; i < 4; ++i)
      folio::test::WriteJpegWithExif(job.dir / ("IMG_000" + std::to_string(i) + ".jpg"), 64, 48,
                                     exif, 80, static_cast<unsigned>(i));
    job.host.setBatchMode(true);
    job.host.settings().setting.CreateMode = mode;
    job.host.settings().compose.JpgNumberH = 2;
    job.host.settings().compose.JpgNumberW = 2;
    job.host.settings().resize.SaveDir = u"%s_small";
    job.host.random().Reseed(7);
    const int untouched = folio::RandomGenerator(7).Next();
    job.Run();
    if (mode == folio::kModeResize)
      EXPECT_EQ(job.host.random().Next(), untouched);
    else
      EXPECT_NE(job.host.random().Next(), untouched);
  }
}

namespace {

// The photos of a page in the order it shows them.
std::vector<std::string> PhotosOnPage(const fs::path& page) {
  const std::string text = folio::test::ReadBytes(page);
  std::vector<std::string> names;
  for (std::size_t at = text.find("<img src=\"thum/"); at != std::string::npos;
       at = text.find("<img src=\"thum/", at + 1)) {
    const std::size_t start = at + std::string_view("<img src=\"thum/").size();
    names.push_back(text.substr(start, text.find('"', start) - start));
  }
  return names;
}

}  // namespace

// The random order of a folder follows from the folders before it alone: a
// random sheet title drawn in between (from the clock) changes nothing.
TEST(RunFolderJob, RandomSheetTitleLeavesTheNextRandomOrderAlone) {
  std::vector<std::vector<std::string>> orders;
  for (const char16_t* position : {u"中央", u"ランダム", u"左上", u"ランダム"}) {
    folio::test::TestWindow window;  // a fresh run of the program
    window.setBatchMode(true);
    TempDir sheets, photos;
    folio::test::WritePhotoFolder(sheets, 4);
    folio::test::WritePhotoFolder(photos, 8);
    folio::Settings& settings = window.settings();
    settings.setting.CreateMode = folio::kModeComposite;
    settings.compose.JpgNumberH = 2;
    settings.compose.JpgNumberW = 2;
    settings.compose.EnableTitle = 1;
    settings.compose.Position = position;
    ASSERT_EQ(window.RunFolder(sheets.u16()), Outcome::kSheetsMade);

    settings.setting.CreateMode = folio::kModeThumbnail;
    settings.setting.Sort = u"ランダム";
    ASSERT_EQ(window.RunFolder(photos.u16()), Outcome::kPagesMade);
    orders.push_back(PhotosOnPage(photos / "page1.html"));
    ASSERT_EQ(orders.back().size(), 8u);
  }
  for (std::size_t i = 1; i < orders.size(); ++i) EXPECT_EQ(orders[i], orders[0]) << i;
}

TEST(RunFolderJob, PhotosNamedInAnotherCodePageArePlacedAndRewound) {
  // Photos copied from a Shift_JIS or Latin-1 system keep names that are no
  // UTF-8: they go into jpg and thum like any other and come back on a rewind.
  Job job;
  const std::string sjis = "\x93\xfa\x96\x7b.jpg";  // 日本.jpg
  const std::string latin1 = "caf\xE9.JPG";
  folio::test::WriteJpeg(job.dir / sjis, 800, 600);
  folio::test::WriteJpeg(job.dir / latin1, 640, 480);
  folio::test::WriteJpeg(job.dir / "plain.jpg", 64, 48);
  const auto before = folio::test::HashTree(job.dir.path());

  EXPECT_EQ(job.Run(), Outcome::kPagesMade);
  for (const std::string& name : {sjis, latin1}) {
    EXPECT_FALSE(fs::exists(job.dir / name));
    EXPECT_TRUE(fs::exists(job.dir / "jpg" / name));
    EXPECT_EQ(folio::test::JpegSize(job.dir / "thum" / name), std::make_pair(340, 255));
  }
  // The page links them by their bytes, as a browser asks for the file.
  const std::string page = folio::test::ReadBytes(job.dir / "page1.html");
  EXPECT_NE(page.find("<a href=\"jpg/%93%FA%96{.jpg\"><img src=\"thum/%93%FA%96{.jpg\"></a>"),
            std::string::npos);
  EXPECT_NE(page.find("<img src=\"thum/caf%E9.JPG\">"), std::string::npos);

  EXPECT_EQ(job.Run(), Outcome::kRewound);
  EXPECT_EQ(job.host.messages.back().text, u"サムネイルHTMLの巻き戻しが行われました");
  EXPECT_EQ(folio::test::HashTree(job.dir.path()), before);
  EXPECT_FALSE(fs::exists(job.dir / "jpg"));
}

TEST(RunFolderJob, ANameWithALineFeedIsLeftAloneAndSplitsIntoNoOtherFile) {
  // "a\nb.jpg" must not turn into the names "a" and "b.jpg": "a" is a file
  // of the user's that would be moved into jpg and never come back.
  Job job;
  folio::test::WriteJpeg(job.dir / "a\nb.jpg", 64, 48);
  folio::test::WriteBytes(job.dir / "a", "notes");
  folio::test::WriteJpeg(job.dir / "c.jpg", 64, 48);
  const auto before = folio::test::HashTree(job.dir.path());
  EXPECT_EQ(folio::ListJpegFiles(job.dir.u16()), std::vector<std::u16string>{u"c.jpg"});

  EXPECT_EQ(job.Run(), Outcome::kPagesMade);
  EXPECT_EQ(folio::test::ReadBytes(job.dir / "a"), "notes");
  EXPECT_TRUE(fs::exists(job.dir / "a\nb.jpg"));
  EXPECT_TRUE(fs::exists(job.dir / "jpg" / "c.jpg"));
  EXPECT_FALSE(fs::exists(job.dir / "jpg" / "a"));
  EXPECT_FALSE(fs::exists(job.dir / "thum" / "a"));

  EXPECT_EQ(job.Run(), Outcome::kRewound);
  EXPECT_EQ(job.host.messages.back().text, u"サムネイルHTMLの巻き戻しが行われました");
  EXPECT_EQ(folio::test::HashTree(job.dir.path()), before);
}

TEST(RunFolderJob, KeywordPagesByATypedKeywordPlaceEveryPhoto) {
  // The keyword box takes any text; one that is none of the keywords groups
  // nothing, so the pages go by PhotoNo and every photo is placed at once.
  Job job;
  folio::test::WritePhotoFolder(job.dir, 11);
  const auto before = folio::test::HashTree(job.dir.path());
  folio::Settings& settings = job.host.settings();
  settings.thumbnail.SortPage = 1;
  settings.setting.Sort = u"撮影場所";
  EXPECT_EQ(job.Run(), Outcome::kPagesMade);
  EXPECT_EQ(folio::ListJpegFiles(job.dir.u16()).size(), 0u);
  EXPECT_EQ(folio::ListJpegFiles((job.dir / "jpg").u16string()).size(), 11u);
  EXPECT_TRUE(fs::exists(job.dir / "page2.html"));
  EXPECT_FALSE(fs::exists(job.dir / "page3.html"));

  EXPECT_EQ(job.Run(), Outcome::kRewound);
  EXPECT_EQ(job.host.messages.back().text, u"サムネイルHTMLの巻き戻しが行われました");
  EXPECT_EQ(folio::test::HashTree(job.dir.path()), before);
}

TEST(RunFolderJob, MissingFolderOrFileIsLeftAloneWithTheNoPhotosError) {
  TempDir dir;
  folio::test::WriteBytes(dir / "photo.jpg.txt", "not a folder");
  for (const char* name : {"missing", "photo.jpg.txt"}) {
    for (int mode : {0, 1, 2, 3}) {
      const auto before = folio::test::HashTree(dir.path());
      folio::test::TestWindow host;
      host.setBatchMode(true);
      host.settings().setting.CreateMode = mode;
      EXPECT_EQ(host.RunFolder(folio::FromPath(dir / name)), Outcome::kNoPhotos) << name;
      EXPECT_EQ(host.statusLines(),
                std::vector<std::u16string>{u"    エラー：JPG画像ファイルがありません"});
      EXPECT_FALSE(host.busy());
      EXPECT_EQ(folio::test::HashTree(dir.path()), before) << name << mode;
    }
  }
  EXPECT_FALSE(fs::exists(dir / "missing"));
}
