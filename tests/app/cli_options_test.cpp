// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of folioscope-cli: what it takes, what it refuses, and
// the settings its options change for one run.
#include "app/cli_options.h"
#include "app/cli_text.h"
#include "app/translations.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Args = std::vector<std::string>;

// The messages are checked as written, in English; the rest of the test
// program runs in Japanese.
class InEnglish : public ::testing::Test {
 protected:
  void SetUp() override { folio::InstallTranslation(QStringLiteral("en")); }
  void TearDown() override { folio::InstallTranslation(QStringLiteral("ja")); }
};
class CliOptions : public InEnglish {};

TEST_F(CliOptions, ParsesOptionsAndFolders) {
  std::string error;
  const auto options =
      folio::ParseCliArguments({"--ini", "a.ini", "--mode", "resize", "--set", "Resize.Size=640",
                                "--set", "Setting.Sort=F値", "one", "two"},
                               error);
  ASSERT_TRUE(options) << error;
  EXPECT_EQ(options->iniPath, std::filesystem::path("a.ini"));
  EXPECT_EQ(options->mode, 3);
  EXPECT_EQ(options->sets, (Args{"Resize.Size=640", "Setting.Sort=F値"}));
  EXPECT_EQ(options->folders, (Args{"one", "two"}));
  for (const char* alone : {"--help", "-h", "--version"})
    EXPECT_TRUE(folio::ParseCliArguments({alone}, error)) << alone;
  const auto demo = folio::ParseCliArguments({"--make-demo", "d", "7"}, error);
  ASSERT_TRUE(demo);
  EXPECT_EQ(demo->demoFolder, "d");
  EXPECT_EQ(demo->demoCount, 7);
}

TEST_F(CliOptions, ShortOptionsAndAttachedValuesMeanTheLongForms) {
  std::string error;
  const auto options =
      folio::ParseCliArguments({"--ini=a=b.ini", "-m", "composite", "--set=Compose.SpaceSize=3",
                                "-q", "--dry-run", "--make-demo=d", "2", "--", "--mode=resize"},
                               error);
  ASSERT_TRUE(options) << error;
  EXPECT_EQ(options->iniPath, std::filesystem::path("a=b.ini"));  // split at the first '='
  EXPECT_EQ(options->mode, 2);
  EXPECT_EQ(options->sets, (Args{"Compose.SpaceSize=3"}));
  EXPECT_TRUE(options->quiet);
  EXPECT_TRUE(options->dryRun);
  EXPECT_EQ(options->demoFolder, "d");
  EXPECT_EQ(options->demoCount, 2);
  EXPECT_EQ(options->folders, (Args{"--mode=resize"}));

  const auto modeEquals = folio::ParseCliArguments({"--mode=slideshow", "f"}, error);
  ASSERT_TRUE(modeEquals) << error;
  EXPECT_EQ(modeEquals->mode, 1);
  EXPECT_EQ(folio::ParseCliArguments({"--ini=", "f"}, error)->iniPath, std::filesystem::path());

  const auto version = folio::ParseCliArguments({"-V"}, error);
  ASSERT_TRUE(version);
  EXPECT_TRUE(version->version);
  EXPECT_TRUE(folio::ParseCliArguments({"--list-settings"}, error)->listSettings);
  // The later of -q and -v wins.
  const auto loud = folio::ParseCliArguments({"-q", "--verbose", "f"}, error);
  EXPECT_TRUE(loud->verbose);
  EXPECT_FALSE(loud->quiet);
  const auto hushed = folio::ParseCliArguments({"-v", "--quiet", "f"}, error);
  EXPECT_TRUE(hushed->quiet);
  EXPECT_FALSE(hushed->verbose);
}

TEST_F(CliOptions, ModeNames) {
  const std::pair<const char*, int> modes[] = {
      {"thumbnail", 0}, {"slideshow", 1}, {"composite", 2}, {"resize", 3}};
  for (auto [name, mode] : modes) EXPECT_EQ(folio::ModeOfName(name), mode) << name;
  EXPECT_FALSE(folio::ModeOfName("Thumbnail"));
  EXPECT_FALSE(folio::ModeOfName(""));
}

