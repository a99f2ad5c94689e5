// SPDX-License-Identifier: GPL-3.0-or-later
// A thumbnail job or rewind that dies half-way (the process killed between
// two photos) is put right by the next run on the folder: the journal it left
// names what to undo. The runs that die are forked children that end with
// _exit, as a killed process would: no destructor, no undo.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/folder_job.h"
#include "app/test_window.h"
#include "platform/cp932.h"
#include "platform/text.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using folio::test::HashTree;
using folio::test::PhotoName;
using folio::test::ReadBytes;
using folio::test::TempDir;
using folio::test::WriteBytes;

namespace {

constexpr int kPhotos = 23;

struct Folder {
  TempDir dir;
  folio::test::TestWindow window;
  Folder() {
    for (int i = 1; i <= kPhotos; ++i)
      folio::test::WriteJpeg(dir / PhotoName(i), 400 + i, 300, 80, static_cast<unsigned>(i));
    window.setBatchMode(true);
    window.settings().setting.CreateMode = folio::kModeThumbnail;
    window.settings().thumbnail.PhotoNo = 10;
    window.settings().thumbnail.PhotoSize = 120;
  }
  folio::Outcome Run() { return window.RunFolder(dir.u16()); }

  // Runs the job in a child process that dies at its `pump`-th image.
  void RunAndDieAt(int pump) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      window.onPump = [pump](folio::test::TestHost& host) {
        if (host.pumps() >= pump) _exit(0);
      };
      Run();
      _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
  }
};

std::u16string Pages(const fs::path& dir) {
  std::u16string all;
  for (int page = 1; fs::exists(dir / ("page" + std::to_string(page) + ".html")); ++page)
    all += folio::Cp932ToUtf16(ReadBytes(dir / ("page" + std::to_string(page) + ".html")));
  return all;
}

}  // namespace

// Deaths before the first photo moved, within and at the end of the
// journal's steps, after a page was written, and after the last page.
TEST(JobJournal, AJobKilledAtAnyImageIsUndoneByTheNextRun) {
  for (int dieAt : {1, 2, 8, 9, 10, 11, 17, 23}) {
    Folder folder;
    const auto original = HashTree(folder.dir.path());
    folder.RunAndDieAt(dieAt);
    ASSERT_TRUE(fs::exists(folder.dir / ".folioscope-journal")) << dieAt;

    EXPECT_EQ(folder.Run(), folio::Outcome::kPagesMade) << dieAt;
    const std::vector<std::u16string>& lines = folder.window.statusLines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], u"    復旧：中断されたサムネイルHTML作成を元に戻しました");
    EXPECT_EQ(lines.back(), u"    終了：サムネイルHTMLファイル作成完了");
    EXPECT_FALSE(fs::exists(folder.dir / ".folioscope-journal"));
    const std::u16string pages = Pages(folder.dir.path());
    for (int i = 1; i <= kPhotos; ++i)
      EXPECT_NE(pages.find(u"jpg/" + folio::FromUtf8(PhotoName(i))), std::u16string::npos)
          << "die at " << dieAt << ": photo " << i << " is on no page";

    EXPECT_EQ(folder.Run(), folio::Outcome::kRewound);
    EXPECT_EQ(HashTree(folder.dir.path()), original) << "die at " << dieAt;
  }
}

TEST(JobJournal, ARewindKilledHalfWayIsFinished) {
  Folder folder;
  const auto original = HashTree(folder.dir.path());
  ASSERT_EQ(folder.Run(), folio::Outcome::kPagesMade);
  // The state a rewind leaves when it dies after its pages and some photos.
  WriteBytes(folder.dir / ".folioscope-journal", "folioscope-journal 1\nrewind\n");
  for (const char* page : {"page1.html", "page2.html", "page3.html"}) fs::remove(folder.dir / page);
  for (int i = 1; i <= 5; ++i)
    fs::rename(folder.dir / "jpg" / PhotoName(i), folder.dir / PhotoName(i));

  EXPECT_EQ(folio::RecoverFolder(folder.dir.u16()), folio::Outcome::kInterruptedRewindFinished);
  EXPECT_EQ(HashTree(folder.dir.path()), original);
  EXPECT_EQ(folio::RecoverFolder(folder.dir.u16()), std::nullopt);
}

