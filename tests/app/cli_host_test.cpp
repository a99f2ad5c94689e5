// SPDX-License-Identifier: GPL-3.0-or-later
// Ctrl-C in folioscope-cli: each press is taken once, at the next pump. One
// press cancels the running job and the batch goes on; a second press also
// stops the batch after the current folder.
#include "app/cli_host.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <vector>

#include "app/drop_batch.h"
#include "platform/random_generator.h"
#include "platform/text.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using folio::test::HashTree;
using folio::test::TempDir;

namespace {

// The command line's host as a test watches it: the lines it prints, the
// status button and the pumps, with a hook that runs before the host takes
// the signals of a pump.
class WatchedCliHost : public folio::CliHost {
 public:
  WatchedCliHost() : CliHost([this](std::u16string_view line) { lines.emplace_back(line); }) {}
  void pumpMessages() override {
    ++pumps;
    if (onPump) onPump(*this);
    CliHost::pumpMessages();
  }
  void setStatusButton(std::u16string_view caption, bool enabled) override {
    statusButton = caption;
    CliHost::setStatusButton(caption, enabled);
  }

  std::vector<std::u16string> lines;
  std::u16string statusButton;
  int pumps = 0;
  std::function<void(WatchedCliHost&)> onPump;
};

struct CliBatch {
  TempDir root;
  std::vector<std::u16string> paths;
  std::vector<std::map<std::string, uint64_t>> before;
  WatchedCliHost host;
  folio::Settings settings;
  folio::RandomGenerator random;

  CliBatch() {
    for (const char* name : {"Spring", "Summer", "Autumn"}) {
      fs::create_directories(root / name);
      for (int i = 0; i < 2; ++i)
        folio::test::WriteJpeg(root / name / ("IMG_000" + std::to_string(i) + ".jpg"), 40, 30, 80,
                               static_cast<unsigned>(i));
      paths.push_back(folio::FromPath(root / name));
      before.push_back(HashTree(root / name));
    }
    settings.thumbnail.PhotoNo = 1;  // a page, and a pump, per photo
  }
  // Ctrl-C pressed at the given pumps (2 pumps per folder).
  void Run(std::vector<int> pressAt) {
    host.onPump = [pressAt](WatchedCliHost& h) {
      for (int at : pressAt)
        if (h.pumps == at) std::raise(SIGINT);
    };
    const folio::InterruptCatcher catcher;
    folio::RunDropBatch(host, host, settings, paths, random);
    presses = folio::InterruptCatcher::count();
  }
  bool Done(const char* name) const { return fs::exists(root / name / "page2.html"); }
  int presses = 0;
};

}  // namespace

TEST(CliHost, OnePressCancelsOnlyTheRunningJob) {
  CliBatch batch;
  batch.Run({1});
  EXPECT_EQ(batch.presses, 1);
  EXPECT_EQ(HashTree(batch.root / "Spring"), batch.before[0]);  // undone
  EXPECT_TRUE(batch.Done("Summer"));
  EXPECT_TRUE(batch.Done("Autumn"));
  const std::vector<std::u16string> expected = {
      batch.paths[0] + u" (1/3)", u"    キャンセル：処理がキャンセルされました",
      batch.paths[1] + u" (2/3)", u"    終了：サムネイルHTMLファイル作成完了",
      batch.paths[2] + u" (3/3)", u"    終了：サムネイルHTMLファイル作成完了"};
  EXPECT_EQ(batch.host.lines, expected);
}

TEST(CliHost, SecondPressAlsoStopsTheBatch) {
  CliBatch batch;
  batch.Run({1, 3});  // first photo of Spring, first photo of Summer
  EXPECT_EQ(batch.presses, 2);
  EXPECT_EQ(HashTree(batch.root / "Spring"), batch.before[0]);
  EXPECT_EQ(HashTree(batch.root / "Summer"), batch.before[1]);
  EXPECT_EQ(HashTree(batch.root / "Autumn"), batch.before[2]);  // never started
  const std::vector<std::u16string> expected = {
      batch.paths[0] + u" (1/3)", u"    キャンセル：処理がキャンセルされました",
      batch.paths[1] + u" (2/3)", u"キャンセルされました。次のフォルダ以降中止します。",
      u"    キャンセル：処理がキャンセルされました"};
  EXPECT_EQ(batch.host.lines, expected);
  EXPECT_EQ(batch.host.statusButton, u"閉じる");
}

TEST(CliHost, CatcherPutsThePreviousHandlerBack) {
  auto* const before = std::signal(SIGINT, SIG_IGN);
  { const folio::InterruptCatcher catcher; }
  EXPECT_EQ(std::signal(SIGINT, before), SIG_IGN);
}

TEST(CliHostDeathTest, ThirdPressEndsTheProgram) {
  EXPECT_EXIT(
      {
        const folio::InterruptCatcher catcher;
        for (int i = 0; i < 3; ++i) std::raise(SIGINT);
        std::exit(0);
      },
      ::testing::KilledBySignal(SIGINT), "");
}

// The command line sets a title a photo and keeps only the last one; the
// window's own title follows, and comes back when the job ends.
TEST(CliHost, TitleFollowsTheJobAndComesBack) {
  TempDir root;
  for (int i = 0; i < 3; ++i)
    folio::test::WriteJpeg(root / ("IMG_000" + std::to_string(i) + ".jpg"), 40, 30, 80,
                           static_cast<unsigned>(i));
  WatchedCliHost host;
  folio::Settings settings;
  folio::RandomGenerator random;
  std::u16string seen;
  host.onPump = [&](WatchedCliHost& h) { seen = h.title(); };
  folio::RunDropBatch(host, host, settings, {folio::FromPath(root.path())}, random);
  EXPECT_TRUE(fs::exists(root / "page1.html"));
  EXPECT_EQ(seen, u"Folioscope (2/3)") << "the title shown at the last pump";
  EXPECT_EQ(host.title(), u"Folioscope Ver3.75");
}
