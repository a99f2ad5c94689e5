// SPDX-License-Identifier: GPL-3.0-or-later
// The thumbnail-page job end to end on real folders: the pages, the placing
// of photos and thumbnails, cancel, the stop at an existing page and the
// rewind. Every test that moves photos proves that none was lost or changed.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "app/folder_job.h"
#include "app/test_window.h"
#include "app/thumbnail_job.h"
#include "folder/placing.h"
#include "html/thumbnail_pages.h"
#include "platform/cp932.h"
#include "platform/dir_list.h"
#include "platform/text.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using folio::test::HashesOf;
using folio::test::HashTree;
using folio::test::PhotoName;
using folio::test::ReadBytes;
using folio::test::TempDir;

namespace {

void WritePhotos(const fs::path& dir, int count) {
  for (int i = 1; i <= count; ++i)
    folio::test::WriteJpeg(dir / PhotoName(i), 48 + i, 36, 80, static_cast<unsigned>(i));
}

std::u16string Page(const fs::path& file) { return folio::Cp932ToUtf16(ReadBytes(file)); }

int Occurrences(std::u16string_view text, std::u16string_view what) {
  int n = 0;
  for (std::size_t pos = text.find(what); pos != std::u16string_view::npos;
       pos = text.find(what, pos + what.size()))
    ++n;
  return n;
}

// Every photo of `before` is still somewhere in the folder, byte-identical.
void ExpectEveryPhotoKept(const std::multiset<uint64_t>& before, const fs::path& dir) {
  const std::multiset<uint64_t> after = HashesOf(dir);
  EXPECT_TRUE(std::includes(after.begin(), after.end(), before.begin(), before.end()))
      << "a photo was lost or changed";
}

struct Job {
  TempDir dir;
  folio::test::TestWindow host;
  explicit Job(int photos) {
    WritePhotos(dir.path(), photos);
    host.setBatchMode(true);
    host.settings().setting.CreateMode = folio::kModeThumbnail;
  }
  folio::ThumbnailSettings& thumbnail() { return host.settings().thumbnail; }
  folio::Outcome Run() { return host.RunFolder(dir.u16()); }
  folio::Outcome RunPages(const std::vector<folio::ImageRecord>& records, int pageCount,
                          bool keywordPages) {
    return host.RunPages(dir.u16(), records, pageCount, keywordPages);
  }
};

}  // namespace