// Only a whole journal is acted on; the lines appended while the job ran may
// end torn. Photos the job had not reached and pages it had not begun stay.
// A journal that is not ours in full moves nothing and stays for the user.
TEST(JobJournal, RecoveryTrustsOnlyWhatTheJournalSays) {
  struct Case {
    const char* what;
    std::string journal;
    int photosBack;  // of the three placed
    bool pageGone;
    bool damaged = false;
  };
  const std::string plan = "folioscope-journal 1\nthumbnail\nphoto " + PhotoName(1) + "\nphoto " +
                           PhotoName(2) + "\nphoto " + PhotoName(3) + "\n";
  const Case cases[] = {
      {"reached two, no page", plan + "end\nreached 2\n", 2, false},
      {"a torn line after", plan + "end\nreached 2\npage 1\nreach", 2, true},
      {"all and the page", plan + "end\nreached 3\npage 1\n", 3, true},
      {"a plan without its end", plan + "reached 3\npage 1\n", 0, false, true},
      {"another program's file", "[Thumbnail]\nPhotoNo=3\n", 0, false, true},
  };
  for (const Case& c : cases) {
    TempDir dir;
    fs::create_directories(dir / "jpg");
    fs::create_directories(dir / "thum");
    for (int i = 1; i <= 3; ++i) {
      folio::test::WriteJpeg(dir / "jpg" / PhotoName(i), 40, 30, 80, static_cast<unsigned>(i));
      WriteBytes(dir / "thum" / PhotoName(i), "thumbnail");
    }
    WriteBytes(dir / "page1.html", "<html>");
    WriteBytes(dir / ".folioscope-journal", c.journal);
    // A temporary file of a process that no longer runs, and one of ours.
    WriteBytes(dir / "thum" / ".folio-999999999-0.tmp", "half");
    const fs::path ours = dir / ("thum/.folio-" + std::to_string(getpid()) + "-7.tmp");
    WriteBytes(ours, "writing");

    EXPECT_EQ(folio::RecoverFolder(dir.u16()),
              c.damaged ? folio::Outcome::kJournalDamaged : folio::Outcome::kInterruptedJobUndone)
        << c.what;
    for (int i = 1; i <= 3; ++i) {
      const bool back = i <= c.photosBack;
      EXPECT_EQ(fs::exists(dir / PhotoName(i)), back) << c.what << ": photo " << i;
      EXPECT_EQ(fs::exists(dir / "jpg" / PhotoName(i)), !back) << c.what << ": photo " << i;
      EXPECT_EQ(fs::exists(dir / "thum" / PhotoName(i)), !back) << c.what << ": thumbnail " << i;
    }
    EXPECT_EQ(fs::exists(dir / "page1.html"), !c.pageGone) << c.what;
    EXPECT_EQ(fs::exists(dir / ".folioscope-journal"), c.damaged) << c.what;
    EXPECT_FALSE(fs::exists(dir / "thum" / ".folio-999999999-0.tmp")) << c.what;
    EXPECT_TRUE(fs::exists(ours)) << c.what;
  }
}

// The journal is on the disk before the first photo moves and gone after a
// cancel's undo; a journal that cannot be written moves nothing.
TEST(JobJournal, WrittenBeforeTheFirstMoveAndRemovedAfterACancel) {
  Folder folder;
  const auto original = HashTree(folder.dir.path());
  bool journalSeen = false;
  folder.window.onPump = [&](folio::test::TestHost& host) {
    journalSeen = fs::exists(folder.dir / ".folioscope-journal");
    if (host.pumps() == 3) host.setBusy(false);
  };
  EXPECT_EQ(folder.Run(), folio::Outcome::kCancelled);
  EXPECT_TRUE(journalSeen);
  EXPECT_EQ(HashTree(folder.dir.path()), original);

  // A folder in the journal's place cannot be replaced by a file.
  fs::create_directory(folder.dir / ".folioscope-journal");
  folder.window.onPump = nullptr;
  EXPECT_EQ(folder.Run(), folio::Outcome::kJournalNotWritten);
  EXPECT_EQ(folder.window.statusLines().back(),
            u"    エラー：作業記録ファイルを書き込めませんでした");
  fs::remove(folder.dir / ".folioscope-journal");
  EXPECT_EQ(HashTree(folder.dir.path()), original);
}
