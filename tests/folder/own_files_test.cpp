// SPDX-License-Identifier: GPL-3.0-or-later
// The default stylesheet beside the user's files: written only where the
// name is free, taken back only while it holds the bytes that were written,
// by the undo of a killed run and by the rewind.
#include "folder/own_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "folder/job_journal.h"
#include "folder/placing.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using folio::test::ReadBytes;
using folio::test::TempDir;
using folio::test::WriteBytes;

namespace {

constexpr std::string_view kOurs = "body { margin: 0; }\n";

bool Exists(const fs::path& path) { return fs::exists(fs::symlink_status(path)); }

}  // namespace

TEST(OwnFiles, WrittenOnlyWhereNothingOfThatNameLies) {
  TempDir dir;
  EXPECT_EQ(folio::WriteOwnFileIfAbsent(dir / "thum.css", kOurs), folio::OwnFileWrite::kWritten);
  EXPECT_EQ(ReadBytes(dir / "thum.css"), std::string(kOurs));

  // The user's file, a link (even a dangling one) and a folder all stay.
  WriteBytes(dir / "mine.css", "a { color: red; }");
  fs::create_symlink("elsewhere.css", dir / "link.css");
  fs::create_directory(dir / "folder.css");
  for (const char* name : {"mine.css", "link.css", "folder.css"})
    EXPECT_EQ(folio::WriteOwnFileIfAbsent(dir / name, kOurs), folio::OwnFileWrite::kLeftAlone)
        << name;
  EXPECT_EQ(ReadBytes(dir / "mine.css"), "a { color: red; }");
  EXPECT_FALSE(Exists(dir / "elsewhere.css"));
  EXPECT_TRUE(fs::is_symlink(dir / "link.css"));
}

TEST(OwnFiles, RemovedOnlyWhileTheyHoldTheirOwnBytes) {
  TempDir dir;
  const std::string ours(kOurs);
  struct Case {
    const char* what;
    std::string held;
    bool removed;
  };
  const Case cases[] = {
      {"our bytes", ours, true},
      {"edited by the user", ours + "a { color: red; }\n", false},
      {"cut short", ours.substr(0, 4), false},
      {"empty", "", false},
  };
  for (const Case& c : cases) {
    WriteBytes(dir / "thum.css", c.held);
    EXPECT_EQ(folio::RemoveOwnFile(dir / "thum.css", kOurs), c.removed) << c.what;
    EXPECT_EQ(Exists(dir / "thum.css"), !c.removed) << c.what;
    fs::remove(dir / "thum.css");
  }
  // A link to a file of our bytes is no file of ours, nor is its target.
  WriteBytes(dir / "target.css", ours);
  fs::create_symlink("target.css", dir / "thum.css");
  EXPECT_FALSE(folio::RemoveOwnFile(dir / "thum.css", kOurs));
  EXPECT_TRUE(fs::is_symlink(dir / "thum.css"));
  EXPECT_EQ(ReadBytes(dir / "target.css"), ours);
  // Without bytes to compare nothing is ours.
  EXPECT_FALSE(folio::RemoveOwnFile(dir / "target.css", {}));
}

TEST(OwnFiles, TheUndoOfAKilledRunTakesBackOnlyTheStylesheetItWrote) {
  for (const bool userEdited : {false, true}) {
    TempDir dir;
    folio::test::WriteJpeg(dir / "photo_001.jpg", 64, 48);
    std::vector<folio::ImageRecord> records(1);
    folio::SetField(records[0].fileName, u"photo_001.jpg");
    std::optional<folio::ThumbnailJournal> journal =
        folio::ThumbnailJournal::Begin(dir.u16(), records);
    ASSERT_TRUE(journal);
    ASSERT_TRUE(journal->WillPlace(0));
    ASSERT_TRUE(journal->WillWriteStylesheet());
    ASSERT_EQ(folio::WriteOwnFileIfAbsent(dir / "thum.css", kOurs), folio::OwnFileWrite::kWritten);
    if (userEdited) WriteBytes(dir / "thum.css", "/* mine now */");
    journal->Keep();  // the run dies here: its journal stays
    EXPECT_EQ(folio::RecoverInterruptedJob(dir.u16(), kOurs), folio::Recovery::kJobUndone);
    EXPECT_EQ(Exists(dir / "thum.css"), userEdited) << "user edited: " << userEdited;
    EXPECT_TRUE(fs::exists(dir / "photo_001.jpg"));
  }
}

TEST(OwnFiles, TheRewindTakesBackTheDefaultStylesheetAndThe2xRenditions) {
  for (const bool usersOwn : {false, true}) {
    TempDir dir;
    fs::create_directories(dir / "thum" / "2x");
    fs::create_directory(dir / "jpg");
    WriteBytes(dir / "jpg" / "a.jpg", "photo");
    WriteBytes(dir / "thum" / "a.jpg", "thumbnail");
    WriteBytes(dir / "thum" / "2x" / "a.jpg", "2x thumbnail");
    WriteBytes(dir / "page1.html", "page");
    WriteBytes(dir / "thum.css", usersOwn ? std::string("/* mine */") : std::string(kOurs));
    folio::RewindFolder(dir.u16(), false, kOurs);
    EXPECT_EQ(ReadBytes(dir / "a.jpg"), "photo");
    EXPECT_FALSE(Exists(dir / "thum"));
    EXPECT_FALSE(Exists(dir / "page1.html"));
    EXPECT_EQ(Exists(dir / "thum.css"), usersOwn);
  }
}

TEST(OwnFiles, ARewindNeverReachesThroughALinkedTwoXFolder) {
  TempDir dir, outside;
  fs::create_directories(dir / "thum");
  fs::create_directory(dir / "jpg");
  WriteBytes(dir / "jpg" / "a.jpg", "photo");
  WriteBytes(dir / "thum" / "a.jpg", "thumbnail");
  WriteBytes(outside / "a.jpg", "not ours");
  fs::create_directory_symlink(outside.path(), dir / "thum" / "2x");
  WriteBytes(dir / "page1.html", "page");
  folio::RewindFolder(dir.u16(), false, kOurs);
  EXPECT_EQ(ReadBytes(outside / "a.jpg"), "not ours");
  EXPECT_EQ(ReadBytes(dir / "a.jpg"), "photo");
}
