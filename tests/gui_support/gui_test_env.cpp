// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui_support/gui_test_env.h"

#include <gtest/gtest.h>

#include "app/translations.h"

namespace {

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "folio_gui_test";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QApplication>(argc, argv);
    // The widget tests read labels and boxes in Japanese; a test of another
    // language switches for its own length (ScopedLanguage).
    ASSERT_TRUE(folio::InstallTranslation(QStringLiteral("ja")));
  }
  void TearDown() override {
    folio::InstallTranslation(QStringLiteral("en"));
    app_.reset();
  }

 private:
  std::unique_ptr<QApplication> app_;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
