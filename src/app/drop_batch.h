// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A drop of one or more folders: one folder job per path, reported into the
// status log, stoppable between folders, with Top.html and Menu.html for a
// thumbnail-page batch.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/batch_view.h"
#include "app/job_host.h"
#include "app/job_outcome.h"
#include "platform/random_generator.h"
#include "settings/settings.h"

namespace folio {

// The outcome of every folder the batch reached, in order, and a failed
// write of Top.html or Menu.html where it happened. `random` is the caller's
// generator: the next batch goes on from where this one left it.
std::vector<Outcome> RunDropBatch(JobHost& host, BatchView& view, Settings& settings,
                                  const std::vector<std::u16string>& paths,
                                  RandomGenerator& random);

// The outcome's line in the status log (nothing for one that says nothing).
void LogOutcome(BatchView& view, Outcome outcome);

// The two pages are written only for a thumbnail-page batch with `TopHtml`
// on that makes pages (`Sougo` not 2).
bool TopPagesWanted(const Settings& settings);

// What WriteTopPage did, so that a stopped batch can put it back.
struct TopPageWrite {
  std::filesystem::path path;
  std::optional<std::string> previous;  // the bytes of a Top.html it replaced
};

// Top.html beside `folder`: a frameset with Menu.html on the left and the
// folder's page1.html on the right. Nothing when it was not written;
// `failed` tells a write that failed from one that was not wanted.
std::optional<TopPageWrite> WriteTopPage(const Settings& settings, std::u16string_view folder,
                                         bool& failed);
// The menu line of `folder`.
void AppendMenuLink(const Settings& settings, std::u16string_view folder, std::u16string& menuText);
// Closes the menu text and writes Menu.html beside `folder`; false when it
// was wanted and could not be written. `shownFolder` is the one the
// frameset opens, which the non-classic menu marks.
bool WriteMenuPage(const Settings& settings, std::u16string_view folder,
                   std::u16string_view shownFolder, std::u16string& menuText);
// Undoes WriteTopPage: removes the Top.html it wrote, or restores the one it
// replaced. A Top.html this batch did not write is never touched.
void DeleteTopPage(const std::optional<TopPageWrite>& written);

}  // namespace folio
