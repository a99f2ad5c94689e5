// SPDX-License-Identifier: GPL-3.0-or-later
// The drop batch: one folder job per dropped path, status lines, the stop
// between folders, and Top.html / Menu.html beside the dropped folders.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "app/drop_batch.h"
#include "app/folder_job.h"
#include "app/test_window.h"
#include "html/batch_pages.h"
#include "platform/cp932.h"
#include "platform/text.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using folio::test::ReadBytes;
using folio::test::TempDir;

namespace {

struct Batch {
  TempDir root;
  fs::path trips = root / "Trips";
  std::vector<std::u16string> paths;
  folio::test::TestWindow host;

  explicit Batch(std::initializer_list<const char*> folders, int photos = 2) {
    for (const char* name : folders) {
      fs::create_directories(trips / name);
      for (int i = 0; i < photos; ++i)
        folio::test::WriteJpeg(trips / name / ("IMG_000" + std::to_string(i) + ".jpg"), 40, 30, 80,
                               static_cast<unsigned>(i));
      paths.push_back(folio::FromPath(trips / name));
    }
    host.settings().thumbnail.TopHtml = 1;
    host.settings().thumbnail.PhotoNo = 1;  // a page per photo: pumps to stop at
  }
  std::u16string Menu() const { return folio::Cp932ToUtf16(ReadBytes(trips / "Menu.html")); }
};

std::u16string Link(std::u16string_view name) {
  return u"<a target=\"main\" href = \"" + std::u16string(name) + u"/page1.html\">" +
         std::u16string(name) + u"</a><br>\r\n";
}

}  // namespace

TEST(DropBatch, ReportsEachFolderAndEndsWithTheCloseButton) {
  Batch batch({"Spring", "Summer"});
  batch.host.settings().setting.AutoClose = 0;
  batch.host.RunDrop(batch.paths);
  const std::vector<std::u16string> expected = {
      batch.paths[0] + u" (1/2)", u"    終了：サムネイルHTMLファイル作成完了",
      batch.paths[1] + u" (2/2)", u"    終了：サムネイルHTMLファイル作成完了"};
  EXPECT_EQ(batch.host.statusLines(), expected);
  EXPECT_TRUE(batch.host.messages.empty());
  EXPECT_FALSE(batch.host.batchMode());
  EXPECT_FALSE(batch.host.running());
  EXPECT_EQ(batch.host.statusButton(), u"閉じる");
  EXPECT_TRUE(batch.host.statusButtonEnabled());
  EXPECT_TRUE(batch.host.statusVisible());
  EXPECT_EQ(batch.host.folderBox(), batch.paths[1]);
  EXPECT_EQ(batch.Menu(),
            std::u16string(folio::kMenuStart) + Link(u"Spring") + Link(u"Summer") + u"</html>\r\n");

  Batch autoClose({"Autumn"});
  autoClose.host.settings().setting.AutoClose = 1;
  autoClose.host.RunDrop(autoClose.paths);
  EXPECT_FALSE(autoClose.host.statusVisible());
}

TEST(DropBatch, OneFolderWritesAMenuButNoTopPage) {
  for (int sougo : {0, 1}) {
    Batch batch({"Spring"});
    batch.host.settings().thumbnail.Sougo = sougo;
    batch.host.RunDrop(batch.paths);
    EXPECT_FALSE(fs::exists(batch.trips / "Top.html"));
    EXPECT_EQ(batch.Menu(), std::u16string(folio::kMenuStart) + Link(u"Spring") + u"</html>\r\n");
  }
}

TEST(DropBatch, NoPagesOutsideThumbnailModeOrWithRewindOnly) {
  struct Case {
    int mode, topHtml, sougo;
  };
  for (Case c : {Case{1, 1, 0}, Case{0, 0, 0}, Case{0, 1, 2}}) {
    Batch batch({"Spring", "Summer"});
    batch.host.settings().setting.CreateMode = c.mode;
    batch.host.settings().thumbnail.TopHtml = c.topHtml;
    batch.host.settings().thumbnail.Sougo = c.sougo;
    batch.host.RunDrop(batch.paths);
    EXPECT_FALSE(fs::exists(batch.trips / "Top.html")) << c.mode << c.topHtml << c.sougo;
    EXPECT_FALSE(fs::exists(batch.trips / "Menu.html")) << c.mode << c.topHtml << c.sougo;
  }
}

