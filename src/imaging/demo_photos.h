// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A folder of generated photos with Exif data, so that a first run of the
// tool has something to work on.
#include <filesystem>
#include <string>

namespace folio {

// Writes demo_001.jpg onwards; refuses (and writes nothing) when a file of
// one of those names is already there.
bool WriteDemoPhotos(const std::filesystem::path& folder, int count, std::string& error);

}  // namespace folio
