// SPDX-License-Identifier: GPL-3.0-or-later
// The job tests check the status lines and boxes in Japanese, the language
// the tool was made in: the whole program runs with the ja translation, and
// so does the command-line program that some of them start.
#include <gtest/gtest.h>

#include "app/translations.h"
#include "imaging/image_ops.h"

namespace {

class JapaneseTextsEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    // LC_MESSAGES picks the language of the programs these tests start, and
    // leaves the rest of the locale (which the font lookup follows) alone.
    qputenv("LC_MESSAGES", "ja_JP.UTF-8");
    for (const char* name : {"LANGUAGE", "LC_ALL"}) qunsetenv(name);
    // The application the sheets draw their titles with, as in the programs.
    folio::EnsureGuiApplication();
    ASSERT_TRUE(folio::InstallTranslation(QStringLiteral("ja")));
  }
  void TearDown() override { folio::InstallTranslation(QStringLiteral("en")); }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new JapaneseTextsEnvironment);

}  // namespace
