// SPDX-License-Identifier: GPL-3.0-or-later
// The key rows against the file a save writes: every row is one line, in
// order, in the form its kind says; every stored field finds its own row;
// the defaults lie within their ranges.
#include "settings/setting_keys.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/ini_profile.h"
#include "platform/text.h"
#include "settings/coded_values.h"
#include "settings/paper_sizes.h"
#include "support/test_support.h"

namespace {

using folio::KeyKind;
using folio::SettingKey;

struct Line {
  std::string section, name, value;
};

// The sections and key lines of a file, in order.
std::vector<Line> LinesOf(const std::string& text) {
  std::vector<Line> lines;
  std::string section;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find("\r\n", at);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(at, end - at);
    at = end + 2;
    if (!line.empty() && line.front() == '[') {
      section = line.substr(1, line.size() - 2);
    } else if (const std::size_t equals = line.find('='); equals != std::string::npos) {
      lines.push_back({section, line.substr(0, equals), line.substr(equals + 1)});
    }
  }
  return lines;
}

bool IsQuoted(const std::string& value) {
  return value.size() >= 2 && value.front() == '"' && value.back() == '"';
}

TEST(SettingKeys, EveryRowIsOneLineOfTheSavedFileInOrder) {
  folio::test::TempDir dir;
  folio::Settings defaults;
  {
    folio::IniProfile profile(dir / "new.ini");
    ASSERT_TRUE(folio::SaveSettings(defaults, u"", profile));
  }
  const std::vector<Line> lines = LinesOf(folio::test::ReadBytes(dir / "new.ini"));
  // A new file groups the keys by section, each in the rows' order.
  std::vector<const SettingKey*> rows;
  for (const char16_t* section : {u"Thumbnail", u"Compose", u"Setting", u"SlideShow", u"Resize"})
    for (const SettingKey& key : folio::AllSettingKeys())
      if (key.section == section) rows.push_back(&key);
  ASSERT_EQ(rows.size(), folio::AllSettingKeys().size());
  ASSERT_EQ(lines.size(), rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const SettingKey& key = *rows[i];
    const Line& line = lines[i];
    SCOPED_TRACE(line.section + "." + line.name);
    EXPECT_EQ(folio::ToUtf8(key.section), line.section);
    EXPECT_EQ(folio::ToUtf8(key.name), line.name);
    EXPECT_EQ(folio::FindSettingKey(key.section, key.name), &key);
    switch (key.kind) {
      case KeyKind::kInt:
        EXPECT_EQ(line.value, std::to_string(key.defaultNumber()));
        if (key.range) {
          EXPECT_TRUE(key.range->contains(key.defaultNumber()));
        }
        break;
      case KeyKind::kFlag:
        EXPECT_EQ(line.value, key.defaultNumber() != 0 ? "1" : "0");
        EXPECT_EQ(key.absentFlag, key.defaultNumber());
        break;
      case KeyKind::kText:
      case KeyKind::kLines:
        EXPECT_TRUE(IsQuoted(line.value));
        EXPECT_EQ(line.value, "\"" + folio::ToUtf8(key.defaultText()) + "\"");
        break;
      case KeyKind::kDirectory: EXPECT_EQ(line.value, "\"\""); break;
    }
    EXPECT_EQ(key.range.has_value() && key.kind != KeyKind::kInt, false);
  }
}

// Each field finds the row of its own key: a row pointing at a neighbour's
// field would load and save the wrong value under the right name.
TEST(SettingKeys, FieldsFindTheirOwnRows) {
  using folio::ComposeSettings;
  using folio::ResizeSettings;
  using folio::SettingSettings;
  using folio::SlideShowSettings;
  using folio::ThumbnailSettings;
  struct Case {
    const SettingKey& key;
    const char16_t* section;
    const char16_t* name;
  };
  const Case cases[] = {
      {folio::KeyOf(&ThumbnailSettings::PhotoNo), u"Thumbnail", u"PhotoNo"},
      {folio::KeyOf(&ThumbnailSettings::Exif), u"Thumbnail", u"Exif"},
      {folio::KeyOf(&ThumbnailSettings::AutoRotate), u"Thumbnail", u"AutoRotate"},
      {folio::KeyOf(&ComposeSettings::CreateJpgWidth), u"Compose", u"CreateJpgWidth"},
      {folio::KeyOf(&ComposeSettings::Position), u"Compose", u"Position"},
      {folio::KeyOf(&SettingSettings::NoDDtoRun), u"Setting", u"NoD&DtoRun"},
      {folio::KeyOf(&SettingSettings::Threads), u"Setting", u"Threads"},
      {folio::KeyOf(&SlideShowSettings::Size), u"SlideShow", u"Size"},
      {folio::KeyOf(&SlideShowSettings::TopString), u"SlideShow", u"TopString"},
      {folio::KeyOf(&ResizeSettings::Size), u"Resize", u"Size"},
      {folio::KeyOf(&ResizeSettings::Exif), u"Resize", u"Exif"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.key.section, c.section);
    EXPECT_EQ(c.key.name, c.name);
  }
  // Every row, found again through its own field of a record.
  folio::Settings record;
  for (const SettingKey& key : folio::AllSettingKeys()) {
    if (key.kind == KeyKind::kDirectory) continue;
    const void* field = key.number
                            ? static_cast<const void*>(key.number(folio::detail::ProbeRecord()))
                            : static_cast<const void*>(key.text(folio::detail::ProbeRecord()));
    EXPECT_EQ(&folio::detail::KeyAtField(field), &key) << folio::ToUtf8(key.name);
  }
  EXPECT_EQ(folio::RangeOf(&ThumbnailSettings::PhotoNo).high, 10000);
  EXPECT_EQ(folio::RangeOf(&SettingSettings::Threads).high, folio::kMaxThreads);
  // Not stored, or stored without a range: a mistake of the caller, said loudly.
  EXPECT_THROW(folio::KeyOf(&ComposeSettings::rememberedCustomWidth), std::logic_error);
  EXPECT_THROW(folio::RangeOf(&ThumbnailSettings::Sougo), std::logic_error);
}

