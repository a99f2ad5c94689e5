// SPDX-License-Identifier: GPL-3.0-or-later
// The window's rule for where an outcome is reported: the status log in a
// batch; otherwise a message box, or the log for an outcome without a box.
#include "app/job_outcome.h"

#include <gtest/gtest.h>

namespace {

using folio::Outcome;
using folio::ReportChannel;

TEST(ReportChannelOf, BatchLogsEveryLineOutsideOneABoxWhereThereIsOne) {
  struct Case {
    Outcome outcome;
    ReportChannel inBatch, outside;
  };
  constexpr ReportChannel kLine = ReportChannel::kStatusLine;
  constexpr ReportChannel kBox = ReportChannel::kMessageBox;
  constexpr ReportChannel kNone = ReportChannel::kNone;
  const Case cases[] = {
      {Outcome::kPagesMade, kLine, kBox},
      {Outcome::kNoPhotos, kLine, kBox},
      {Outcome::kSheetsFailed, kLine, kBox},
      {Outcome::kCancelled, kLine, kLine},     // no box: the log even outside a batch
      {Outcome::kPagesNotMade, kLine, kLine},  // likewise
      {Outcome::kInterruptedJobUndone, kLine, kLine},
      {Outcome::kSheetsCancelled, kLine, kNone},  // the composite cancel: a batch's alone
      {Outcome::kNoJob, kNone, kNone},            // says nothing
  };
  for (const Case& c : cases) {
    EXPECT_EQ(folio::ReportChannelOf(c.outcome, true), c.inBatch) << static_cast<int>(c.outcome);
    EXPECT_EQ(folio::ReportChannelOf(c.outcome, false), c.outside) << static_cast<int>(c.outcome);
  }
}

}  // namespace
