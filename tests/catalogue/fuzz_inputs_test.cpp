// SPDX-License-Identifier: GPL-3.0-or-later
// Replays the kept fuzz inputs (seed corpus and inputs that once failed)
// through the same paths the fuzz targets drive.
#include <gtest/gtest.h>

#include <filesystem>

#include "fuzz/fuzz_runs.h"
#include "support/test_support.h"

namespace folio {
namespace {

namespace fs = std::filesystem;

using Run = bool (*)(const uint8_t*, std::size_t);

void ReplayAll(const std::string& target, Run run) {
  const fs::path root = fs::path(FOLIO_SOURCE_DIR) / "tests" / "fuzz";
  int replayed = 0;
  for (const char* kind : {"corpus", "regressions"}) {
    const fs::path dir = root / kind / target;
    if (!fs::is_directory(dir)) continue;
    for (const auto& entry : fs::directory_iterator(dir)) {
      const std::string bytes = test::ReadBytes(entry.path());
      EXPECT_TRUE(run(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()))
          << entry.path();
      ++replayed;
    }
  }
  EXPECT_GT(replayed, 0) << target;
  std::error_code ec;
  fs::remove(fuzz::ScratchPath(), ec);
}

TEST(FuzzInputs, MakerNote) { ReplayAll("maker_note", fuzz::RunMakerNote); }
TEST(FuzzInputs, ExifItems) { ReplayAll("exif_items", fuzz::RunExifItems); }
TEST(FuzzInputs, ExifFile) { ReplayAll("exif_file", fuzz::RunExifFile); }
TEST(FuzzInputs, ColourProfile) { ReplayAll("colour_profile", fuzz::RunColourProfile); }

}  // namespace
}  // namespace folio
