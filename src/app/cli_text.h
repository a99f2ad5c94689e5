// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line's own texts (usage, option errors, progress, dry-run
// lines) in the user's language: English in the code, translations under
// the context "Cli". The status lines of jobs come from the outcomes.
#include <QtGlobal>  // QT_TRANSLATE_NOOP, which marks a text for lupdate

#include <initializer_list>
#include <string>
#include <string_view>

namespace folio {

// The translation of `source` as UTF-8, with %1, %2, ... replaced by
// `arguments` byte for byte (a folder name need not be valid UTF-8).
std::string CliText(const char* source, std::initializer_list<std::string_view> arguments = {});

}  // namespace folio
