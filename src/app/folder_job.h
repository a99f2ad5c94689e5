// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One processing run over one folder: list its JPEG files, prepare the window,
// build the catalogue, run the job of the mode, finish.
#include <optional>
#include <string>
#include <vector>

#include "app/job_host.h"
#include "app/job_outcome.h"
#include "platform/random_generator.h"
#include "settings/coded_values.h"
#include "settings/settings.h"

namespace folio {

struct CompositeParams;


// Puts right what a run killed in the folder left there (see job_journal.h):
// the outcome to report, or nullopt when there was nothing to do. Every
// caller of RunFolderJob calls it first, so that it can report it.
std::optional<Outcome> RecoverFolder(std::u16string_view folder);

// What one run over a folder said: what a killed run left there was put
// right (when it was), then how the run ended.
struct FolderRunOutcome {
  std::optional<Outcome> recovered;
  Outcome outcome = Outcome::kNoJob;
};

// The folder job as every caller runs it (window, drop batch, command line):
// under the folder's lock, after putting right what a killed run left. A
// folder that another run holds is refused untouched; a finished rewind or a
// recovery that could not be done ends the run.
FolderRunOutcome RunFolderJobLocked(JobHost& host, const Settings& settings,
                                    std::u16string_view folder, RandomGenerator& random);

// What RunFolderJobLocked would do with the folder as it stands, found
// without making, changing or locking anything there.
struct FolderPlan {
  enum class Action {
    kMakePages,
    kMakeSlideshow,
    kMakeSheets,
    kResize,
    kRewind,
    kRecover,        // a killed run's journal is there: put right first
    kNothing,        // no job of the mode, or the settings ask for none
    kRefuseInUse,    // another run holds the folder
    kRefuseNotOurs,  // a job folder, the lock's or a journal's name is not ours
    kRefuseNotAFolder,
    kRefuseNoPhotos,
  };
  Action action = Action::kNothing;
  int photos = 0;  // the JPEG files the job would take
};
FolderPlan PlanFolderRun(const Settings& settings, std::u16string_view folder);

// Runs the job of `CreateMode` on the folder; the settings are only read.
// `random` is the generator of whoever runs the batch, seeded once at its
// start: the catalogue draws the photos' random keys from it.
Outcome RunFolderJob(JobHost& host, const Settings& settings, std::u16string_view folder,
                     RandomGenerator& random);

// The sub-folders of the mode, the busy look and flag, the progress range.
void PrepareJob(JobHost& host, const Settings& settings, std::u16string_view folder, int count,
                CompositeParams& params);
void FinishJob(JobHost& host);

}  // namespace folio
