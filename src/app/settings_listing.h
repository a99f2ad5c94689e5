// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings file's keys as the command line lists them and as the man
// page's table shows them, both drawn from the one key table.
#include <string>

#include "settings/settings.h"

namespace folio {

// One tab-separated line per key, after a heading line: section, key, the
// value in `settings`, the default and the range ("10..100000", "0|1",
// "text", "lines" or "folder"). Line ends inside a text show as "\n".
std::string SettingsListing(const Settings& settings);

// The same keys (without current values) as a tbl table for roff.
std::string SettingsRoffTable();

}  // namespace folio
