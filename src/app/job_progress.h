// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The step every job takes after each image: the window gets to handle its
// events, the title shows "Folioscope (done/total)", the bar moves on, and
// the job learns whether it was cancelled. The title is put back when the
// job ends, however it ends.
#include <string>

#include "app/job_host.h"

namespace folio {

// "Folioscope (%d/%d)", the title of the window while a job runs.
std::u16string ProgressTitle(int done, int total);

class JobProgress {
 public:
  JobProgress(JobHost& host, int total);
  ~JobProgress();
  JobProgress(const JobProgress&) = delete;
  JobProgress& operator=(const JobProgress&) = delete;

  // After the `done`-th image.
  void Advance(int done);
  // The user cleared `Busy`.
  bool Cancelled() const { return !host_.busy(); }

 private:
  JobHost& host_;
  int total_;
  std::u16string savedTitle_;
};

}  // namespace folio
