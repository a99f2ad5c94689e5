// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/slideshow_job.h"
#include "app/job_options.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/test_window.h"
#include "html/slideshow_page.h"
#include "imaging/scaled_copy.h"
#include "platform/text.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using folio::test::JpegSize;
using folio::test::ReadBytes;
using folio::test::TempDir;
using folio::test::WriteJpeg;

namespace folio {
namespace {

std::string Golden(const char* name) {
  return ReadBytes(fs::path(FOLIO_SOURCE_DIR) / "tests/html/golden" / name);
}

// A folder with these photos and records in display order.
struct SlideFolder {
  TempDir dir;
  std::vector<ImageRecord> records;
  test::TestWindow host;

  SlideFolder(std::initializer_list<const char*> names, int width = 800, int height = 600) {
    fs::create_directory(dir / "slideshow");
    unsigned seed = 1;
    for (const char* name : names) {
      WriteJpeg(dir / name, width, height, 90, seed++);
      ImageRecord record;
      SetField(record.fileName, FromUtf8(name));
      records.push_back(record);
    }
    host.setBusy(true);
  }
  void Run() {
    host.Report(
        RunSlideshowJob(host, folio::SlideshowJobOptionsOf(host.settings()), dir.u16(), records));
  }
};

TEST(SlideshowPage, MatchesGoldenPageAndMakesSlides) {
  SlideFolder folder({"a.jpg", "b c&d.jpg", "夏.jpg"});
  folder.host.settings().slideShow.Speed = 2000;
  folder.host.settings().slideShow.Size = 640;
  // Two lines; "%n" is not a template command here and stays as written.
  folder.host.settings().slideShow.TopString = u"夏の旅\r\n2010 %n";
  const std::u16string title = folder.host.title();

  folder.Run();
  EXPECT_EQ(ReadBytes(folder.dir / "slideshow.html"), Golden("slideshow.html"));
  for (const char* name : {"a.jpg", "b c&d.jpg", "夏.jpg"})
    EXPECT_EQ(JpegSize(folder.dir / "slideshow" / name), std::make_pair(640, 480)) << name;
  EXPECT_TRUE(fs::exists(folder.dir / "a.jpg"));  // the photos stay where they are
  ASSERT_EQ(folder.host.messages.size(), 1u);
  EXPECT_EQ(folder.host.messages[0].text, u"スライドショーHTMLファイル作成完了");
  EXPECT_EQ(folder.host.messages[0].caption, u"成功");
  EXPECT_EQ(folder.host.messages[0].icon, MessageIcon::None);
  EXPECT_EQ(folder.host.title(), title);
  EXPECT_EQ(folder.host.progressPos(), 3);
  EXPECT_EQ(folder.host.pumps(), 3);

  // A second run replaces the page and the slides without complaint.
  folder.host.setBatchMode(true);
  folder.Run();
  EXPECT_EQ(ReadBytes(folder.dir / "slideshow.html"), Golden("slideshow.html"));
  ASSERT_EQ(folder.host.statusLines().size(), 1u);
  EXPECT_EQ(folder.host.statusLines()[0], u"    終了：スライドショーHTMLファイル作成完了");
}

TEST(SlideshowPage, OneImageWithoutTopText) {
  SlideFolder folder({"only.jpg"}, 300, 200);
  folder.host.settings().slideShow.Speed = 1500;
  folder.host.settings().slideShow.TopString.clear();
  folder.Run();
  EXPECT_EQ(ReadBytes(folder.dir / "slideshow.html"), Golden("slideshow_one.html"));
  // Small enough already: copied byte for byte.
  EXPECT_EQ(ReadBytes(folder.dir / "slideshow" / "only.jpg"), ReadBytes(folder.dir / "only.jpg"));
}

TEST(SlideshowPage, CancelWritesNoPageAndKeepsSlidesMadeSoFar) {
  SlideFolder folder({"1.jpg", "2.jpg", "3.jpg"});
  folder.host.setBatchMode(false);  // the cancel line goes to the log regardless
  folder.host.onPump = [](folio::test::TestHost& host) {
    if (host.pumps() == 2) host.setBusy(false);
  };
  const std::u16string title = folder.host.title();
  folder.Run();
  EXPECT_FALSE(fs::exists(folder.dir / "slideshow.html"));
  EXPECT_TRUE(fs::exists(folder.dir / "slideshow" / "1.jpg"));
  EXPECT_TRUE(fs::exists(folder.dir / "slideshow" / "2.jpg"));
  EXPECT_FALSE(fs::exists(folder.dir / "slideshow" / "3.jpg"));
  EXPECT_TRUE(folder.host.messages.empty());
  ASSERT_EQ(folder.host.statusLines().size(), 1u);
  EXPECT_EQ(folder.host.statusLines()[0], u"    キャンセル：処理がキャンセルされました");
  EXPECT_EQ(folder.host.title(), title);
}

TEST(SlideshowPage, WithoutEncoderThePageStillListsEveryImage) {
  SlideFolder folder({"1.jpg", "2.jpg"});
  SetJpegEncoderMissingForTesting(true);
  folder.Run();
  SetJpegEncoderMissingForTesting(false);
  const std::string page = ReadBytes(folder.dir / "slideshow.html");
  EXPECT_NE(page.find("\timg[1] = \"slideshow/2.jpg\";\r\n"), std::string::npos);
  EXPECT_TRUE(fs::is_empty(folder.dir / "slideshow"));
}

TEST(SlideshowPage, UnwritablePageIsReportedAsError) {
  SlideFolder folder({"1.jpg"});
  fs::create_directory(folder.dir / "slideshow.html");  // a folder stands in the page's way
  folder.host.setBatchMode(true);
  folder.Run();
  ASSERT_EQ(folder.host.statusLines().size(), 1u);
  EXPECT_EQ(folder.host.statusLines()[0], u"    エラー：HTMLファイルを書き込めませんでした");
}

}  // namespace
}  // namespace folio
