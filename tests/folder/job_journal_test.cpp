// SPDX-License-Identifier: GPL-3.0-or-later
// The thumbnail job's journal as a file: what it holds for a plan of many
// photos. The runs it puts right are in tests/app/killed_run_test.cpp.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/image_record.h"
#include "folder/folder_layout.h"
#include "folder/job_journal.h"
#include "platform/text.h"
#include "support/test_support.h"

using folio::test::ReadBytes;
using folio::test::TempDir;

// The plan of a large folder goes to the disk in pieces: the file holds every
// name in order, whole across the joins, and the plan's end.
TEST(JobJournal, APlanOfManyPhotosIsWrittenWhole) {
  TempDir dir;
  std::vector<folio::ImageRecord> records(10000);
  std::string expected = "folioscope-journal 1\nthumbnail\n";
  for (std::size_t i = 0; i < records.size(); ++i) {
    // Now and then a long name, and one that is not ASCII.
    std::u16string name = u"IMG_" + folio::DecimalText(static_cast<long long>(i)) + u".jpg";
    if (i % 41 == 0) name = std::u16string(200, u'x') + name;
    if (i % 101 == 0) name = u"写真" + name;
    folio::SetField(records[i].fileName, name);
    expected += "photo " + folio::ToUtf8(name) + "\n";
  }
  expected += "end\n";
  ASSERT_GT(expected.size(), 3u * 64 * 1024);
  const auto journal = folio::ThumbnailJournal::Begin(dir.u16(), records);
  ASSERT_TRUE(journal.has_value());
  EXPECT_EQ(ReadBytes(dir / ".folioscope-journal"), expected);
}

// While the job runs the journal records the photos a step ahead, so that it
// is flushed once for several moves, and the pages as they begin. It goes
// with the job, unless the job's undo left photos behind.
TEST(JobJournal, RecordsPhotosAheadInStepsAndGoesWithTheJob) {
  TempDir dir;
  std::vector<folio::ImageRecord> records(20);
  std::string plan = "folioscope-journal 1\nthumbnail\n";
  for (std::size_t i = 0; i < records.size(); ++i) {
    const std::string name = folio::test::PhotoName(static_cast<int>(i) + 1);
    folio::SetField(records[i].fileName, folio::FromUtf8(name));
    plan += "photo " + name + "\n";
  }
  plan += "end\n";
  const auto journalPath = dir / folio::kJournalName;
  for (const bool keep : {false, true}) {
    {
      auto journal = folio::ThumbnailJournal::Begin(dir.u16(), records);
      ASSERT_TRUE(journal.has_value());
      for (int i = 0; i < 8; ++i) ASSERT_TRUE(journal->WillPlace(i));
      EXPECT_EQ(ReadBytes(journalPath), plan + "reached 8\n");
      ASSERT_TRUE(journal->WillPlace(8));
      ASSERT_TRUE(journal->WillWritePage(1));
      ASSERT_TRUE(journal->WillPlace(19));
      EXPECT_EQ(ReadBytes(journalPath), plan + "reached 8\nreached 16\npage 1\nreached 20\n");
      if (keep) journal->Keep();
    }
    EXPECT_EQ(std::filesystem::exists(journalPath), keep);
  }
}
