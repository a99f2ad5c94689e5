// SPDX-License-Identifier: GPL-3.0-or-later
// The photos a job takes from a folder, on real folders: which entries count,
// their order, and the page count the catalogue makes of them.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "folder/photo_listing.h"
#include "platform/random_generator.h"
#include "platform/text.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using folio::test::TempDir;

TEST(ListJpegFiles, PageCountRoundsUp) {
  struct Case {
    int files, perPage, pages;
  };
  for (Case c : {Case{10, 10, 1}, Case{11, 10, 2}, Case{20, 10, 2}, Case{25, 10, 3},
                 Case{25, 12, 3}, Case{1, 10, 1}}) {
    TempDir dir;
    folio::test::WritePhotoFolder(dir, c.files);
    const std::vector<std::u16string> names = folio::ListJpegFiles(dir.u16());
    EXPECT_EQ(static_cast<int>(names.size()), c.files);
    folio::CatalogueOptions options;
    options.photosPerPage = c.perPage;
    folio::RandomGenerator random;
    EXPECT_EQ(folio::BuildCatalogue(names, dir.u16(), options, random).pageCount, c.pages)
        << c.files << " files, " << c.perPage;
  }
}

// Only regular files, and links to them, are photos: a folder, a FIFO, a
// device or a dangling link of a photo's name is left out (and never opened).
TEST(ListJpegFiles, MatchesAnyCaseRegularFilesAndLinksToThemSortedByName) {
  TempDir dir;
  folio::test::WriteJpeg(dir / "b.JPG", 8, 8);
  folio::test::WriteJpeg(dir / "a.jpg", 8, 8);
  folio::test::WriteJpeg(dir / "c.jpeg", 8, 8);  // not "*.jpg"
  fs::create_directory(dir / "album.jpg");
  folio::test::WriteBytes(dir / "notes.txt", "x");
  fs::create_symlink(dir / "a.jpg", dir / "link.jpg");
  fs::create_symlink(dir / "missing", dir / "dangling.jpg");
  fs::create_symlink("/dev/null", dir / "null.jpg");
  ASSERT_EQ(::mkfifo((dir / "fifo.jpg").c_str(), 0644), 0);
  EXPECT_EQ(folio::ListJpegFiles(dir.u16()),
            (std::vector<std::u16string>{u"a.jpg", u"b.JPG", u"link.jpg"}));
}

// A dropped file stands for its folder only when the folder's listing would
// take it as a photo.
TEST(FolderOfPhoto, OnlyWhatTheListingTakesStandsForItsFolder) {
  TempDir dir;
  const fs::path root = dir.path();
  folio::test::WritePhotoFolder(root, 1);
  const std::u16string photo = folio::FromPath(root / folio::test::PhotoName(1));
  fs::create_directory(root / "album.jpg");  // a folder with a photo's name
  { std::ofstream(root / "notes.txt") << "text"; }
  { std::ofstream(root / "PHOTO.JPG") << "any bytes: the job judges them"; }
  fs::create_symlink(root / "PHOTO.JPG", root / "link.jpg");
  fs::create_symlink(root / "missing.jpg", root / "dangling.jpg");

  const std::u16string folder = folio::FromPath(root);
  struct Case {
    std::u16string path;
    bool photo;
  };
  const Case cases[] = {
      {photo, true},
      {folder + u"/PHOTO.JPG", true},
      {folder + u"/link.jpg", true},
      {folder + u"/album.jpg", false},
      {folder + u"/notes.txt", false},
      {folder + u"/dangling.jpg", false},
      {folder + u"/absent.jpg", false},
      {folder, false},
      {u"IMG_1.jpg", false},  // no folder in it
  };
  for (const Case& c : cases) {
    const std::optional<std::u16string> got = folio::FolderOfPhoto(c.path);
    EXPECT_EQ(got.has_value(), c.photo) << folio::ToUtf8(c.path);
    if (c.photo && got) EXPECT_EQ(*got, folder);
  }
}
