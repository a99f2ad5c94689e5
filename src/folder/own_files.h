// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files a job adds beside a user's own (the default stylesheets): written
// only where nothing of that name lies, and taken away only while their
// bytes are still the ones the job wrote, so a file the user put there or
// edited since is never replaced or deleted.
#include <filesystem>
#include <string_view>

namespace folio {

enum class OwnFileWrite {
  kWritten,
  kLeftAlone,  // an entry of that name (file, link, folder, anything) is there
  kFailed,
};

// Writes `bytes` at `path` when no entry lies there, also none that appears
// while it is written.
OwnFileWrite WriteOwnFileIfAbsent(const std::filesystem::path& path, std::string_view bytes);

// Removes the regular file at `path` (never a link, nor what one points to)
// when it holds exactly `bytes`; true when it was removed. An empty `bytes`
// removes nothing.
bool RemoveOwnFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace folio