TEST_F(CliOptions, UsageErrorsSayWhy) {
  struct Case {
    Args args;
    const char* error;
  };
  const Case cases[] = {
      {{}, "no folder given"},
      {{"--ini"}, "--ini needs a value"},
      {{"--set"}, "--set needs a value"},
      {{"--mode", "sheets", "f"},
       "unknown mode 'sheets' (thumbnail, slideshow, composite or resize)"},
      {{"--frobnicate", "f"}, "unknown option --frobnicate"},
      {{"--make-demo", "d", "0"}, "--make-demo needs a count of at least 1"},
      {{"--mode=sheets", "f"}, "unknown mode 'sheets' (thumbnail, slideshow, composite or resize)"},
      {{"-m"}, "-m needs a value"},
      {{"--dry-run=yes", "f"}, "--dry-run takes no value"},
      {{"--quiet"}, "no folder given"},
      {{"-x", "f"}, "unknown option -x"},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_FALSE(folio::ParseCliArguments(c.args, error));
    EXPECT_EQ(error, c.error);
  }
}

TEST_F(CliOptions, SetChangesOneRunsSettingsAfterTheDialogsCheck) {
  struct Case {
    const char* set;
    bool ok;
    const char* error;
  };
  const Case cases[] = {
      {"Resize.Quality=95", true, ""},
      {"Resize.Quality=150", false,
       "--set Resize.Quality=150: Enter an integer between 0 and 100."},
      {"Thumbnail.LinkNo=0", false,
       "--set Thumbnail.LinkNo=0: Enter an integer between 1 and 100."},
      {"Resize.Colour=1", false, "--set Resize.Colour=1: unknown setting Resize.Colour"},
      {"Nowhere.Size=1", false, "--set Nowhere.Size=1: unknown setting Nowhere.Size"},
      {"Setting.Directory=/x", false,
       "--set Setting.Directory=/x: unknown setting Setting.Directory"},
      {"Quality=95", false, "--set takes Section.Key=Value, not 'Quality=95'"},
      {"Resize.Quality", false, "--set takes Section.Key=Value, not 'Resize.Quality'"},
  };
  for (const Case& c : cases) {
    folio::CliOptions options;
    options.sets = {c.set};
    folio::Settings settings;
    std::string error;
    EXPECT_EQ(folio::ApplyCliSettings(options, settings, error), c.ok) << c.set;
    EXPECT_EQ(error, c.error) << c.set;
    if (c.ok) {
      EXPECT_EQ(settings.resize.Quality, 95);
    } else {
      EXPECT_EQ(settings.resize.Quality, folio::Settings{}.resize.Quality) << c.set;
    }
  }
}

TEST_F(CliOptions, SetReadsValuesAsTheSettingsFileDoes) {
  folio::CliOptions options;
  options.mode = folio::kModeSlideshow;
  options.sets = {"SlideShow.Size=320px", "Thumbnail.TopHtml=1", "Resize.Exif=yes",
                  "Setting.Sort=撮影日時", "Thumbnail.Exif=%s\x01%f"};
  folio::Settings settings;
  settings.resize.Exif = 1;
  std::string error;
  ASSERT_TRUE(folio::ApplyCliSettings(options, settings, error)) << error;
  EXPECT_EQ(settings.setting.CreateMode, 1);
  EXPECT_EQ(settings.slideShow.Size, 320);  // the leading number
  EXPECT_EQ(settings.thumbnail.TopHtml, 1);
  EXPECT_EQ(settings.resize.Exif, 0);  // a flag is 1 or it is 0
  EXPECT_EQ(settings.setting.Sort, u"撮影日時");
  EXPECT_EQ(settings.thumbnail.Exif, u"%s\r\n%f");  // line ends as the file keeps them
}

}  // namespace

namespace {

class CliText : public InEnglish {};

TEST_F(CliText, PutsArgumentsInByteForByte) {
  EXPECT_EQ(folio::CliText("wrote %1 demo photos into %2", {"3", "/tmp/\xff\xfe"}),
            "wrote 3 demo photos into /tmp/\xff\xfe");
  // A mark without its argument, or a lone '%', stays as it is.
  EXPECT_EQ(folio::CliText("%2 of %1 at 100%", {"a"}), "%2 of a at 100%");
  EXPECT_EQ(folio::CliText("%1", {"%2"}), "%2");
}

}  // namespace