TEST(DropBatch, AFileGivesAnErrorLineAndNoLink) {
  Batch batch({"Summer"});
  folio::test::WriteBytes(batch.trips / "notes.txt", "x");
  const std::vector<std::u16string> paths = {folio::FromPath(batch.trips / "notes.txt"),
                                             batch.paths[0]};
  batch.host.RunDrop(paths);
  EXPECT_EQ(batch.host.statusLines()[1], u"    エラー：フォルダではありません");
  const std::u16string top = folio::Cp932ToUtf16(ReadBytes(batch.trips / "Top.html"));
  EXPECT_NE(top.find(u"src=\"notes.txt/page1.html\""), std::u16string::npos);
  EXPECT_EQ(batch.Menu(), std::u16string(folio::kMenuStart) + Link(u"Summer") + u"</html>\r\n");
}

TEST(DropBatch, TakingPathsIntoTheFolderBoxOnlyRunsNoJob) {
  Batch batch({"Spring", "Summer", "Autumn"});
  batch.host.settings().setting.NoDDtoRun = 1;
  batch.host.RunDrop(batch.paths);
  EXPECT_TRUE(batch.host.statusLines().empty());
  EXPECT_FALSE(batch.host.statusVisible());
  EXPECT_EQ(batch.host.folderBox(), batch.paths[2]);
  EXPECT_FALSE(fs::exists(batch.trips / "Spring" / "jpg"));
  EXPECT_FALSE(fs::exists(batch.trips / "Top.html"));
  EXPECT_EQ(batch.Menu(), std::u16string(folio::kMenuStart) + std::u16string(u"</html>\r\n"));
}

TEST(DropBatch, StopThroughTheStatusDialogFinishesTheFolderAndRemovesTopPage) {
  Batch batch({"Spring", "Summer", "Autumn"});
  folio::test::WriteBytes(batch.trips / "Menu.html", "older menu");
  const auto autumn = folio::test::HashTree(batch.trips / "Autumn");
  // Pump 3 is the first photo of the second folder.
  batch.host.onPump = [](folio::test::TestHost& host) {
    if (host.pumps() == 3) host.setRunning(false);
  };
  batch.host.RunDrop(batch.paths);
  EXPECT_TRUE(fs::exists(batch.trips / "Summer" / "page2.html"));    // finished
  EXPECT_EQ(folio::test::HashTree(batch.trips / "Autumn"), autumn);  // never started
  EXPECT_FALSE(fs::exists(batch.trips / "Top.html"));
  EXPECT_EQ(ReadBytes(batch.trips / "Menu.html"), "older menu");
  EXPECT_EQ(batch.host.statusButton(), u"閉じる");
  EXPECT_EQ(batch.host.folderBox(), batch.paths[1]);
}

TEST(DropBatch, AStoppedBatchNeverLosesATopPageItDidNotWrite) {
  // A frameset from an earlier batch, replaced by this one: put back.
  Batch batch({"Spring", "Summer"});
  folio::test::WriteBytes(batch.trips / "Top.html", "earlier frameset");
  batch.host.onPump = [](folio::test::TestHost& host) { host.setRunning(false); };
  batch.host.RunDrop(batch.paths);
  EXPECT_EQ(ReadBytes(batch.trips / "Top.html"), "earlier frameset");

  // One folder writes no Top.html, so a stop leaves the one it finds alone.
  Batch single({"Spring"});
  folio::test::WriteBytes(single.trips / "Top.html", "earlier frameset");
  single.host.onPump = [](folio::test::TestHost& host) { host.setRunning(false); };
  single.host.RunDrop(single.paths);
  EXPECT_EQ(ReadBytes(single.trips / "Top.html"), "earlier frameset");

  // Top pages switched off: the same.
  Batch off({"Spring", "Summer"});
  off.host.settings().thumbnail.TopHtml = 0;
  folio::test::WriteBytes(off.trips / "Top.html", "earlier frameset");
  off.host.onPump = [](folio::test::TestHost& host) { host.setRunning(false); };
  off.host.RunDrop(off.paths);
  EXPECT_EQ(ReadBytes(off.trips / "Top.html"), "earlier frameset");
}

