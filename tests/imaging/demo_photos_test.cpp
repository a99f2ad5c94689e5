// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/demo_photos.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_support.h"

namespace fs = std::filesystem;
using folio::test::ReadBytes;
using folio::test::TempDir;

TEST(DemoPhotos, NeverWritesOverAPhotoThatIsThere) {
  TempDir dir;
  folio::test::WriteJpeg(dir / "demo_002.jpg", 32, 24);
  const std::string before = ReadBytes(dir / "demo_002.jpg");
  std::string error;
  EXPECT_FALSE(folio::WriteDemoPhotos(dir.path(), 3, error));
  EXPECT_NE(error.find("demo_002.jpg"), std::string::npos);
  EXPECT_EQ(ReadBytes(dir / "demo_002.jpg"), before);
  EXPECT_FALSE(fs::exists(dir / "demo_001.jpg"));  // nothing written at all
}
