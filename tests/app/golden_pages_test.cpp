// SPDX-License-Identifier: GPL-3.0-or-later
// Pages compared byte for byte with reviewed copies: CP932, CR LF exactly as
// the templates give them, nothing after the closing tag.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "app/drop_batch.h"
#include "app/folder_job.h"
#include "app/job_options.h"
#include "app/test_window.h"
#include "app/thumbnail_job.h"
#include "catalogue/exif_tallies.h"
#include "html/thumbnail_pages.h"
#include "platform/cp932.h"
#include "platform/text.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using folio::test::ReadBytes;
using folio::test::TempDir;

namespace {

// FOLIO_WRITE_GOLDEN=1 rewrites the reviewed copy (then review the diff).
void ExpectGolden(const fs::path& actualFile, const std::string& name) {
  const fs::path golden = fs::path(FOLIO_SOURCE_DIR) / "tests/html/golden" / name;
  const std::string actual = ReadBytes(actualFile);
  if (const char* write = std::getenv("FOLIO_WRITE_GOLDEN"); write && *write == '1')
    folio::test::WriteBytes(golden, actual);
  EXPECT_EQ(actual, ReadBytes(golden)) << name << " differs from its reviewed copy";
}

}  // namespace

TEST(GoldenPages, ThumbnailPageOne) {
  TempDir dir;
  // 🌸 has no CP932 form: it reaches the page as a character reference.
  const char* names[] = {"花🌸.jpg", "IMG_0001.jpg", "b&w.jpg", "IMG_0002.jpg"};
  for (unsigned i = 0; i < 4; ++i) folio::test::WriteJpeg(dir / names[i], 64, 48, 80, i);
  fs::create_directory(dir / "thum");
  fs::create_directory(dir / "jpg");

  std::vector<folio::ImageRecord> records(4);
  for (int i = 0; i < 4; ++i) {
    folio::SetField(records[i].fileName, folio::FromUtf8(names[i]));
    folio::SetField(records[i].model, u"EOS 7D");
  }
  records[0].exposureTime = {1, 125};
  records[0].fNumber = {28, 10};
  records[1].exposureTime = {13, 10};
  records[1].fNumber = {8, 1};
  folio::Catalogue catalogue;
  catalogue.records = records;
  catalogue.tallies.CountShutter(1, 125);
  catalogue.tallies.CountShutter(13, 10);
  catalogue.pageCount = 2;

  folio::test::TestWindow host;
  host.setBusy(true);
  // The reviewed copies are the classic pages, which ClassicPages keeps.
  host.settings().setting.ClassicPages = 1;
  folio::ThumbnailSettings& s = host.settings().thumbnail;
  s.PhotoNo = 3;
  s.LineNo = 2;
  s.LinkNo = 4;
  s.PhotoSize = 32;
  s.TitleString = u"旅行 %n";
  s.TopString = u"%c で撮影\r\n%S";
  s.Exif = u"シャッタースピード：%s秒\r\nF値：%f\r\n%j";
  // The builder alone gives the page's text, without folders or a host.
  const folio::ThumbnailPageOptions options = folio::ThumbnailPageOptionsOf(host.settings());
  const std::vector<folio::PageRange> pages =
      folio::PlanThumbnailPages(options, catalogue.records, 2, false);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(folio::Utf16ToCp932(folio::ThumbnailPageText(options, catalogue.records,
                                                         catalogue.tallies, 1, 2, pages[0])),
            ReadBytes(fs::path(FOLIO_SOURCE_DIR) / "tests/html/golden/page1.html"));

  ASSERT_EQ(folio::RunThumbnailJob(host, options, dir.u16(), catalogue),
            folio::Outcome::kPagesMade);
  ExpectGolden(dir / "page1.html", "page1.html");
  // Classic pages come without a default stylesheet or 2x renditions.
  EXPECT_FALSE(fs::exists(fs::symlink_status(dir / "thum.css")));
  EXPECT_FALSE(fs::exists(fs::symlink_status(dir / "thum" / "2x")));
}

TEST(GoldenPages, TopAndMenuOfAThreeFolderBatch) {
  TempDir root;
  const fs::path trips = root / "Trips";
  std::vector<std::u16string> paths;
  for (const char* name : {"Spring", "Summer", "Autumn"}) {
    fs::create_directories(trips / name);
    folio::test::WriteJpeg(trips / name / "IMG_0001.jpg", 40, 30);
    paths.push_back(folio::FromPath(trips / name));
  }
  folio::test::TestWindow host;
  host.settings().setting.ClassicPages = 1;
  host.settings().thumbnail.TopHtml = 1;
  host.settings().thumbnail.FrameWidth = 150;
  host.RunDrop(paths);
  ExpectGolden(trips / "Top.html", "Top.html");
  ExpectGolden(trips / "Menu.html", "Menu.html");
  EXPECT_TRUE(fs::exists(trips / "Autumn" / "page1.html"));
}
