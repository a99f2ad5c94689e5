// SPDX-License-Identifier: GPL-3.0-or-later
// Folders prepared by someone else: journals that name paths, job folders
// that are links or files, a folder another run holds. folioscope-cli runs on
// each, built beside a victim folder of real photos, and neither the victim
// nor any photo of the folder may change; the run says why it stopped in one
// status line and exits as the table says, well within a hang bound.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "folder/folder_lock.h"
#include "support/test_support.h"

extern char** environ;

namespace fs = std::filesystem;
using folio::test::HashesOf;
using folio::test::HashTree;
using folio::test::ReadBytes;
using folio::test::TempDir;
using folio::test::WriteBytes;

namespace {

struct CliRun {
  int status = -1;  // exit status; -1 when it had to be killed
  std::string out;
  double seconds = 0;
};

// Runs folioscope-cli with the arguments and gives its exit status and its
// status lines: standard output and standard error (the lines of errors) in
// one pipe, in the order written, since the program flushes each stream
// before it writes to the other. A run that outlasts the bound is killed.
CliRun RunCli(const std::vector<std::string>& arguments) {
  constexpr auto kHangBound = std::chrono::seconds(20);
  std::vector<std::string> all{FOLIO_CLI_PATH};
  all.insert(all.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDERR_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(pipeFds[1]);
  CliRun run;
  if (spawned != 0) {
    ::close(pipeFds[0]);
    return run;
  }
  bool killed = false;
  for (;;) {
    const auto left = kHangBound - (std::chrono::steady_clock::now() - start);
    const int ms =
        static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(left).count());
    pollfd fd{pipeFds[0], POLLIN, 0};
    if (ms <= 0 || ::poll(&fd, 1, ms) == 0) {
      ::kill(pid, SIGKILL);
      killed = true;
      break;
    }
    char buffer[4096];
    const ssize_t n = ::read(pipeFds[0], buffer, sizeof buffer);
    if (n <= 0) break;
    run.out.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(pipeFds[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.status = !killed && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

// The last status line of a run, without its indent.
std::string LastLine(const std::string& out) {
  std::string text = out;
  while (!text.empty() && text.back() == '\n') text.pop_back();
  std::string line = text.substr(text.rfind('\n') == std::string::npos ? 0 : text.rfind('\n') + 1);
  line.erase(0, line.find_first_not_of(' '));
  return line;
}

// A folder of real photos with a victim folder of other real photos beside
// it, and the settings file of the runs.
struct Scene {
  TempDir root;
  fs::path folder = root / "folder";
  fs::path victim = root / "victim";
  fs::path ini = root / "run.ini";
  std::multiset<uint64_t> photos;
  std::map<std::string, uint64_t> victimBefore;

  Scene() {
    const fs::path shared = folio::test::SharedPhotosDir();
    fs::create_directories(folder);
    fs::create_directories(victim);
    for (const char* name :
         {"pentax-istdl-mm.jpg", "kodak-dc260-portrait.jpg", "canon-powershot-g2.jpg"})
      fs::copy_file(shared / name, folder / name);
    for (const char* name : {"olympus-d450.jpg", "canon-sx150is-o6.jpg"})
      fs::copy_file(shared / name, victim / name);
    // The victim's files under the names the folder's photos have, too.
    fs::copy_file(shared / "nikon-d90-mm.jpg", victim / "pentax-istdl-mm.jpg");
    photos = HashesOf(folder);
    victimBefore = HashTree(victim);
    WriteBytes(ini, "[Thumbnail]\r\nPhotoNo=2\r\nPhotoSize=160\r\n[Setting]\r\nCreateMode=0\r\n");
  }
  CliRun Run(const std::string& mode = "thumbnail") {
    return RunCli({"--ini", ini.string(), "--mode", mode, folder.string()});
  }
  bool EveryPhotoKept() const {
    const std::multiset<uint64_t> now = HashesOf(folder);
    return std::includes(now.begin(), now.end(), photos.begin(), photos.end());
  }
};

std::string Journal(const std::string& body) { return "folioscope-journal 1\n" + body; }

// A processed folder's shape without a run: photos in jpg, a page.
void AsProcessed(Scene& s) {
  fs::create_directories(s.folder / "jpg");
  for (const auto& entry : fs::directory_iterator(s.folder))
    if (entry.path().extension() == ".jpg")
      fs::rename(entry.path(), s.folder / "jpg" / entry.path().filename());
  WriteBytes(s.folder / "page1.html", "<html>");
}

}  // namespace

TEST(HostileFolder, NothingReachesPastTheFolder) {
  if (folio::test::SharedPhotosDir().empty()) GTEST_SKIP() << "no shared photos";
  const std::string damaged =
      "エラー：作業記録ファイル .folioscope-journal が壊れています。フォルダには手を付けていません";
  struct Case {
    const char* what;
    std::function<void(Scene&)> prepare;
    std::string mode;
    int status;
    std::string line;
  };
  const auto journalInProcessed = [](std::string body) {
    return [body](Scene& s) {
      AsProcessed(s);
      fs::create_directories(s.folder / "thum");
      WriteBytes(s.folder / ".folioscope-journal", Journal(body));
    };
  };
  const Case cases[] = {
      {"a journal naming the victim",
       journalInProcessed("thumbnail\nphoto ../victim/olympus-d450.jpg\nend\nreached 1\n"),
       "thumbnail", 1, damaged},
      {"a journal naming an absolute path",
       [](Scene& s) {
         AsProcessed(s);
         WriteBytes(s.folder / ".folioscope-journal",
                    Journal("thumbnail\nphoto " + (s.victim / "olympus-d450.jpg").string() +
                            "\nend\nreached 1\n"));
       },
       "thumbnail", 1, damaged},
      {"a journal naming a photo through thum",
       [](Scene& s) {
         fs::create_directories(s.folder / "thum");
         WriteBytes(s.folder / ".folioscope-journal",
                    Journal("thumbnail\nphoto ../kodak-dc260-portrait.jpg\nend\nreached 1\n"));
       },
       "thumbnail", 1, damaged},
      {"a journal naming a folder", journalInProcessed("thumbnail\nphoto ..\nend\nreached 1\n"),
       "thumbnail", 1, damaged},
      {"a journal naming a file that is no photo",
       journalInProcessed("thumbnail\nphoto page1.html\nend\nreached 1\n"), "thumbnail", 1,
       damaged},
      {"a journal with a page beyond its photos",
       journalInProcessed(
           "thumbnail\nphoto pentax-istdl-mm.jpg\nend\nreached 1\npage 2147483647\n"),
       "thumbnail", 1, damaged},
      {"a journal with a line of no kind",
       journalInProcessed("thumbnail\nphoto pentax-istdl-mm.jpg\nend\nreached 1\nmove ../victim\n"),
       "thumbnail", 1, damaged},
      {"a journal naming a photo twice",
       journalInProcessed(
           "thumbnail\nphoto pentax-istdl-mm.jpg\nphoto pentax-istdl-mm.jpg\nend\nreached 2\n"),
       "thumbnail", 1, damaged},
      {"a journal of another program",
       [](Scene& s) {
         WriteBytes(s.folder / ".folioscope-journal",
                    "\x7f"
                    "ELF\x02\x01\x01 not ours");
       },
       "thumbnail", 1, damaged},
      {"a rewind journal with more after it", journalInProcessed("rewind\nphoto ../victim/x.jpg\n"),
       "thumbnail", 1, damaged},
      {"thum a link to the victim",
       [](Scene& s) { fs::create_directory_symlink("../victim", s.folder / "thum"); }, "thumbnail",
       1, "エラー：thum がフォルダではありません（リンクやファイルは使えません）"},
      {"jpg a link to the victim",
       [](Scene& s) { fs::create_directory_symlink("../victim", s.folder / "jpg"); }, "thumbnail",
       1, "エラー：jpg がフォルダではありません（リンクやファイルは使えません）"},
      {"jpg a link to the victim, to be rewound",
       [](Scene& s) {
         AsProcessed(s);
         fs::rename(s.folder / "jpg", s.folder / "kept");
         fs::create_directory_symlink("../victim", s.folder / "jpg");
       },
       "thumbnail", 1, "エラー：jpg がフォルダではありません（リンクやファイルは使えません）"},
      {"jpg a file", [](Scene& s) { WriteBytes(s.folder / "jpg", "not a folder"); }, "thumbnail", 1,
       "エラー：jpg がフォルダではありません（リンクやファイルは使えません）"},
      {"a killed job's journal with jpg a link",
       [](Scene& s) {
         fs::create_directory_symlink("../victim", s.folder / "jpg");
         WriteBytes(s.folder / ".folioscope-journal",
                    Journal("thumbnail\nphoto olympus-d450.jpg\nend\nreached 1\n"));
       },
       "thumbnail", 1, "エラー：jpg がフォルダではありません（リンクやファイルは使えません）"},
      {"slideshow a link to the victim",
       [](Scene& s) { fs::create_directory_symlink("../victim", s.folder / "slideshow"); },
       "slideshow", 1,
       "エラー：slideshow がフォルダではありません（リンクやファイルは使えません）"},
      {"img a link to the victim",
       [](Scene& s) { fs::create_directory_symlink("../victim", s.folder / "img"); }, "composite",
       1, "エラー：img がフォルダではありません（リンクやファイルは使えません）"},
      {"a lock file that is a link",
       [](Scene& s) {
         fs::create_symlink("../victim/olympus-d450.jpg", s.folder / ".folioscope-lock");
       },
       "thumbnail", 1, "エラー：ロックファイル .folioscope-lock を作成できませんでした"},
  };
  for (const Case& c : cases) {
    Scene scene;
    c.prepare(scene);
    const auto before = HashTree(scene.folder);
    const CliRun run = scene.Run(c.mode);
    EXPECT_EQ(run.status, c.status) << c.what << "\n" << run.out;
    EXPECT_EQ(LastLine(run.out), c.line) << c.what;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 2) << c.what << "\n" << run.out;
    EXPECT_LT(run.seconds, 10) << c.what;
    EXPECT_EQ(HashTree(scene.victim), scene.victimBefore) << c.what;
    EXPECT_EQ(HashTree(scene.folder), before) << c.what << ": the folder was changed";
    EXPECT_TRUE(scene.EveryPhotoKept()) << c.what;
  }
}

// A second run while the folder's lock is held refuses it and touches nothing.
TEST(HostileFolder, AFolderAnotherRunHoldsIsRefused) {
  if (folio::test::SharedPhotosDir().empty()) GTEST_SKIP() << "no shared photos";
  Scene scene;
  const auto before = HashTree(scene.folder);
  {
    std::optional<folio::FolderLock> lock;
    ASSERT_EQ(folio::FolderLock::TryLock(scene.folder, lock), folio::FolderLock::State::kHeld);
    const CliRun run = scene.Run();
    EXPECT_EQ(run.status, 1) << run.out;
    EXPECT_EQ(LastLine(run.out), "エラー：このフォルダは別のFolioscopeが処理中です");
    auto after = HashTree(scene.folder);
    after.erase(".folioscope-lock");  // the holder's own
    EXPECT_EQ(after, before);
  }
  // Once it is let go (the holder removes its file), the job runs.
  EXPECT_FALSE(fs::exists(scene.folder / ".folioscope-lock"));
  const CliRun run = scene.Run();
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(LastLine(run.out), "終了：サムネイルHTMLファイル作成完了");
  EXPECT_FALSE(fs::exists(scene.folder / ".folioscope-lock"));
}

// Photos that are symbolic links (here to the victim's photos, by relative
// and absolute targets) still resolve from jpg, and the rewind gives back the
// very links; the rewind takes only the numbered pages and the thumbnails of
// the photos it moves back.
TEST(HostileFolder, LinkedPhotosStillResolveAndTheRewindTakesOnlyItsOwn) {
  if (folio::test::SharedPhotosDir().empty()) GTEST_SKIP() << "no shared photos";
  Scene scene;
  fs::create_symlink("../victim/olympus-d450.jpg", scene.folder / "linked.jpg");
  fs::create_symlink(scene.victim / "canon-sx150is-o6.jpg", scene.folder / "absolute.jpg");
  fs::create_symlink("pentax-istdl-mm.jpg", scene.folder / "alias.jpg");  // travels with it
  WriteBytes(scene.folder / "notes.html", "the user's");
  const auto before = HashTree(scene.folder);
  CliRun run = scene.Run();
  ASSERT_EQ(run.status, 0) << run.out;
  for (const char* name : {"linked.jpg", "absolute.jpg", "alias.jpg"}) {
    ASSERT_TRUE(fs::is_symlink(fs::symlink_status(scene.folder / "jpg" / name))) << name;
    EXPECT_TRUE(fs::exists(scene.folder / "jpg" / name)) << name << " dangles";
  }
  EXPECT_TRUE(
      fs::equivalent(scene.folder / "jpg" / "linked.jpg", scene.victim / "olympus-d450.jpg"));
  EXPECT_TRUE(fs::equivalent(scene.folder / "jpg" / "alias.jpg",
                             scene.folder / "jpg" / "pentax-istdl-mm.jpg"));
  // What the user put beside the job's files.
  WriteBytes(scene.folder / "slideshow.html", "a slideshow's");
  WriteBytes(scene.folder / "thum" / "mine.jpg", "the user's thumbnail");
  const auto added = HashTree(scene.folder);

  run = scene.Run();
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(LastLine(run.out), "終了：サムネイルHTMLの巻き戻しが行われました");
  EXPECT_EQ(fs::read_symlink(scene.folder / "linked.jpg"), "../victim/olympus-d450.jpg");
  EXPECT_EQ(fs::read_symlink(scene.folder / "absolute.jpg"), scene.victim / "canon-sx150is-o6.jpg");
  EXPECT_EQ(fs::read_symlink(scene.folder / "alias.jpg"), "pentax-istdl-mm.jpg");
  auto expected = before;
  for (const char* kept : {"slideshow.html", "thum/mine.jpg"}) expected[kept] = added.at(kept);
  EXPECT_EQ(HashTree(scene.folder), expected);
  EXPECT_FALSE(fs::exists(scene.folder / "jpg"));
  EXPECT_EQ(HashTree(scene.victim), scene.victimBefore);
}

// A rewind killed half-way is finished by the next run, which ends there: it
// does not process the folder again. A journal of a killed job is undone and
// the job then runs.
TEST(HostileFolder, AFinishedRewindEndsTheRun) {
  if (folio::test::SharedPhotosDir().empty()) GTEST_SKIP() << "no shared photos";
  Scene scene;
  const auto original = HashTree(scene.folder);
  ASSERT_EQ(scene.Run().status, 0);
  // As a rewind leaves it when killed after its pages and one photo.
  WriteBytes(scene.folder / ".folioscope-journal", Journal("rewind\n"));
  for (const auto& entry : fs::directory_iterator(scene.folder))
    if (entry.path().extension() == ".html") fs::remove(entry.path());
  fs::rename(scene.folder / "jpg" / "kodak-dc260-portrait.jpg",
             scene.folder / "kodak-dc260-portrait.jpg");
  const CliRun run = scene.Run();
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(LastLine(run.out), "復旧：中断された巻き戻しを完了しました");
  EXPECT_EQ(HashTree(scene.folder), original);
  EXPECT_EQ(HashTree(scene.victim), scene.victimBefore);
}

// A damaged journal stays until the user removes it; every run says so.
TEST(HostileFolder, ADamagedJournalIsReportedOnEveryRunUntilRemoved) {
  if (folio::test::SharedPhotosDir().empty()) GTEST_SKIP() << "no shared photos";
  Scene scene;
  WriteBytes(scene.folder / ".folioscope-journal", Journal("thumbnail\nphoto a.jpg\n"));
  for (int i = 0; i < 2; ++i) {
    const CliRun run = scene.Run();
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find(".folioscope-journal"), std::string::npos) << run.out;
  }
  fs::remove(scene.folder / ".folioscope-journal");
  EXPECT_EQ(scene.Run().status, 0);
  EXPECT_TRUE(scene.EveryPhotoKept());
}
