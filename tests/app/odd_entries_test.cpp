// SPDX-License-Identifier: GPL-3.0-or-later
// Prepared folders run through the real folioscope-cli, each beside a victim
// folder of real photos: entries that are no photos (FIFOs, folders, links to
// devices, dangling links) are left alone and never opened, no run hangs, and
// afterwards every photo and every victim file is byte-identical. Also the
// settings file's ranges, the resize job's failed writes and "--".
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/test_window.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using folio::test::HashesOf;
using folio::test::HashFile;
using folio::test::HashTree;
using folio::test::TempDir;
using folio::test::WriteBytes;

namespace {

// A job that takes longer than this is taken for a hang.
constexpr auto kHangBound = std::chrono::seconds(30);

struct CliRun {
  int status = -1;
  std::string out;
  bool hung = false;
};

// Runs folioscope-cli with the arguments in `cwd`; killed at kHangBound.
CliRun RunCli(const std::vector<std::string>& args, const fs::path& cwd) {
  CliRun run;
  int pipeFds[2];
  if (::pipe2(pipeFds, O_CLOEXEC) != 0) return run;
  std::vector<std::string> argv = {FOLIO_CLI_PATH};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<char*> cargv;
  for (std::string& a : argv) cargv.push_back(a.data());
  cargv.push_back(nullptr);
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(pipeFds[1], 1);
    ::dup2(pipeFds[1], 2);
    if (::chdir(cwd.c_str()) != 0) ::_exit(126);
    ::execv(cargv[0], cargv.data());
    ::_exit(127);
  }
  ::close(pipeFds[1]);
  const auto deadline = std::chrono::steady_clock::now() + kHangBound;
  char buffer[4096];
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      run.hung = true;
      ::kill(pid, SIGKILL);
      break;
    }
    pollfd p{pipeFds[0], POLLIN, 0};
    if (::poll(&p, 1, static_cast<int>(left.count())) <= 0) continue;
    const ssize_t n = ::read(pipeFds[0], buffer, sizeof buffer);
    if (n <= 0) break;
    run.out.append(buffer, static_cast<size_t>(n));
  }
  ::close(pipeFds[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return run;
}

// Three small real photos, copied for each case.
const std::vector<std::string> kPhotos = {"pentax-istdl-mm.jpg", "kodak-dc260-portrait.jpg",
                                          "canon-powershot-g2.jpg"};

// One prepared folder with a victim folder beside it.
struct Prepared {
  TempDir root;
  fs::path folder = root / "album";
  fs::path victim = root / "victim";
  fs::path ini = root / "folioscope.ini";
  std::map<std::string, uint64_t> victimBefore;
  std::multiset<uint64_t> photoHashes;

  Prepared() {
    const fs::path shared = folio::test::SharedPhotosDir();
    fs::create_directories(folder);
    fs::create_directories(victim);
    for (const std::string& name : kPhotos) {
      fs::copy_file(shared / name, folder / name);
      fs::copy_file(shared / name, victim / ("victim-" + name));
      photoHashes.insert(HashFile(folder / name));
    }
    WriteBytes(victim / "notes.html", "<p>mine</p>");
    victimBefore = HashTree(victim);
    WriteBytes(ini, "");
  }
  CliRun Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--ini", ini.string()});
    args.push_back(folder.string());
    return RunCli(args, root.path());
  }
  // Every photo copied into the folder is still there, somewhere, unchanged.
  void ExpectPhotosKept() const {
    const std::multiset<uint64_t> now = HashesOf(folder);
    for (uint64_t hash : photoHashes) EXPECT_GE(now.count(hash), photoHashes.count(hash));
    EXPECT_EQ(HashTree(victim), victimBefore);
  }
};

void MakeFifo(const fs::path& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0); }

bool IsFifo(const fs::path& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 && S_ISFIFO(st.st_mode);
}

struct OddCase {
  const char* name;
  std::vector<std::string> args;
  std::function<void(Prepared&)> prepare;
  int status;
  const char* line;
  std::function<void(const Prepared&)> check;
};