TEST(CodedValues, StoredNumbersConvertBothWays) {
  for (int stored = 0; stored < 4; ++stored)
    EXPECT_EQ(folio::StoredJobMode(*folio::JobModeFromStored(stored)), stored);
  for (const int unknown : {-1, 4, 100}) EXPECT_FALSE(folio::JobModeFromStored(unknown));
  struct Case {
    int stored;
    folio::RewindPolicy policy;
  };
  for (const Case c :
       {Case{0, folio::RewindPolicy::kRewindAndPages}, Case{1, folio::RewindPolicy::kPagesOnly},
        Case{2, folio::RewindPolicy::kRewindOnly}, Case{3, folio::RewindPolicy::kRewindAndPages},
        Case{-5, folio::RewindPolicy::kRewindAndPages}}) {
    EXPECT_EQ(folio::RewindPolicyFromStored(c.stored), c.policy) << c.stored;
  }
  EXPECT_EQ(folio::StoredRewindPolicy(folio::RewindPolicy::kRewindOnly), 2);
}

TEST(CodedValues, TitlePositionTexts) {
  using Place = folio::TitlePosition::Place;
  struct Case {
    const char16_t* text;
    folio::TitlePosition position;
  };
  const Case cases[] = {
      {u"中央", {Place::kCentre}},
      {u"左上", {Place::kTopLeft}},
      {u"右上", {Place::kTopRight}},
      {u"左下", {Place::kBottomLeft}},
      {u"右下", {Place::kBottomRight}},
      {u"ランダム", {Place::kRandom}},
      {u"2:3", {Place::kCell, 2, 3}},
      {u" 4:x", {Place::kCell, 4, 0}},  // as atoi reads each side
      {u"-1:+2", {Place::kCell, -1, 2}},
      {u"99999999999999:1", {Place::kCell, 1000000000, 1}},  // never wraps round
      {u":3", {}},                                           // a colon in first place is not one
      {u"", {}},
      {u"中央 ", {}},
      {u"middle", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(folio::ToUtf8(c.text));
    EXPECT_EQ(folio::TitlePositionFromText(c.text), c.position);
  }
  for (const Case& c : cases) {
    const std::u16string text = folio::TitlePositionText(c.position);
    EXPECT_EQ(folio::TitlePositionFromText(text), c.position) << folio::ToUtf8(text);
  }
}

TEST(CodedValues, PaperSizesAndTheirSheets) {
  struct Case {
    const char16_t* text;
    int width, height;
  };
  const Case cases[] = {
      {u"L版（89×127）", 4708, 3300},
      {u"はがき（102×152）", 4917, 3300},
      {u"A4（210×297）", 4653, 3300},
      {u"八切（165×216）", 4320, 3300},
      {u"六切（203×254）", 4129, 3300},
      {u"四切（254×305）", 3962, 3300},
      {u"半切（356×432）", 4004, 3300},
      {u"カスタム", 1234, 567},
      {u"B5", 4708, 3300},  // no paper: the L size
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(folio::ToUtf8(c.text));
    folio::ComposeSettings compose;
    compose.PaperSize = c.text;
    compose.CreateJpgWidth = 1234;
    compose.CreateJpgHeight = 567;
    const folio::SheetSize sheet = folio::SheetSizeOf(compose);
    EXPECT_EQ(sheet.width, c.width);
    EXPECT_EQ(sheet.height, c.height);
    if (const auto paper = folio::PaperSizeFromText(c.text)) {
      EXPECT_EQ(folio::PaperSizeText(*paper), std::u16string_view(c.text));
    }
  }
}

}  // namespace