TEST(ThumbnailPages, TwentyFivePhotosTwelvePerPageFourPerRowThenRewind) {
  Job job(25);
  job.thumbnail().PhotoNo = 12;
  job.thumbnail().LineNo = 4;
  job.thumbnail().PhotoSize = 40;
  const auto original = HashTree(job.dir.path());
  const std::u16string title = job.host.title();
  std::vector<std::u16string> titles;  // as the pump finds them
  std::vector<int> positions;
  job.host.onPump = [&](folio::test::TestHost& host) {
    titles.push_back(host.title());
    positions.push_back(host.progressPos());
  };

  ASSERT_EQ(job.Run(), folio::Outcome::kPagesMade);
  ASSERT_EQ(titles.size(), 25u);
  EXPECT_EQ(titles[1], u"Folioscope (1/25)");
  EXPECT_EQ(titles[24], u"Folioscope (24/25)");
  EXPECT_EQ(positions[13], 13);
  EXPECT_EQ(job.host.statusLines().back(), u"    終了：サムネイルHTMLファイル作成完了");
  EXPECT_EQ(job.host.title(), title);
  EXPECT_EQ(job.host.progressHigh(), 24);
  EXPECT_FALSE(fs::exists(job.dir / "page4.html"));
  EXPECT_TRUE(folio::ListBySuffix(job.dir.path(), u".jpg").empty());  // no top-level photo left

  for (int p = 1; p <= 3; ++p) {
    const std::u16string page = Page(job.dir / ("page" + std::to_string(p) + ".html"));
    const int cells = p < 3 ? 12 : 1;
    EXPECT_EQ(Occurrences(page, u"<td ALIGN=\"CENTER\"><a href=\"jpg/"), cells) << p;
    EXPECT_EQ(Occurrences(page, u"<tr>\r\n<td"), p < 3 ? 3 : 1) << p;
    EXPECT_TRUE(page.starts_with(
        u"<HTML>\r\n"
        u"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">\r\n"
        u"<HEAD>\r\n<TITLE>" +
        std::u16string(1, u'0' + p) + u"ページ</TITLE>\r\n"));
    EXPECT_TRUE(page.ends_with(u"</table>\r\n<br>\r\n</div>\r\n</BODY>\r\n</HTML>"));
  }
  const std::u16string page1 = Page(job.dir / "page1.html");
  // Full rows only: the last cell closes its row and no extra row end follows.
  EXPECT_NE(page1.find(u"</a></td></tr>\r\n<tr><td ALIGN=\"CENTER\" colspan=4>前のページ / "
                       u"<a href=\"page2.html\">次のページ</a></td></tr><br></table>"),
            std::u16string::npos);
  EXPECT_NE(page1.find(u"<a href=\"jpg/IMG_0001.jpg\"><img src=\"thum/IMG_0001.jpg\"></a>"),
            std::u16string::npos);
  const std::u16string page2 = Page(job.dir / "page2.html");
  EXPECT_NE(
      page2.find(u"<a href=\"page1.html\">前のページ</a> / <a href=\"page3.html\">次のページ</a>"),
      std::u16string::npos);
  EXPECT_NE(page2.find(u"IMG_0013.jpg"), std::u16string::npos);
  const std::u16string page3 = Page(job.dir / "page3.html");
  EXPECT_NE(
      page3.find(u"<tr>\r\n<td ALIGN=\"CENTER\"><a href=\"jpg/IMG_0025.jpg\"><img "
                 u"src=\"thum/IMG_0025.jpg\"></a></td></tr>\r\n<tr><td ALIGN=\"CENTER\" "
                 u"colspan=4><a href=\"page2.html\">前のページ</a> / 次のページ</td></tr><br>"),
      std::u16string::npos);

  for (int i = 1; i <= 25; ++i) {
    EXPECT_EQ(folio::test::HashFile(job.dir / "jpg" / PhotoName(i)), original.at(PhotoName(i)));
    const auto [w, h] = folio::test::JpegSize(job.dir / "thum" / PhotoName(i));
    EXPECT_EQ(w, 40) << i;
    EXPECT_LE(h, 40) << i;
  }

  // Dropping the processed folder again gives back exactly the original files.
  job.host.clearStatusLog();
  EXPECT_EQ(job.Run(), folio::Outcome::kRewound);
  EXPECT_EQ(job.host.statusLines().back(), u"    終了：サムネイルHTMLの巻き戻しが行われました");
  EXPECT_EQ(HashTree(job.dir.path()), original);
  EXPECT_FALSE(fs::exists(job.dir / "jpg"));
  EXPECT_FALSE(fs::exists(job.dir / "thum"));
}

TEST(ThumbnailPages, CancelAtAnyImageLeavesTheFolderAsItWas) {
  for (int cancelAt : {1, 10, 11, 17, 25}) {
    Job job(25);
    job.thumbnail().PhotoNo = 10;
    const auto original = HashTree(job.dir.path());
    job.host.onPump = [cancelAt](folio::test::TestHost& host) {
      if (host.pumps() == cancelAt) host.setBusy(false);
    };
    EXPECT_EQ(job.Run(), folio::Outcome::kCancelled) << cancelAt;
    EXPECT_EQ(job.host.statusLines().back(), u"    キャンセル：処理がキャンセルされました");
    EXPECT_EQ(HashTree(job.dir.path()), original) << "cancel at image " << cancelAt;
    EXPECT_FALSE(fs::exists(job.dir / "jpg"));
    EXPECT_FALSE(fs::exists(job.dir / "thum"));
    EXPECT_EQ(job.host.title(), u"Folioscope Ver3.75");
  }
}

