// SPDX-License-Identifier: GPL-3.0-or-later
// What --list-settings prints, the man page's table and the completions:
// each is drawn from the key table, so none can miss a key or offer one the
// program does not take.
#include "app/settings_listing.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "app/cli_completions.h"
#include "app/cli_options.h"
#include "platform/text.h"
#include "settings/setting_keys.h"

namespace {

int CountOf(const std::string& text, const std::string& part) {
  int count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
    ++count;
  return count;
}

TEST(SettingsListing, OneLineAKeyWithValueDefaultAndRange) {
  folio::Settings settings;
  settings.thumbnail.PhotoNo = 12;
  settings.thumbnail.TopString = u"one\r\ntwo\tthree";
  const std::string listing = folio::SettingsListing(settings);
  std::istringstream lines(listing);
  std::string line;
  std::getline(lines, line);
  EXPECT_EQ(line, "section\tkey\tvalue\tdefault\trange");
  std::size_t rows = 0;
  while (std::getline(lines, line)) {
    ++rows;
    EXPECT_EQ(CountOf(line, "\t"), 4) << line;
  }
  EXPECT_EQ(rows, folio::AllSettingKeys().size());
  EXPECT_NE(listing.find("\nThumbnail\tPhotoNo\t12\t10\t0..10000\n"), std::string::npos);
  EXPECT_NE(listing.find("\nThumbnail\tTopString\tone\\ntwo\\tthree\t"), std::string::npos);
  EXPECT_NE(listing.find("\tSougo\t"), std::string::npos);
}

TEST(SettingsListing, RoffTableHasEveryKeyAndEscapesRoff) {
  const std::string table = folio::SettingsRoffTable();
  EXPECT_TRUE(table.starts_with(".TS\n"));
  EXPECT_TRUE(table.ends_with(".TE\n"));
  for (const folio::SettingKey& key : folio::AllSettingKeys())
    EXPECT_NE(table.find('\n' + folio::ToUtf8(key.section) + '\t' + folio::ToUtf8(key.name) + '\t'),
              std::string::npos)
        << folio::ToUtf8(key.name);
  // No line but the table's own requests may start a roff request.
  std::istringstream lines(table);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.starts_with(".") || line.starts_with("'")) {
      EXPECT_TRUE(line == ".TS" || line == ".TE") << line;
    }
  }
}

TEST(Completions, OfferEveryOptionModeAndKey) {
  const std::string bash = folio::BashCompletion();
  const std::string zsh = folio::ZshCompletion();
  EXPECT_TRUE(zsh.starts_with("#compdef folioscope-cli\n"));
  EXPECT_NE(bash.find("complete -F _folioscope_cli folioscope-cli"), std::string::npos);
  for (const folio::CliOptionSpec& option : folio::CliOptionSpecs()) {
    EXPECT_NE(bash.find(std::string(option.name) + ' '), std::string::npos) << option.name;
    EXPECT_NE(zsh.find(option.name), std::string::npos) << option.name;
  }
  for (std::string_view mode : folio::CliModeNames()) {
    EXPECT_NE(bash.find(mode), std::string::npos);
    EXPECT_NE(zsh.find(mode), std::string::npos);
  }
  for (const folio::SettingKey& key : folio::AllSettingKeys()) {
    const std::string prefix = folio::ToUtf8(key.section) + '.' + folio::ToUtf8(key.name) + '=';
    EXPECT_EQ(CountOf(bash, prefix), 1) << prefix;
    EXPECT_EQ(CountOf(zsh, prefix), 1) << prefix;
  }
}

}  // namespace
