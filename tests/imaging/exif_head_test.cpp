// SPDX-License-Identifier: GPL-3.0-or-later
// The Exif items of a photo file are read from the segments before its
// first scan only: they must be exactly the items the whole file gives, for
// camera photos and for files laid out oddly.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "imaging/exif_items.h"
#include "imaging/image_ops.h"
#include "platform/dir_list.h"
#include "platform/text.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using folio::test::ReadBytes;
using folio::test::TempDir;
using folio::test::WriteBytes;

namespace {

void ExpectSameItemsAsWholeFile(const fs::path& path) {
  const std::vector<folio::PropertyItem> head = folio::exif::ReadPhotoItems(path);
  const std::vector<folio::PropertyItem> whole = folio::Photo::Load(path).Properties();
  ASSERT_EQ(head.size(), whole.size()) << path;
  for (std::size_t i = 0; i < head.size(); ++i) {
    EXPECT_EQ(head[i].id, whole[i].id) << path << " item " << i;
    EXPECT_EQ(head[i].type, whole[i].type) << path << " item " << i;
    EXPECT_EQ(head[i].ifd, whole[i].ifd) << path << " item " << i;
    EXPECT_EQ(head[i].value, whole[i].value) << path << " item " << i;
  }
}

}  // namespace

TEST(ExifHead, CameraPhotosGiveTheItemsOfTheWholeFile) {
  const fs::path shared = folio::test::SharedPhotosDir();
  if (shared.empty()) GTEST_SKIP() << "no shared sample photos";
  int withItems = 0;
  for (const std::u16string& name : folio::ListBySuffix(shared, u".jpg")) {
    const fs::path path = shared / folio::ToPath(name);
    ExpectSameItemsAsWholeFile(path);
    if (!folio::exif::ReadPhotoItems(path).empty()) ++withItems;
  }
  EXPECT_GE(withItems, 15);
}

TEST(ExifHead, OddLayoutsGiveTheItemsOfTheWholeFile) {
  const fs::path shared = folio::test::SharedPhotosDir();
  if (shared.empty()) GTEST_SKIP() << "no shared sample photos";
  const std::string photo = ReadBytes(shared / "canon-eos1000d.jpg");
  TempDir dir;
  struct Case {
    const char* name;
    std::string bytes;
  };
  const Case cases[] = {
      {"cut inside the Exif segment", photo.substr(0, 3000)},
      {"cut just after the scan header", photo.substr(0, photo.find("\xFF\xDA") + 20)},
      {"fill bytes before a marker", photo.substr(0, 2) + "\xFF\xFF" + photo.substr(2)},
      {"garbage between segments",
       photo.substr(0, 2) + "xyz" + photo.substr(2)},
      {"no start of image", photo.substr(2)},
      {"empty", ""},
  };
  for (const Case& c : cases) {
    const fs::path path = dir / (std::string(c.name) + ".jpg");
    WriteBytes(path, c.bytes);
    SCOPED_TRACE(c.name);
    ExpectSameItemsAsWholeFile(path);
  }
}

TEST(ExifHead, FuzzCorpusGivesTheItemsOfTheWholeFile) {
  const fs::path corpus = fs::path(FOLIO_SOURCE_DIR) / "tests/fuzz/corpus/exif_file";
  for (const auto& entry : fs::directory_iterator(corpus)) ExpectSameItemsAsWholeFile(entry.path());
}
