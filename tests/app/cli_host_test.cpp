// Ctrl-C in folioscope-cli: each press is taken once, at the next pump. One
// press cancels the running job and the batch goes on; a second press also
// stops the batch after the current folder.
#include "app/cli_host.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <vector>

#include "app/drop_batch.h"
#include "platform/text.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using folio::test::HashTree;
using folio::test::TempDir;

namespace {

struct CliBatch {
  TempDir root;
  std::vector<std::u16string> paths;
  std::vector<std::map<std::string, uint64_t>> before;
  folio::CliHost host;
  folio::Settings settings;

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
    host.onPump = [pressAt](folio::BasicJobHost& h) {
      for (int at : pressAt)
        if (h.pumps() == at) std::raise(SIGINT);
    };
    const folio::InterruptCatcher catcher;
    folio::RunDropBatch(host, host, settings, paths);
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
  EXPECT_EQ(batch.host.statusLines(), expected);
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
  EXPECT_EQ(batch.host.statusLines(), expected);
  EXPECT_EQ(batch.host.statusButton(), u"閉じる");
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

// The command line sets a title a photo; a folder of 10,000 photos must not
// keep 10,000 of them. The window's own title still follows.
TEST(CliHost, KeepsNoHistoryOfTitles) {
  TempDir root;
  for (int i = 0; i < 3; ++i)
    folio::test::WriteJpeg(root / ("IMG_000" + std::to_string(i) + ".jpg"), 40, 30, 80,
                           static_cast<unsigned>(i));
  folio::CliHost host;
  folio::Settings settings;
  std::u16string seen;
  host.onPump = [&](folio::BasicJobHost& h) { seen = h.title(); };
  folio::RunDropBatch(host, host, settings, {folio::FromPath(root.path())});
  EXPECT_TRUE(fs::exists(root / "page1.html"));
  EXPECT_EQ(seen, u"Folioscope (2/3)") << "the title shown at the last pump";
  EXPECT_TRUE(host.titles().empty());
}