TEST(ThumbnailPages, StopsAtAPageFileThatAlreadyExists) {
  Job job(25);
  const auto photos = HashesOf(job.dir.path());
  folio::test::WriteBytes(job.dir / "page2.html", "left over");
  EXPECT_EQ(job.Run(), folio::Outcome::kPageExists);
  EXPECT_EQ(job.host.statusLines().back(), u"    エラー：HTMLファイルがすでに存在します");
  EXPECT_TRUE(fs::exists(job.dir / "page1.html"));
  EXPECT_EQ(ReadBytes(job.dir / "page2.html"), "left over");
  EXPECT_FALSE(fs::exists(job.dir / "page3.html"));
  // The photos of pages 1 and 2 stay in jpg, the others at the top level.
  EXPECT_TRUE(fs::exists(job.dir / "jpg" / PhotoName(20)));
  EXPECT_TRUE(fs::exists(job.dir / PhotoName(21)));
  ExpectEveryPhotoKept(photos, job.dir.path());

  job.host.setBatchMode(false);
  fs::remove(job.dir / "page1.html");
  fs::remove(job.dir / "page2.html");
  folio::test::WriteBytes(job.dir / "page1.html", "mine");
  EXPECT_EQ(job.Run(), folio::Outcome::kPageExists);
  ASSERT_FALSE(job.host.messages.empty());
  EXPECT_EQ(job.host.messages.back().text, u"ファイルがすでに存在します");
  EXPECT_EQ(job.host.messages.back().caption, u"エラー");
  EXPECT_EQ(job.host.messages.back().icon, folio::MessageIcon::Exclamation);
  ExpectEveryPhotoKept(photos, job.dir.path());
}

TEST(ThumbnailPages, AMoveOntoAnExistingFileInJpgKeepsBothFiles) {
  Job job(3);
  fs::create_directory(job.dir / "jpg");
  folio::test::WriteJpeg(job.dir / "jpg" / PhotoName(2), 30, 20, 80, 99);  // another photo
  const auto original = HashTree(job.dir.path());

  ASSERT_EQ(job.Run(), folio::Outcome::kPagesMade);
  EXPECT_EQ(folio::test::HashFile(job.dir / PhotoName(2)), original.at(PhotoName(2)));
  EXPECT_EQ(folio::test::HashFile(job.dir / "jpg" / PhotoName(2)),
            original.at("jpg/" + PhotoName(2)));
  EXPECT_EQ(folio::test::HashFile(job.dir / "jpg" / PhotoName(1)), original.at(PhotoName(1)));

  // A cancel in such a folder puts back what the job moved, and only that.
  Job cancel(3);
  fs::create_directory(cancel.dir / "jpg");
  folio::test::WriteJpeg(cancel.dir / "jpg" / PhotoName(2), 30, 20, 80, 99);
  const auto before = HashTree(cancel.dir.path());
  cancel.host.onPump = [](folio::test::TestHost& host) {
    if (host.pumps() == 3) host.setBusy(false);
  };
  EXPECT_EQ(cancel.Run(), folio::Outcome::kCancelled);
  EXPECT_EQ(HashTree(cancel.dir.path()), before);
}

TEST(RewindFolder, NeverReplacesAPhotoAtTheTopLevel) {
  Job job(4);
  ASSERT_EQ(job.Run(), folio::Outcome::kPagesMade);
  // A photo of the same name has since appeared at the top level.
  folio::test::WriteJpeg(job.dir / PhotoName(3), 20, 20, 80, 77);
  const auto photos = HashesOf(job.dir.path() / "jpg");
  const uint64_t newcomer = folio::test::HashFile(job.dir / PhotoName(3));
  folio::RewindFolder(job.dir.u16());
  EXPECT_EQ(folio::test::HashFile(job.dir / PhotoName(3)), newcomer);
  EXPECT_TRUE(fs::exists(job.dir / "jpg" / PhotoName(3)));  // kept, so jpg stays
  ExpectEveryPhotoKept(photos, job.dir.path());
  // Its thumbnail stays with it; the others went with their photos.
  EXPECT_TRUE(fs::exists(job.dir / "thum" / PhotoName(3)));
  EXPECT_EQ(std::distance(fs::directory_iterator(job.dir / "thum"), fs::directory_iterator()), 1);
  EXPECT_FALSE(fs::exists(job.dir / "page1.html"));
}

