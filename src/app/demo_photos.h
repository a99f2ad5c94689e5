#pragma once
// A folder of generated photos with Exif data, so that a first run of the
// tool has something to work on.
#include <filesystem>
#include <string>

namespace folio {

bool WriteDemoPhotos(const std::filesystem::path& folder, int count, std::string& error);

}  // namespace folio
