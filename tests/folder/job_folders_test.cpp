// SPDX-License-Identifier: GPL-3.0-or-later
// The job's own sub-folders must be real folders, and one run holds a folder
// at a time: the checks made before a job touches anything.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "folder/folder_layout.h"
#include "folder/folder_lock.h"
#include "folder/job_folders.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using folio::test::TempDir;

TEST(FirstFakeSubFolder, OnlyARealFolderOrNothingIsAccepted) {
  enum class Entry { kNone, kFolder, kFile, kLinkToFolder, kDanglingLink };
  struct Case {
    Entry thum, jpg;
    std::u16string_view fake;
  };
  const Case cases[] = {
      {Entry::kNone, Entry::kNone, u""},
      {Entry::kFolder, Entry::kFolder, u""},
      {Entry::kFile, Entry::kFolder, u"thum"},
      {Entry::kFolder, Entry::kLinkToFolder, u"jpg"},
      {Entry::kNone, Entry::kDanglingLink, u"jpg"},
      {Entry::kLinkToFolder, Entry::kFile, u"thum"},  // the first one named
  };
  for (const Case& c : cases) {
    TempDir dir;
    TempDir elsewhere;
    const auto make = [&](Entry entry, std::u16string_view name) {
      const fs::path path = dir / std::string(name.begin(), name.end());
      switch (entry) {
        case Entry::kNone: break;
        case Entry::kFolder: fs::create_directory(path); break;
        case Entry::kFile: folio::test::WriteBytes(path, "x"); break;
        case Entry::kLinkToFolder: fs::create_directory_symlink(elsewhere.path(), path); break;
        case Entry::kDanglingLink: fs::create_symlink(elsewhere / "missing", path); break;
      }
    };
    make(c.thum, folio::kThumbnailFolder);
    make(c.jpg, folio::kPhotoFolder);
    EXPECT_EQ(folio::FirstFakeSubFolder(dir.u16(), {folio::kThumbnailFolder, folio::kPhotoFolder}),
              c.fake)
        << static_cast<int>(c.thum) << " " << static_cast<int>(c.jpg);
  }
}

TEST(MakeJobFolder, MakesAFolderAndLeavesWhatIsThereAlone) {
  TempDir dir;
  folio::MakeJobFolder(dir.u16(), folio::kSlideFolder);
  EXPECT_TRUE(fs::is_directory(dir / "slideshow"));
  folio::test::WriteBytes(dir / "img", "a file");
  folio::MakeJobFolder(dir.u16(), folio::kSheetFolder);
  EXPECT_EQ(folio::test::ReadBytes(dir / "img"), "a file");
}

// One holder at a time; the lock file goes with the holder; whatever else
// lies under the lock's name (a folder, a link out of the folder) is no lock.
TEST(FolderLock, OneHolderAtATimeAndNothingButAFileOfOurs) {
  TempDir dir;
  const fs::path lockPath = dir / folio::kFolderLockName;
  {
    std::optional<folio::FolderLock> held, second;
    ASSERT_EQ(folio::FolderLock::TryLock(dir.path(), held), folio::FolderLock::State::kHeld);
    EXPECT_TRUE(fs::is_regular_file(lockPath));
    EXPECT_EQ(folio::FolderLock::TryLock(dir.path(), second), folio::FolderLock::State::kTaken);
    EXPECT_FALSE(second.has_value());
  }
  EXPECT_FALSE(fs::exists(fs::symlink_status(lockPath)));
  std::optional<folio::FolderLock> lock;
  EXPECT_EQ(folio::FolderLock::TryLock(dir / "missing", lock),
            folio::FolderLock::State::kUnwritable);

  TempDir elsewhere;
  fs::create_symlink(elsewhere / "target", lockPath);
  EXPECT_EQ(folio::FolderLock::TryLock(dir.path(), lock), folio::FolderLock::State::kFailed);
  EXPECT_FALSE(fs::exists(elsewhere / "target"));
  fs::remove(lockPath);
  fs::create_directory(lockPath);
  EXPECT_EQ(folio::FolderLock::TryLock(dir.path(), lock), folio::FolderLock::State::kFailed);
  EXPECT_FALSE(lock.has_value());
}