TEST(OddEntries, AreLeftAloneAndTheRestOfTheFolderIsProcessed) {
  if (folio::test::SharedPhotosDir().empty()) GTEST_SKIP() << "no shared photos";
  const auto fifo = [](Prepared& p) { MakeFifo(p.folder / "fifo.jpg"); };
  const auto devices = [](Prepared& p) {
    fs::create_symlink("/dev/null", p.folder / "null.jpg");
    fs::create_symlink("/dev/zero", p.folder / "zero.jpg");
  };
  const auto everything = [&](Prepared& p) {
    fifo(p);
    devices(p);
    fs::create_directory(p.folder / "2020.jpg");
    WriteBytes(p.folder / "2020.jpg" / "inside.txt", "kept");
    fs::create_symlink(p.root / "gone.jpg", p.folder / "dangling.jpg");
  };
  const auto oddOnesStay = [](const Prepared& p) {
    EXPECT_TRUE(IsFifo(p.folder / "fifo.jpg"));
    EXPECT_TRUE(fs::is_symlink(p.folder / "null.jpg"));
    EXPECT_TRUE(fs::is_symlink(p.folder / "zero.jpg"));
    EXPECT_TRUE(fs::is_symlink(p.folder / "dangling.jpg"));
    EXPECT_EQ(folio::test::ReadBytes(p.folder / "2020.jpg" / "inside.txt"), "kept");
  };
  const auto countIn = [](const fs::path& dir) {
    std::error_code ec;
    int n = 0;
    // The copies, not the sub-folder of their 2x renditions.
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
      if (it->path().filename() != "2x") ++n;
    return n;
  };

  const std::vector<OddCase> cases = {
      {"a FIFO, thumbnail pages",
       {"--mode", "thumbnail"},
       fifo,
       0,
       "終了：サムネイルHTMLファイル作成完了",
       [&](const Prepared& p) {
         EXPECT_TRUE(IsFifo(p.folder / "fifo.jpg"));
         EXPECT_EQ(countIn(p.folder / "jpg"), 3);
         EXPECT_EQ(countIn(p.folder / "thum"), 3);
       }},
      {"a FIFO, slideshow",
       {"--mode", "slideshow"},
       fifo,
       0,
       "終了：スライドショーHTMLファイル作成完了",
       [&](const Prepared& p) {
         EXPECT_TRUE(IsFifo(p.folder / "fifo.jpg"));
         EXPECT_EQ(countIn(p.folder / "slideshow"), 3);
       }},
      {"links to /dev/null and /dev/zero, thumbnail pages",
       {"--mode", "thumbnail"},
       devices,
       0,
       "終了：サムネイルHTMLファイル作成完了",
       [&](const Prepared& p) {
         EXPECT_TRUE(fs::is_symlink(p.folder / "null.jpg"));
         EXPECT_TRUE(fs::is_symlink(p.folder / "zero.jpg"));
         EXPECT_EQ(countIn(p.folder / "jpg"), 3);
       }},
      {"a folder named 2020.jpg, thumbnail pages",
       {"--mode", "thumbnail"},
       [](Prepared& p) {
         fs::create_directory(p.folder / "2020.jpg");
         WriteBytes(p.folder / "2020.jpg" / "inside.txt", "kept");
       },
       0,
       "終了：サムネイルHTMLファイル作成完了",
       [&](const Prepared& p) {
         EXPECT_EQ(folio::test::ReadBytes(p.folder / "2020.jpg" / "inside.txt"), "kept");
         EXPECT_FALSE(fs::exists(p.folder / "jpg" / "2020.jpg"));
         EXPECT_EQ(countIn(p.folder / "jpg"), 3);
       }},
      {"every odd entry, slideshow",
       {"--mode", "slideshow"},
       everything,
       0,
       "終了：スライドショーHTMLファイル作成完了",
       [&](const Prepared& p) {
         oddOnesStay(p);
         EXPECT_EQ(countIn(p.folder / "slideshow"), 3);
       }},
      {"every odd entry, sheets",
       {"--mode", "composite"},
       everything,
       0,
       "終了：合成画像を作成しました",
       [&](const Prepared& p) {
         oddOnesStay(p);
         EXPECT_TRUE(fs::is_regular_file(p.folder / "img" / "Image1.jpg"));
       }},
      {"every odd entry, resize",
       {"--mode", "resize"},
       everything,
       0,
       "終了：リサイズ完了",
       [&](const Prepared& p) {
         oddOnesStay(p);
         EXPECT_EQ(countIn(p.folder / "resize"), 3);
       }},
      {"a link to a photo outside, slideshow",
       {"--mode", "slideshow"},
       [](Prepared& p) {
         fs::create_symlink(p.victim / ("victim-" + kPhotos[0]), p.folder / "linked.jpg");
       },
       0,
       "終了：スライドショーHTMLファイル作成完了",
       [](const Prepared& p) {
         EXPECT_TRUE(fs::is_regular_file(p.folder / "slideshow" / "linked.jpg"));
       }},
      {"only odd entries",
       {"--mode", "thumbnail"},
       [](Prepared& p) {
         for (const std::string& name : kPhotos) fs::rename(p.folder / name, p.victim / name);
         MakeFifo(p.folder / "fifo.jpg");
         fs::create_directory(p.folder / "2020.jpg");
         p.photoHashes.clear();
         p.victimBefore = HashTree(p.victim);
       },
       1,
       "エラー：JPG画像ファイルがありません",
       [](const Prepared& p) {
         EXPECT_TRUE(IsFifo(p.folder / "fifo.jpg"));
         EXPECT_FALSE(fs::exists(p.folder / "jpg"));
       }},
  };
  for (const OddCase& c : cases) {
    SCOPED_TRACE(c.name);
    Prepared p;
    c.prepare(p);
    const auto started = std::chrono::steady_clock::now();
    const CliRun run = p.Run(c.args);
    ASSERT_FALSE(run.hung) << run.out;
    EXPECT_LT(std::chrono::steady_clock::now() - started, kHangBound);
    EXPECT_EQ(run.status, c.status) << run.out;
    EXPECT_NE(run.out.find(c.line), std::string::npos) << run.out;
    p.ExpectPhotosKept();
    c.check(p);
  }
}