// The rewind takes away the numbered pages and nothing else of the folder:
// other pages (the slideshow's, the user's) stay.
TEST(RewindFolder, RemovesOnlyTheNumberedPagesAndKeepsOtherFiles) {
  Job job(2);
  job.thumbnail().NotResize = 1;
  ASSERT_EQ(job.Run(), folio::Outcome::kPagesMade);
  EXPECT_FALSE(fs::exists(job.dir / "thum"));
  for (const char* page : {"slideshow.html", "notes.html", "page0.html", "page01.html",
                           "page2x.html", "Page1.html", "page.html"})
    folio::test::WriteBytes(job.dir / page, "x");
  folio::test::WriteBytes(job.dir / "thum.css", "css");
  fs::create_directory(job.dir / "slideshow");
  fs::create_directory(job.dir / "folder.html");  // a folder is not a file to delete
  EXPECT_TRUE(folio::IsProcessedFolder(job.dir.u16()));
  folio::RewindFolder(job.dir.u16());
  for (const char* page : {"slideshow.html", "notes.html", "page0.html", "page01.html",
                           "page2x.html", "Page1.html", "page.html"})
    EXPECT_EQ(folio::test::ReadBytes(job.dir / page), "x") << page;
  EXPECT_FALSE(fs::exists(job.dir / "page1.html"));
  EXPECT_TRUE(fs::exists(job.dir / "thum.css"));
  EXPECT_TRUE(fs::is_directory(job.dir / "slideshow"));
  EXPECT_TRUE(fs::is_directory(job.dir / "folder.html"));
  EXPECT_FALSE(fs::exists(job.dir / "jpg"));
  EXPECT_TRUE(fs::exists(job.dir / PhotoName(1)));
  EXPECT_FALSE(folio::IsProcessedFolder(job.dir.u16()));

  // A stray file in thum keeps it.
  Job other(1);
  ASSERT_EQ(other.Run(), folio::Outcome::kPagesMade);
  folio::test::WriteBytes(other.dir / "thum" / "notes.txt", "x");
  folio::RewindFolder(other.dir.u16());
  EXPECT_TRUE(fs::exists(other.dir / "thum" / "notes.txt"));
  EXPECT_FALSE(fs::exists(other.dir / "thum" / PhotoName(1)));
  EXPECT_FALSE(fs::exists(other.dir / "jpg"));
}

TEST(ThumbnailPages, CellContentByNotResizeAndEnbLink) {
  struct Case {
    int notResize, enbLink;
    const char16_t* cell;
  };
  const Case cases[] = {
      {0, 0,
       u"<td ALIGN=\"CENTER\"><a href=\"jpg/IMG_0001.jpg\"><img src=\"thum/IMG_0001.jpg\"></a><br>1</td>"},
      {0, 1, u"<td ALIGN=\"CENTER\"><img src=\"thum/IMG_0001.jpg\"><br>1</td>"},
      {1, 0, u"<td ALIGN=\"CENTER\"><a href=\"jpg/IMG_0001.jpg\">IMG_0001.jpg</a><br>1</td>"},
      {1, 1, u"<td ALIGN=\"CENTER\"><br>1</td>"},
  };
  for (const Case& c : cases) {
    Job job(2);
    job.thumbnail().NotResize = c.notResize;
    job.thumbnail().EnbLink = c.enbLink;
    job.thumbnail().Exif = u"%n";
    job.thumbnail().LineNo = 1;
    ASSERT_EQ(job.Run(), folio::Outcome::kPagesMade);
    const std::u16string page = Page(job.dir / "page1.html");
    EXPECT_NE(page.find(u"<tr>\r\n" + std::u16string(c.cell) + u"</tr>\r\n<tr>\r\n"),
              std::u16string::npos)
        << c.notResize << c.enbLink;
    // One page only: both neighbours are plain text.
    EXPECT_NE(page.find(u"colspan=1>前のページ / 次のページ</td></tr><br>"), std::u16string::npos);
    EXPECT_EQ(fs::exists(job.dir / "thum" / PhotoName(1)), c.notResize == 0);
  }
}

