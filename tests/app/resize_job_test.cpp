// SPDX-License-Identifier: GPL-3.0-or-later
// The resize job over a folder: the save-folder rule, copies that are
// kept, cancels, and how each ending is reported.
#include "app/resize_job.h"
#include "app/job_options.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/test_window.h"
#include "imaging/scaled_copy.h"
#include "platform/text.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using folio::test::HashTree;
using folio::test::JpegSize;
using folio::test::ReadBytes;
using folio::test::TempDir;
using folio::test::TestWindow;
using folio::test::WriteBytes;
using folio::test::WriteJpeg;

namespace folio {
namespace {

// ---------------------------------------------------------------- the job

struct JobFolder {
  TempDir root;
  fs::path folder;
  TestWindow host;
  std::vector<std::u16string> fileNames;

  JobFolder() : folder(root / "Trip") {
    fs::create_directory(folder);
    host.setBusy(true);  // as the driver leaves it for the job
    for (const char* name : {"1.jpg", "2.jpg", "3.jpg"}) {
      WriteJpeg(folder / name, 1200, 900, 90, static_cast<unsigned>(fileNames.size() + 1));
      fileNames.push_back(FromUtf8(name));
    }
  }
  void Run() {
    host.Report(RunResizeJob(host, folio::ResizeOptionsOf(host.settings(), FromPath(folder)),
                             FromPath(folder), fileNames));
  }
};

TEST(ResizeJob, WritesEveryCopyIntoTheNamedSaveFolder) {
  JobFolder job;
  job.host.settings().resize.SaveDir = u"%s_small";
  const std::u16string title = job.host.title();
  job.Run();
  for (const char* name : {"1.jpg", "2.jpg", "3.jpg"})
    EXPECT_EQ(JpegSize(job.folder / "Trip_small" / name), std::make_pair(800, 600)) << name;
  EXPECT_EQ(HashTree(job.folder / "Trip_small").size(), 3u);
  ASSERT_EQ(job.host.messages.size(), 1u);
  EXPECT_EQ(job.host.messages[0].text, u"リサイズ完了");
  EXPECT_EQ(job.host.messages[0].caption, u"成功");
  EXPECT_EQ(job.host.progressPos(), 3);
  EXPECT_EQ(job.host.titles().at(2), u"Folioscope (3/3)");
  EXPECT_EQ(job.host.title(), title);

  // Again in a batch: every copy is there, none is replaced.
  job.host.setBatchMode(true);
  const auto before = HashTree(job.folder / "Trip_small");
  job.Run();
  EXPECT_EQ(HashTree(job.folder / "Trip_small"), before);
  ASSERT_EQ(job.host.statusLines().size(), 1u);
  EXPECT_EQ(job.host.statusLines()[0],
            u"    終了：同名ファイルが存在します。リサイズされなかったファイルが存在します");
}

TEST(ResizeJob, OneFileSkippedIsReported) {
  JobFolder job;
  fs::create_directory(job.folder / "resize");
  WriteBytes(job.folder / "resize" / "1.jpg", "already here");
  job.Run();
  EXPECT_EQ(ReadBytes(job.folder / "resize" / "1.jpg"), "already here");
  EXPECT_EQ(JpegSize(job.folder / "resize" / "3.jpg"), std::make_pair(800, 600));
  ASSERT_EQ(job.host.messages.size(), 1u);
  EXPECT_EQ(job.host.messages[0].text,
            u"保存先に同名ファイルが存在します\nリサイズされなかったファイルが存在します");
  EXPECT_EQ(job.host.messages[0].caption, u"成功");
}

TEST(ResizeJob, RefusesASaveFolderThatIsThePhotoFolder) {
  for (const char* saveDir : {".", "Trip/..", "../%s", "/ABS/", "/ABS/."}) {
    JobFolder job;
    std::string text = saveDir;
    const std::string absolute = job.folder.string();
    if (text.rfind("/ABS", 0) == 0) text.replace(0, 4, absolute);
    if (text == "Trip/..") {
      fs::create_directory(job.folder / "Trip");
    }
    job.host.settings().resize.SaveDir = FromUtf8(text);
    job.host.settings().resize.OverWrite = 1;
    job.host.settings().resize.ResizeMode = 0;
    const auto before = HashTree(job.root.path());
    job.Run();
    EXPECT_EQ(HashTree(job.root.path()), before) << saveDir;
    ASSERT_EQ(job.host.messages.size(), 1u) << saveDir;
    EXPECT_EQ(job.host.messages[0].text, u"保存先が元画像のフォルダです") << saveDir;
    EXPECT_EQ(job.host.messages[0].caption, u"エラー");
    EXPECT_EQ(job.host.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(job.host.pumps(), 0);
  }
  JobFolder job;
  job.host.setBatchMode(true);
  job.host.settings().resize.SaveDir = u".";
  job.Run();
  ASSERT_EQ(job.host.statusLines().size(), 1u);
  EXPECT_EQ(job.host.statusLines()[0], u"    エラー：保存先が元画像のフォルダです");
}

TEST(ResizeJob, SaveFolderThatCannotBeMadeIsAnError) {
  JobFolder job;
  WriteBytes(job.folder / "resize", "a file in the way");
  job.host.setBatchMode(true);
  job.Run();
  ASSERT_EQ(job.host.statusLines().size(), 1u);
  EXPECT_EQ(job.host.statusLines()[0], u"    エラー：保存先フォルダを作成できませんでした");
  EXPECT_EQ(job.host.pumps(), 0);
}

TEST(ResizeJob, CancelStopsAfterTheCurrentFile) {
  JobFolder job;
  job.host.onPump = [](folio::test::TestHost& host) { host.setBusy(false); };
  const std::u16string title = job.host.title();
  job.Run();
  EXPECT_TRUE(fs::exists(job.folder / "resize" / "1.jpg"));
  EXPECT_FALSE(fs::exists(job.folder / "resize" / "2.jpg"));
  EXPECT_TRUE(job.host.messages.empty());
  ASSERT_EQ(job.host.statusLines().size(), 1u);  // in the log even outside a batch
  EXPECT_EQ(job.host.statusLines()[0], u"    キャンセル：処理がキャンセルされました");
  EXPECT_EQ(job.host.title(), title);
}

TEST(ResizeJob, NoEncoderReportsFilesNotResized) {
  JobFolder job;
  SetJpegEncoderMissingForTesting(true);
  job.Run();
  SetJpegEncoderMissingForTesting(false);
  EXPECT_TRUE(fs::is_empty(job.folder / "resize"));
  ASSERT_EQ(job.host.messages.size(), 1u);
  EXPECT_EQ(job.host.messages[0].text,
            u"保存先に同名ファイルが存在します\nリサイズされなかったファイルが存在します");
}

}  // namespace
}  // namespace folio