// Settings files written by hand, failed writes of the resize job, and a
// folder whose name begins with "-".
TEST(OddSettings, AreRefusedOrReportedInTheToolsWords) {
  if (folio::test::SharedPhotosDir().empty()) GTEST_SKIP() << "no shared photos";
  struct Case {
    const char* name;
    std::string ini;
    std::vector<std::string> args;
    std::function<void(Prepared&)> prepare;
    int status;
    const char* line;
    const char* absent;
    std::function<void(const Prepared&)> check;
  };
  const auto custom = [](const char* size) {
    return std::string("[Setting]\r\nCreateMode=2\r\n[Compose]\r\nPaperSize=\"カスタム\"\r\n") +
           "CreateJpgWidth=" + size + "\r\nCreateJpgHeight=" + size + "\r\n";
  };
  // A sheet of the size the options allow by default: the file's out-of-range
  // values were refused, not taken.
  const auto defaultSheet = [](const Prepared& p) {
    EXPECT_EQ(folio::test::JpegSize(p.folder / "img" / "Image1.jpg"), std::make_pair(4708, 3300));
  };
  const auto none = [](Prepared&) {};
  const std::vector<Case> cases = {
      {"sheet 2000000000 x 2000000000",
       custom("2000000000"),
       {},
       none,
       0,
       "終了：合成画像を作成しました",
       nullptr,
       defaultSheet},
      {"sheet 60000 x 60000",
       custom("60000"),
       {},
       none,
       0,
       "終了：合成画像を作成しました",
       nullptr,
       defaultSheet},
      {"resize to a width of 0",
       "[Setting]\r\nCreateMode=3\r\n[Resize]\r\nResizeMode=2\r\nResizeX=0\r\n",
       {},
       none,
       1,
       "エラー：リサイズ画像を書き込めなかったファイルがあります",
       "同名ファイルが存在します",
       [](const Prepared& p) { EXPECT_TRUE(fs::is_empty(p.folder / "resize")); }},
      {"resize write that fails",
       "[Setting]\r\nCreateMode=3\r\n[Resize]\r\nOverWrite=1\r\n",
       {},
       [](Prepared& p) {
         // A folder where a copy goes: the write cannot replace it.
         fs::create_directories(p.folder / "resize" / kPhotos[1] / "x");
       },
       1,
       "エラー：リサイズ画像を書き込めなかったファイルがあります",
       "同名ファイルが存在します",
       [](const Prepared& p) {
         EXPECT_TRUE(fs::is_directory(p.folder / "resize" / kPhotos[1] / "x"));
         EXPECT_TRUE(fs::is_regular_file(p.folder / "resize" / kPhotos[0]));
       }},
      {"resize onto a name that is taken",
       "[Setting]\r\nCreateMode=3\r\n",
       {},
       [](Prepared& p) {
         fs::create_directories(p.folder / "resize");
         WriteBytes(p.folder / "resize" / kPhotos[2], "mine");
       },
       0,
       "終了：同名ファイルが存在します。リサイズされなかったファイルが存在します",
       nullptr,
       [](const Prepared& p) {
         EXPECT_EQ(folio::test::ReadBytes(p.folder / "resize" / kPhotos[2]), "mine");
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Prepared p;
    WriteBytes(p.ini, c.ini);
    c.prepare(p);
    const CliRun run = p.Run(c.args);
    ASSERT_FALSE(run.hung) << run.out;
    EXPECT_EQ(run.status, c.status) << run.out;
    EXPECT_NE(run.out.find(c.line), std::string::npos) << run.out;
    if (c.absent) {
      EXPECT_EQ(run.out.find(c.absent), std::string::npos) << run.out;
    }
    p.ExpectPhotosKept();
    c.check(p);
  }
}

// The settings file cannot ask for such a sheet (its values are range
// checked), but a sheet size that reaches the job anyway is refused before
// anything is allocated: never an abort, never gigabytes.
TEST(OddSettings, SheetTooLargeForMemoryIsRefusedWithAMessage) {
  for (int size : {60000, 2000000000}) {
    SCOPED_TRACE(size);
    TempDir dir;
    for (int i = 1; i <= 2; ++i)
      folio::test::WriteJpeg(dir / ("p" + std::to_string(i) + ".jpg"), 32, 24);
    const auto before = HashTree(dir.path());
    folio::test::TestWindow window;
    window.settings().setting.CreateMode = 2;
    window.settings().compose.PaperSize = u"カスタム";
    window.settings().compose.CreateJpgWidth = size;
    window.settings().compose.CreateJpgHeight = size;
    window.setBatchMode(true);
    EXPECT_EQ(window.RunFolder(dir.u16()), folio::Outcome::kSheetTooLarge);
    ASSERT_EQ(window.statusLines().size(), 1u);
    EXPECT_EQ(window.statusLines()[0], u"    エラー：合成画像のサイズが大きすぎます");
    EXPECT_TRUE(fs::is_empty(dir / "img"));
    fs::remove(dir / "img");
    EXPECT_EQ(HashTree(dir.path()), before);
  }
}

TEST(OddSettings, DoubleDashEndsTheOptions) {
  if (folio::test::SharedPhotosDir().empty()) GTEST_SKIP() << "no shared photos";
  Prepared p;
  const fs::path dash = p.root / "-dash";
  fs::create_directory(dash);
  fs::copy_file(folio::test::SharedPhotosDir() / kPhotos[0], dash / kPhotos[0]);
  const uint64_t before = HashFile(dash / kPhotos[0]);
  WriteBytes(p.ini, "[Setting]\r\nCreateMode=1\r\n");

  const CliRun run = RunCli({"--ini", p.ini.string(), "--", "-dash"}, p.root.path());
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_NE(run.out.find("終了：スライドショーHTMLファイル作成完了"), std::string::npos) << run.out;
  EXPECT_TRUE(fs::is_regular_file(dash / "slideshow.html"));
  EXPECT_EQ(HashFile(dash / kPhotos[0]), before);

  // Without "--" the name is an unknown option, a usage error; after it even
  // "--help" is a folder (which does not exist here).
  EXPECT_EQ(RunCli({"--ini", p.ini.string(), "-dash"}, p.root.path()).status, 64);
  const CliRun help = RunCli({"--ini", p.ini.string(), "--", "--help"}, p.root.path());
  EXPECT_EQ(help.status, 1) << help.out;
  EXPECT_NE(help.out.find("エラー：フォルダではありません"), std::string::npos) << help.out;
}

}  // namespace
