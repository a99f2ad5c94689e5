// SPDX-License-Identifier: GPL-3.0-or-later
// The file operations that must never lose a photo, on real folders.
#include "platform/files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace fs = std::filesystem;
using folio::test::ReadBytes;
using folio::test::TempDir;
using folio::test::WriteBytes;

namespace {

std::span<const uint8_t> Bytes(std::string_view text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

// Every entry of the folder: a temporary file left behind would show here.
std::set<std::string> Entries(const fs::path& folder) {
  std::set<std::string> out;
  for (const auto& entry : fs::directory_iterator(folder)) out.insert(entry.path().filename());
  return out;
}

TEST(EntryTests, ExistenceAndFolderKinds) {
  TempDir dir;
  WriteBytes(dir / "file", "x");
  fs::create_directory(dir / "folder");
  fs::create_directory(dir / "locked");
  fs::permissions(dir / "locked", fs::perms::none);  // odd permissions: still a folder
  fs::create_symlink(dir / "gone", dir / "dangling");
  fs::create_directory_symlink(dir / "folder", dir / "link");

  EXPECT_TRUE(folio::EntryExists(dir / "file"));
  EXPECT_TRUE(folio::EntryExists(dir / "folder"));
  EXPECT_TRUE(folio::EntryExists(dir / "dangling"));
  EXPECT_FALSE(folio::EntryExists(dir / "missing"));

  EXPECT_FALSE(folio::IsFolder(dir / "file"));
  EXPECT_TRUE(folio::IsFolder(dir / "folder"));
  EXPECT_TRUE(folio::IsFolder(dir / "locked"));
  EXPECT_TRUE(folio::IsFolder(dir / "link"));
  EXPECT_FALSE(folio::IsFolder(dir / "dangling"));
  EXPECT_FALSE(folio::IsFolder(dir / "missing"));
  EXPECT_FALSE(folio::IsFolder(dir / "file" / "below"));
  EXPECT_FALSE(folio::IsFolder(fs::path()));

  fs::permissions(dir / "locked", fs::perms::owner_all);
}

TEST(SamePlace, FollowsLinksAndDotDotAlsoForPathsNotYetMade) {
  TempDir dir;
  fs::create_directory(dir / "photos");
  fs::create_directory(dir / "other");
  fs::create_directory_symlink(dir / "photos", dir / "link");
  EXPECT_TRUE(folio::SamePlace(dir / "photos", dir / "other" / ".." / "photos"));
  EXPECT_TRUE(folio::SamePlace(dir / "photos", dir / "link"));
  EXPECT_TRUE(folio::SamePlace(dir / "photos" / "", dir / "photos"));
  EXPECT_TRUE(folio::SamePlace(dir / "link" / "new", dir / "photos" / "new"));
  EXPECT_FALSE(folio::SamePlace(dir / "photos", dir / "other"));
  EXPECT_FALSE(folio::SamePlace(dir / "photos" / "new", dir / "other" / "new"));
}

TEST(TemporaryNameBeside, ShortHiddenAndNewEachTime) {
  TempDir dir;
  const fs::path target = dir / (std::string(250, 'n') + ".jpg");  // the longest name allowed
  std::set<fs::path> seen;
  for (int i = 0; i < 3; ++i) {
    const fs::path temporary = folio::TemporaryNameBeside(target);
    EXPECT_EQ(temporary.parent_path(), dir.path());
    EXPECT_EQ(temporary.filename().string().front(), '.');
    EXPECT_LT(temporary.filename().string().size(), 64u);
    EXPECT_TRUE(seen.insert(temporary).second);
  }
}

TEST(MoveNoReplace, MovesFilesAndFoldersButNeverOntoAnEntry) {
  TempDir dir;
  WriteBytes(dir / "a.jpg", "photo a");
  WriteBytes(dir / "b.jpg", "photo b");
  fs::create_directory(dir / "sub.jpg");
  WriteBytes(dir / "sub.jpg" / "inner", "kept");
  fs::create_symlink(dir / "gone", dir / "dangling.jpg");

  EXPECT_FALSE(folio::MoveNoReplace(dir / "a.jpg", dir / "b.jpg"));
  EXPECT_FALSE(folio::MoveNoReplace(dir / "a.jpg", dir / "sub.jpg"));
  EXPECT_FALSE(folio::MoveNoReplace(dir / "a.jpg", dir / "dangling.jpg"));
  EXPECT_EQ(ReadBytes(dir / "a.jpg"), "photo a");
  EXPECT_EQ(ReadBytes(dir / "b.jpg"), "photo b");
  EXPECT_TRUE(fs::is_symlink(dir / "dangling.jpg"));

  fs::create_directory(dir / "jpg");
  EXPECT_TRUE(folio::MoveNoReplace(dir / "a.jpg", dir / "jpg" / "a.jpg"));
  EXPECT_FALSE(folio::EntryExists(dir / "a.jpg"));
  EXPECT_EQ(ReadBytes(dir / "jpg" / "a.jpg"), "photo a");

  EXPECT_TRUE(folio::MoveNoReplace(dir / "sub.jpg", dir / "jpg" / "sub.jpg"));
  EXPECT_EQ(ReadBytes(dir / "jpg" / "sub.jpg" / "inner"), "kept");

  EXPECT_FALSE(folio::MoveNoReplace(dir / "missing.jpg", dir / "jpg" / "missing.jpg"));
  EXPECT_FALSE(folio::EntryExists(dir / "jpg" / "missing.jpg"));
}

TEST(WriteFileAtomically, WritesThePiecesInOrderAndLeavesNoTemporaryFile) {
  TempDir dir;
  EXPECT_EQ(folio::WriteFileAtomically(dir / "page1.html", {Bytes("<HTML>"), Bytes(""), Bytes("</HTML>")}),
            folio::WriteResult::kWritten);
  EXPECT_EQ(ReadBytes(dir / "page1.html"), "<HTML></HTML>");

  // Replacing is the default; with kNo the old file stays as it was.
  EXPECT_TRUE(folio::WriteFileReplacing(dir / "page1.html", {Bytes("new")}));
  EXPECT_EQ(ReadBytes(dir / "page1.html"), "new");
  EXPECT_EQ(folio::WriteFileAtomically(dir / "page1.html", {Bytes("other")}, folio::Replace::kNo),
            folio::WriteResult::kExists);
  EXPECT_EQ(ReadBytes(dir / "page1.html"), "new");
  EXPECT_EQ(folio::WriteFileAtomically(dir / "page2.html", {Bytes("two")}, folio::Replace::kNo),
            folio::WriteResult::kWritten);
  EXPECT_EQ(ReadBytes(dir / "page2.html"), "two");

  // A folder in the way cannot be replaced by a file.
  fs::create_directory(dir / "page3.html");
  EXPECT_EQ(folio::WriteFileAtomically(dir / "page3.html", {Bytes("x")}),
            folio::WriteResult::kFailed);
  EXPECT_TRUE(folio::IsFolder(dir / "page3.html"));

  EXPECT_EQ(folio::WriteFileAtomically(dir / "missing" / "page.html", {Bytes("x")}),
            folio::WriteResult::kFailed);
  EXPECT_EQ(Entries(dir.path()), (std::set<std::string>{"page1.html", "page2.html", "page3.html"}));
}

TEST(CopyFileAtomically, CopiesByteForByteAndKeepsWhatIsThere) {
  TempDir dir;
  folio::test::WriteJpeg(dir / "a.jpg", 40, 30);
  WriteBytes(dir / "b.jpg", "photo b");
  fs::create_directory(dir / "copies");

  EXPECT_EQ(folio::CopyFileAtomically(dir / "a.jpg", dir / "copies" / "a.jpg"),
            folio::WriteResult::kWritten);
  EXPECT_EQ(ReadBytes(dir / "copies" / "a.jpg"), ReadBytes(dir / "a.jpg"));
  EXPECT_EQ(folio::CopyFileAtomically(dir / "a.jpg", dir / "b.jpg", folio::Replace::kNo),
            folio::WriteResult::kExists);
  EXPECT_EQ(ReadBytes(dir / "b.jpg"), "photo b");
  EXPECT_TRUE(folio::CopyFileReplacing(dir / "a.jpg", dir / "b.jpg"));
  EXPECT_EQ(ReadBytes(dir / "b.jpg"), ReadBytes(dir / "a.jpg"));

  EXPECT_EQ(folio::CopyFileAtomically(dir / "missing.jpg", dir / "copies" / "m.jpg"),
            folio::WriteResult::kFailed);
  EXPECT_EQ(Entries(dir / "copies"), (std::set<std::string>{"a.jpg"}));
  EXPECT_EQ(Entries(dir.path()), (std::set<std::string>{"a.jpg", "b.jpg", "copies"}));
}

}  // namespace
