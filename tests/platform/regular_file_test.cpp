// SPDX-License-Identifier: GPL-3.0-or-later
// Photos are read only when they are regular files (or links to them); a
// FIFO, a device, a folder or a dangling link of a photo's name is refused
// at once: never a blocked open, never an endless read.
#include "platform/regular_file.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <vector>

#include "platform/files.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using folio::test::TempDir;
using folio::test::WriteBytes;

namespace {

struct Entry {
  const char* name;
  std::function<void(const TempDir&, const fs::path&)> make;
  bool regular;
};

const std::vector<Entry>& Entries() {
  static const std::vector<Entry> entries = {
      {"file.jpg", [](const TempDir&, const fs::path& p) { WriteBytes(p, "photo bytes"); }, true},
      {"link.jpg",
       [](const TempDir& d, const fs::path& p) {
         WriteBytes(d / "target", "photo bytes");
         fs::create_symlink("target", p);
       },
       true},
      {"fifo.jpg", [](const TempDir&, const fs::path& p) { ::mkfifo(p.c_str(), 0644); }, false},
      {"folder.jpg", [](const TempDir&, const fs::path& p) { fs::create_directory(p); }, false},
      {"null.jpg", [](const TempDir&, const fs::path& p) { fs::create_symlink("/dev/null", p); },
       false},
      {"zero.jpg", [](const TempDir&, const fs::path& p) { fs::create_symlink("/dev/zero", p); },
       false},
      {"dangling.jpg", [](const TempDir&, const fs::path& p) { fs::create_symlink("missing", p); },
       false},
      {"missing.jpg", [](const TempDir&, const fs::path&) {}, false},
  };
  return entries;
}

TEST(RegularFile, OnlyRegularFilesAndLinksToThemAreOpened) {
  for (const Entry& entry : Entries()) {
    SCOPED_TRACE(entry.name);
    TempDir dir;
    const fs::path path = dir / entry.name;
    entry.make(dir, path);
    EXPECT_EQ(folio::IsRegularFileOrLinkToOne(path), entry.regular);
    // Refusing links leaves only the plain file.
    EXPECT_EQ(folio::RegularFile(path, folio::RegularFile::Links::kRefuse).ok(),
              entry.regular && !fs::is_symlink(fs::symlink_status(path)));
    const folio::RegularFile file(path);
    ASSERT_EQ(file.ok(), entry.regular);
    std::vector<uint8_t> bytes;
    EXPECT_EQ(file.ReadAll(bytes, 1 << 20), entry.regular);
    if (entry.regular) {
      EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "photo bytes");
      EXPECT_FALSE(file.ReadAll(bytes, 4));  // larger than allowed
      uint8_t part[5] = {};
      EXPECT_EQ(file.ReadAt(6, part, sizeof part), 5);
      EXPECT_EQ(std::string(part, part + 5), "bytes");
      EXPECT_EQ(file.ReadAt(8, part, sizeof part), 3);  // short at the end
    }
    // A copy reads the same way: nothing is written for what is refused.
    EXPECT_EQ(folio::CopyFileAtomically(path, dir / "copy.jpg") == folio::WriteResult::kWritten,
              entry.regular);
    EXPECT_EQ(fs::exists(dir / "copy.jpg"), entry.regular);
  }
}

TEST(RegularFile, CopyKeepsEveryByteAndNeverReplacesWhenAskedNotTo) {
  TempDir dir;
  std::string big(3 << 20, '\0');  // more than one piece of the copy
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7 + i / 4096);
  WriteBytes(dir / "a.jpg", big);
  ASSERT_EQ(folio::CopyFileAtomically(dir / "a.jpg", dir / "b.jpg"), folio::WriteResult::kWritten);
  EXPECT_EQ(folio::test::ReadBytes(dir / "b.jpg"), big);
  WriteBytes(dir / "c.jpg", "mine");
  EXPECT_EQ(folio::CopyFileAtomically(dir / "a.jpg", dir / "c.jpg", folio::Replace::kNo),
            folio::WriteResult::kExists);
  EXPECT_EQ(folio::test::ReadBytes(dir / "c.jpg"), "mine");
  WriteBytes(dir / "empty.jpg", "");
  EXPECT_EQ(folio::CopyFileAtomically(dir / "empty.jpg", dir / "d.jpg"),
            folio::WriteResult::kWritten);
  EXPECT_EQ(fs::file_size(dir / "d.jpg"), 0u);
}

}  // namespace
