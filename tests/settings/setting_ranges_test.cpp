// SPDX-License-Identifier: GPL-3.0-or-later
// A settings file written by hand holds any number: a value the options
// dialog (and --set) would refuse is refused at load too, and the field keeps
// the value it had; the ends of every range are taken.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/ini_profile.h"
#include "platform/text.h"
#include "settings/setting_keys.h"
#include "settings/settings.h"
#include "support/test_support.h"

namespace {

using folio::IniProfile;
using folio::Settings;
using folio::test::ReadBytes;
using folio::test::TempDir;

// The file a save of the record writes.
std::string SavedText(const Settings& settings, const TempDir& dir, const char* name) {
  IniProfile profile(dir / name);
  EXPECT_TRUE(folio::SaveSettings(settings, u"", profile));
  return ReadBytes(dir / name);
}

// Every bounded key set to `pick(limit)` in a file, then loaded.
template <typename Pick>
Settings LoadedWithEveryKeyAt(const TempDir& dir, const char* name, Pick pick) {
  {
    IniProfile profile(dir / name);
    for (const folio::SettingKey& entry : folio::AllSettingKeys())
      if (entry.range) {
        EXPECT_TRUE(profile.WriteInt(entry.section, entry.name, pick(*entry.range)));
      }
  }
  IniProfile profile(dir / name);
  Settings loaded;
  folio::LoadSettings(loaded, profile);
  return loaded;
}

TEST(SettingRanges, ValuesOutsideTheRangeKeepTheFieldsValue) {
  TempDir dir;
  const std::string defaults = SavedText(Settings{}, dir, "defaults.ini");
  struct Case {
    const char* name;
    long long (*pick)(folio::IntLimit);
  };
  for (const Case c : {
           Case{"one below", [](folio::IntLimit l) { return l.low - 1LL; }},
           Case{"one above", [](folio::IntLimit l) { return l.high + 1LL; }},
           Case{"very large", [](folio::IntLimit) { return 2000000000LL; }},
           Case{"very small", [](folio::IntLimit) { return -2000000000LL; }},
       }) {
    SCOPED_TRACE(c.name);
    const Settings loaded = LoadedWithEveryKeyAt(
        dir, "odd.ini", [&](folio::IntLimit l) { return static_cast<int>(c.pick(l)); });
    EXPECT_EQ(SavedText(loaded, dir, "after.ini"), defaults);
  }
}

TEST(SettingRanges, BothEndsOfEveryRangeAreTaken) {
  TempDir dir;
  for (const bool high : {false, true}) {
    const Settings loaded =
        LoadedWithEveryKeyAt(dir, high ? "high.ini" : "low.ini",
                             [&](folio::IntLimit l) { return high ? l.high : l.low; });
    const std::string saved = SavedText(loaded, dir, "after.ini");
    for (const folio::SettingKey& entry : folio::AllSettingKeys()) {
      if (!entry.range) continue;
      const std::string line = "\r\n" + folio::ToUtf8(entry.name) + "=" +
                               std::to_string(high ? entry.range->high : entry.range->low) + "\r\n";
      EXPECT_NE(saved.find(line), std::string::npos) << line;
    }
  }
}

// The sizes of a custom sheet from the issue: refused, so the sheet keeps the
// size of the record (and a job never sees 60000 or 2000000000).
TEST(SettingRanges, HugeCustomSheetFromTheFileIsNotTaken) {
  TempDir dir;
  for (const char* size : {"60000", "2000000000"}) {
    folio::test::WriteBytes(dir / "sheet.ini",
                            std::string("[Compose]\r\nPaperSize=\"カスタム\"\r\nCreateJpgWidth=") +
                                size + "\r\nCreateJpgHeight=" + size + "\r\n");
    IniProfile profile(dir / "sheet.ini");
    Settings loaded;
    folio::LoadSettings(loaded, profile);
    EXPECT_EQ(loaded.compose.CreateJpgWidth, 4708) << size;
    EXPECT_EQ(loaded.compose.CreateJpgHeight, 3300) << size;
    EXPECT_EQ(loaded.compose.PaperSize, u"カスタム");
  }
}

}  // namespace
