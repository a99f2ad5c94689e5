#pragma once
// A drop of one or more folders: one folder job per path, reported into the
// status log, stoppable between folders, with Top.html and Menu.html for a
// thumbnail-page batch.
#include <string>
#include <vector>

#include "app/job_host.h"

namespace folio {

void RunDropBatch(JobHost& host, const std::vector<std::u16string>& paths);

}  // namespace folio