TEST(ThumbnailPages, TitleTopTextAndIncompleteThirdRow) {
  Job job(20);
  job.thumbnail().PhotoNo = 10;
  job.thumbnail().LineNo = 4;
  job.thumbnail().TitleString = u"旅行 %n";
  job.thumbnail().TopString = u"上\r\n%n";
  job.thumbnail().Exif = u"No.%n";
  ASSERT_EQ(job.Run(), folio::Outcome::kPagesMade);
  const std::u16string page2 = Page(job.dir / "page2.html");
  EXPECT_TRUE(page2.starts_with(
      u"<HTML>\r\n"
      u"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">\r\n"
      u"<HEAD>\r\n<TITLE>旅行 2</TITLE>\r\n<link rel=\"stylesheet\" type=\"text/css\" "
      u"href=\"thum.css\">\r\n</HEAD>\r\n<BODY>\r\n<div class=\"top\">\r\n上<br>2<br><br>\r\n"
      u"</div>\r\n<div class=\"link\">\r\n"));
  EXPECT_NE(page2.find(u"No.11</td>"), std::u16string::npos);
  // The third row holds two cells and is closed after the last one.
  EXPECT_NE(page2.find(u"No.20</td></tr>\r\n<tr><td ALIGN=\"CENTER\" colspan=4>"),
            std::u16string::npos);
  EXPECT_EQ(Occurrences(page2, u"</tr>\r\n"), 3);
}

TEST(ThumbnailPages, KeywordPagesOnePagePerIsoValue) {
  Job job(7);
  job.thumbnail().PhotoNo = 2;  // plays no part with keyword pages
  job.thumbnail().SortPage = 1;
  job.thumbnail().LinkNo = 10;
  const auto photos = HashesOf(job.dir.path());
  // Records as the catalogue leaves them for "ISO感度": sorted and grouped.
  const uint16_t iso[] = {0, 100, 100, 100, 400, 400, 1600};
  const int group[] = {1, 2, 2, 2, 3, 3, 4};
  std::vector<folio::ImageRecord> records(7);
  for (int i = 0; i < 7; ++i) {
    folio::SetField(records[i].fileName, folio::FromUtf8(PhotoName(i + 1)));
    folio::SetField(records[i].sortKeyword, u"ISO感度");
    records[i].isoSpeed = iso[i];
    records[i].groupNumber = group[i];
  }
  fs::create_directory(job.dir / "thum");
  fs::create_directory(job.dir / "jpg");
  job.host.setBusy(true);
  ASSERT_EQ(job.RunPages(records, 4, true), folio::Outcome::kPagesMade);
  EXPECT_FALSE(fs::exists(job.dir / "page5.html"));
  const std::u16string links =
      u"<div class=\"link\">\r\n1：ISO感度不明　<a href=\"page2.html\">2：ISO100</a>　"
      u"<a href=\"page3.html\">3：ISO400</a>　<a href=\"page4.html\">4：ISO1600</a>　<br>\r\n</div>";
  const std::u16string page1 = Page(job.dir / "page1.html");
  EXPECT_NE(page1.find(links), std::u16string::npos);
  const int perPage[] = {1, 3, 2, 1};
  for (int p = 1; p <= 4; ++p)
    EXPECT_EQ(Occurrences(Page(job.dir / ("page" + std::to_string(p) + ".html")), u"<img src"),
              perPage[p - 1])
        << p;
  EXPECT_NE(Page(job.dir / "page2.html").find(u"jpg/IMG_0004.jpg"), std::u16string::npos);
  ExpectEveryPhotoKept(photos, job.dir.path() / "jpg");
}

