// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/job_progress.h"

#include "platform/text.h"

namespace folio {

std::u16string ProgressTitle(int done, int total) {
  return FormatText(u"Folioscope (%d/%d)", {DecimalText(done), DecimalText(total)});
}

JobProgress::JobProgress(JobHost& host, int total)
    : host_(host), total_(total), savedTitle_(host.title()) {}

JobProgress::~JobProgress() { host_.setTitle(savedTitle_); }

void JobProgress::Advance(int done) {
  host_.pumpMessages();
  host_.setTitle(ProgressTitle(done, total_));
  host_.setProgressPos(done);
  host_.showProgress(done, total_);
}

}  // namespace folio
