// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shell completions of folioscope-cli, written at build time from the
// parser's option table, the mode names and the settings key table, so that
// they offer exactly what the program takes.
#include <string>

namespace folio {

std::string BashCompletion();
std::string ZshCompletion();

}  // namespace folio