// Through the driver and the catalogue: Exif written into real files.
TEST(ThumbnailPages, KeywordPagesByIsoFromRealExif) {
  TempDir dir;
  const uint16_t iso[] = {400, 100, 1600, 100, 400, 100};
  for (int i = 0; i < 6; ++i) {
    folio::test::ExifFields exif;
    exif.iso = iso[i];
    exif.exposureTime = {{1, 125}};
    folio::test::WriteJpegWithExif(dir / PhotoName(i + 1), 40, 30, exif, 80,
                                   static_cast<unsigned>(i));
  }
  folio::test::WriteJpeg(dir / "IMG_0007.jpg", 40, 30);  // no Exif: no ISO value
  const auto original = HashTree(dir.path());
  folio::test::TestWindow host;
  host.setBatchMode(true);
  host.settings().setting.Sort = u"ISO感度";
  host.settings().thumbnail.SortPage = 1;
  host.settings().thumbnail.PhotoNo = 10;
  host.settings().thumbnail.Exif = u"ISO%i %s秒 %j\r\n%S";
  const auto run = [&] { return host.RunFolder(dir.u16()); };
  ASSERT_EQ(run(), folio::Outcome::kPagesMade);

  EXPECT_FALSE(fs::exists(dir / "page5.html"));
  const std::u16string page1 = Page(dir / "page1.html");
  EXPECT_NE(
      page1.find(u"1：ISO感度不明　<a href=\"page2.html\">2：ISO100</a>　"
                 u"<a href=\"page3.html\">3：ISO400</a>　<a href=\"page4.html\">4：ISO1600</a>"),
      std::u16string::npos);
  EXPECT_EQ(Occurrences(page1, u"<img src"), 1);
  const std::u16string page2 = Page(dir / "page2.html");
  EXPECT_EQ(Occurrences(page2, u"<img src"), 3);
  EXPECT_EQ(Occurrences(page2, u"ISO100 1/125秒 IMG_000"), 3);
  // The folder statistics: six photos at 1/125.
  EXPECT_NE(page2.find(u"シャッタースピード 1/125sec 6枚<br>"), std::u16string::npos);
  EXPECT_EQ(Occurrences(Page(dir / "page3.html"), u"<img src"), 2);
  EXPECT_NE(Page(dir / "page4.html").find(u"ISO1600 1/125秒 IMG_0003.jpg"), std::u16string::npos);

  EXPECT_EQ(run(), folio::Outcome::kRewound);
  EXPECT_EQ(HashTree(dir.path()), original);
}

TEST(ThumbnailPages, KeywordsWithoutGroupsPaginateByPhotoNo) {
  for (const char16_t* keyword : {u"ファイル名", u"ランダム"}) {
    Job job(5);
    job.host.settings().setting.Sort = keyword;
    job.thumbnail().SortPage = 1;
    job.thumbnail().PhotoNo = 2;
    ASSERT_EQ(job.Run(), folio::Outcome::kPagesMade);
    EXPECT_TRUE(fs::exists(job.dir / "page3.html"));
    EXPECT_FALSE(fs::exists(job.dir / "page4.html"));
    EXPECT_NE(
        Page(job.dir / "page2.html")
            .find(
                u"<a href=\"page1.html\">1ページ</a>　2ページ　<a href=\"page3.html\">3ページ</a>"),
        std::u16string::npos);
  }
}

// The success report, and its longer form when an image's lens or white
// balance could not be read from its maker note.
TEST(ThumbnailPages, SuccessReportNamesMakerNoteFailures) {
  struct Case {
    int failStage;
    bool batch;
    const char16_t* text;
  };
  const Case cases[] = {
      {0, true, u"    終了：サムネイルHTMLファイル作成完了"},
      {0, false, u"サムネイルHTMLファイル作成完了"},
      {2, true,
       u"    終了：サムネイルHTMLファイル作成完了。レンズ名、ホワイトバランスを正しく取得できなかった"
       u"画像があります。"},
      {2, false,
       u"サムネイルHTMLファイル作成完了。\r\nレンズ名、ホワイトバランスを正しく\r\n"
       u"取得できなかった画像があります。"},
  };
  for (const Case& c : cases) {
    Job job(3);
    job.host.setBatchMode(c.batch);
    std::vector<folio::ImageRecord> records(3);
    for (int i = 0; i < 3; ++i)
      folio::SetField(records[i].fileName, folio::FromUtf8(PhotoName(i + 1)));
    records[2].makerNoteFailStage = c.failStage;  // the last image of the last page
    fs::create_directory(job.dir / "thum");
    fs::create_directory(job.dir / "jpg");
    job.host.setBusy(true);
    ASSERT_EQ(job.RunPages(records, 1, false),
              c.failStage ? folio::Outcome::kPagesMadeLensUnread : folio::Outcome::kPagesMade);
    if (c.batch) {
      ASSERT_EQ(job.host.statusLines().size(), 1u);
      EXPECT_EQ(job.host.statusLines()[0], c.text);
      EXPECT_TRUE(job.host.messages.empty());
    } else {
      ASSERT_EQ(job.host.messages.size(), 1u);
      EXPECT_EQ(job.host.messages[0].text, c.text);
      EXPECT_EQ(job.host.messages[0].caption, u"成功");
      EXPECT_EQ(job.host.messages[0].icon, folio::MessageIcon::None);
      EXPECT_TRUE(job.host.statusLines().empty());
    }
  }
}