TEST(DropBatch, CancellingOneJobSkipsItsLinkAndGoesOn) {
  Batch batch({"Spring", "Summer", "Autumn"});
  const auto summer = folio::test::HashTree(batch.trips / "Summer");
  batch.host.onPump = [](folio::test::TestHost& host) {
    if (host.pumps() == 3) host.setBusy(false);
  };
  batch.host.RunDrop(batch.paths);
  EXPECT_EQ(folio::test::HashTree(batch.trips / "Summer"), summer);  // undone
  EXPECT_TRUE(fs::exists(batch.trips / "Autumn" / "page2.html"));
  EXPECT_TRUE(fs::exists(batch.trips / "Top.html"));
  EXPECT_EQ(batch.Menu(),
            std::u16string(folio::kMenuStart) + Link(u"Spring") + Link(u"Autumn") + u"</html>\r\n");
}

TEST(DropBatch, ADropDuringAJobIsIgnored) {
  Batch batch({"Spring"});
  batch.host.setBusy(true);
  batch.host.addStatusLine(u"running");
  batch.host.RunDrop(batch.paths);
  EXPECT_EQ(batch.host.statusLines().size(), 1u);
  EXPECT_FALSE(fs::exists(batch.trips / "Spring" / "jpg"));
  EXPECT_FALSE(fs::exists(batch.trips / "Menu.html"));
}

TEST(NamesOfFolder, OwnNameParentAndParentName) {
  struct Case {
    const char16_t *path, *own, *parent, *parentName;
  };
  const Case cases[] = {
      {u"/photos/Trips/Spring", u"Spring", u"/photos/Trips", u"Trips"},
      {u"/Trips/Spring", u"Spring", u"/Trips", u"Trips"},
      {u"/Spring", u"Spring", u"", u""},
      {u"/photos/Trips/Spring/", u"Spring", u"/photos/Trips", u"Trips"},
  };
  for (const Case& c : cases) {
    const folio::FolderNames names = folio::NamesOfFolder(c.path);
    EXPECT_EQ(names.own, c.own) << folio::ToUtf8(c.path);
    EXPECT_EQ(names.parentPath, c.parent) << folio::ToUtf8(c.path);
    EXPECT_EQ(names.parentName, c.parentName) << folio::ToUtf8(c.path);
  }
  // A relative path names the folders where it really lies, never the root.
  const folio::FolderNames relative = folio::NamesOfFolder(u"Spring");
  EXPECT_EQ(relative.own, u"Spring");
  EXPECT_EQ(relative.parentPath, folio::FromPath(fs::current_path()));
}

TEST(DropBatch, TopAndMenuPagesAreTheTemplatesByteForByte) {
  Batch batch({"Spring", "Summer", "Autumn"}, 1);
  batch.host.settings().thumbnail.FrameWidth = 150;
  batch.host.RunDrop(batch.paths);
  const std::u16string top =
      u"<html>\r\n"
      u"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">\r\n"
      u"<head>\r\n<title>Trips</title>\r\n</head>\r\n\r\n"
      u"<frameset framespacing=\"0\" border=\"0\" frameborder=\"0\" cols=\"150,*\">\r\n"
      u"  <frame name=\"contents\" target=\"main\" src=\"Menu.html\" scrolling=\"auto\">\r\n"
      u"  <frame name=\"main\" src=\"Spring/page1.html\" scrolling=\"auto\" target=\"_self\">\r\n"
      u"  <noframes>\r\n  <body>\r\n\r\n"
      u"  <p>このページにはフレームが使用されていますが、お使いのブラウザではサポートされていません。</p>\r\n\r\n"
      u"  </body>\r\n  </noframes>\r\n  </frameset>\r\n</html>\r\n";
  EXPECT_EQ(ReadBytes(batch.trips / "Top.html"), folio::Utf16ToCp932(top));
  const std::u16string menu =
      u"<html>\r\n"
      u"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">\r\n"
      u"<base target=\"main\">\r\n"
      u"<a target=\"main\" href = \"Spring/page1.html\">Spring</a><br>\r\n"
      u"<a target=\"main\" href = \"Summer/page1.html\">Summer</a><br>\r\n"
      u"<a target=\"main\" href = \"Autumn/page1.html\">Autumn</a><br>\r\n"
      u"</html>\r\n";
  EXPECT_EQ(ReadBytes(batch.trips / "Menu.html"), folio::Utf16ToCp932(menu));
  // Shift_JIS, not UTF-8: "こ" is 82 B1.
  EXPECT_NE(ReadBytes(batch.trips / "Top.html").find("<p>\x82\xB1"), std::string::npos);
}
