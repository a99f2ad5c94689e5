// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings.h"

#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <system_error>

#include "platform/files.h"
#include "platform/ini_profile.h"
#include "platform/text.h"
#include "settings/coded_values.h"
#include "settings/setting_keys.h"

namespace folio {

namespace {

constexpr std::u16string_view kThumbnail = u"Thumbnail";
constexpr std::u16string_view kCompose = u"Compose";
constexpr std::u16string_view kSetting = u"Setting";
constexpr std::u16string_view kSlideShow = u"SlideShow";
constexpr std::u16string_view kResize = u"Resize";

// The file keeps a multi-line text on one line, each line end as U+0001.
std::u16string LinesToStored(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
      out.push_back(u'\x01');
      ++i;
    } else if (text[i] == u'\r' || text[i] == u'\n') {
      // A lone break (from a text edited elsewhere) is a line end too; kept
      // raw it would split the profile line.
      out.push_back(u'\x01');
    } else {
      out.push_back(text[i]);
    }
  }
  return out;
}

std::u16string StoredToLines(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (char16_t c : text) {
    if (c == u'\x01')
      out += u"\r\n";
    else
      out.push_back(c);
  }
  return out;
}

std::u16string Quoted(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size() + 2);
  out.push_back(u'"');
  out.append(text);
  out.push_back(u'"');
  return out;
}

template <auto Group, auto Member>
int* IntField(Settings& settings) {
  return &((settings.*Group).*Member);
}
template <auto Group, auto Member>
std::u16string* TextField(Settings& settings) {
  return &((settings.*Group).*Member);
}

template <auto Group, auto Member>
constexpr SettingKey Int(std::u16string_view section, std::u16string_view name,
                         std::optional<IntLimit> range = std::nullopt) {
  return {section, name, KeyKind::kInt, range, 0, &IntField<Group, Member>, nullptr};
}
template <auto Group, auto Member, int Absent = 0>
constexpr SettingKey Flag(std::u16string_view section, std::u16string_view name) {
  return {section, name, KeyKind::kFlag, std::nullopt, Absent, &IntField<Group, Member>, nullptr};
}
template <auto Group, auto Member>
constexpr SettingKey Text(std::u16string_view section, std::u16string_view name) {
  return {section, name, KeyKind::kText, std::nullopt, 0, nullptr, &TextField<Group, Member>};
}
template <auto Group, auto Member>
constexpr SettingKey Lines(std::u16string_view section, std::u16string_view name) {
  return {section, name, KeyKind::kLines, std::nullopt, 0, nullptr, &TextField<Group, Member>};
}

constexpr auto T = &Settings::thumbnail;
constexpr auto C = &Settings::compose;
constexpr auto S = &Settings::setting;
constexpr auto SS = &Settings::slideShow;
constexpr auto R = &Settings::resize;
using TS = ThumbnailSettings;
using CS = ComposeSettings;
using SE = SettingSettings;
using SL = SlideShowSettings;
using RS = ResizeSettings;

// Every key in write order. The order fixes the layout of a new file: each
// key joins the end of its section and each section the end of the file,
// which gives the sections Thumbnail, Compose, Setting, SlideShow, Resize.
constexpr SettingKey kKeys[] = {
    Int<T, &TS::PhotoNo>(kThumbnail, u"PhotoNo", IntLimit{0, 10000}),
    Int<T, &TS::PhotoSize>(kThumbnail, u"PhotoSize", IntLimit{10, 10000}),
    Int<T, &TS::LinkNo>(kThumbnail, u"LinkNo", IntLimit{1, 100}),
    Int<T, &TS::LineNo>(kThumbnail, u"LineNo", IntLimit{1, 100}),

    Int<C, &CS::JpgNumberH>(kCompose, u"JpgNumberH", IntLimit{1, 1000}),
    Int<C, &CS::JpgNumberW>(kCompose, u"JpgNumberW", IntLimit{1, 10000}),
    Int<C, &CS::SpaceSize>(kCompose, u"SpaceSize", IntLimit{0, 1000}),
    Int<C, &CS::BlankColorRed>(kCompose, u"BlankColorRed", IntLimit{0, 255}),
    Int<C, &CS::BlankColorGreen>(kCompose, u"BlankColorGreen", IntLimit{0, 255}),
    Int<C, &CS::BlankColorBlue>(kCompose, u"BlankColorBlue", IntLimit{0, 255}),
    Int<C, &CS::CreateJpgHeight>(kCompose, u"CreateJpgHeight", IntLimit{0, 10000}),
    Int<C, &CS::CreateJpgWidth>(kCompose, u"CreateJpgWidth", IntLimit{0, 10000}),
    Int<C, &CS::JpgQuality>(kCompose, u"JpgQuality", IntLimit{0, 100}),
    Int<C, &CS::TitleColorR>(kCompose, u"TitleColorR", IntLimit{0, 255}),
    Int<C, &CS::TitleColorG>(kCompose, u"TitleColorG", IntLimit{0, 255}),
    Int<C, &CS::TitleColorB>(kCompose, u"TitleColorB", IntLimit{0, 255}),
    Int<C, &CS::TitleFontSize>(kCompose, u"TitleFontSize", IntLimit{1, 255}),

    Int<S, &SE::CreateMode>(kSetting, u"CreateMode"),

    Int<SS, &SL::Speed>(kSlideShow, u"Speed", IntLimit{100, 100000}),
    Int<SS, &SL::Size>(kSlideShow, u"Size", IntLimit{10, 100000}),

    Int<C, &CS::Multiple>(kCompose, u"Multiple", IntLimit{1, 100}),
    Int<C, &CS::MultipleX>(kCompose, u"MultipleX", IntLimit{1, 100}),
    Int<C, &CS::MultipleY>(kCompose, u"MultipleY", IntLimit{1, 100}),

    Int<R, &RS::Quality>(kResize, u"Quality", IntLimit{0, 100}),
    Int<R, &RS::Size>(kResize, u"Size", IntLimit{1, 10000}),
    Int<R, &RS::ResizeMode>(kResize, u"ResizeMode"),
    Int<R, &RS::RaitoY>(kResize, u"RaitoY", IntLimit{0, 100}),
    Int<R, &RS::RaitoX>(kResize, u"RaitoX", IntLimit{0, 100}),
    Int<R, &RS::ResizeY>(kResize, u"ResizeY", IntLimit{0, 10000}),
    Int<R, &RS::ResizeX>(kResize, u"ResizeX", IntLimit{0, 10000}),

    Int<T, &TS::Sougo>(kThumbnail, u"Sougo"),
    Int<T, &TS::FrameWidth>(kThumbnail, u"FrameWidth", IntLimit{10, 10000}),

    Flag<T, &TS::NotResize>(kThumbnail, u"NotResize"),
    Flag<S, &SE::Reverse>(kSetting, u"Reverse"),
    Flag<T, &TS::EnbLink>(kThumbnail, u"EnbLink"),
    Flag<C, &CS::ArroundBlank>(kCompose, u"ArroundBlank"),
    Flag<C, &CS::ChangeRaito>(kCompose, u"ChangeRaito"),
    Flag<S, &SE::NoDDtoRun>(kSetting, u"NoD&DtoRun"),
    Flag<C, &CS::EnableTitle>(kCompose, u"EnableTitle"),
    Flag<C, &CS::TitleDouble>(kCompose, u"TitleDouble"),
    Flag<C, &CS::EnbMulti>(kCompose, u"EnbMulti"),
    Flag<T, &TS::SortPage>(kThumbnail, u"SortPage"),
    Flag<R, &RS::Exif>(kResize, u"Exif"),
    Flag<R, &RS::Rotate>(kResize, u"Rotate"),
    Flag<R, &RS::OverWrite>(kResize, u"OverWrite"),
    Flag<S, &SE::AutoClose>(kSetting, u"AutoClose"),
    Flag<T, &TS::TopHtml>(kThumbnail, u"TopHtml"),

    Lines<T, &TS::TopString>(kThumbnail, u"TopString"),
    Lines<T, &TS::Exif>(kThumbnail, u"Exif"),
    Text<S, &SE::Sort>(kSetting, u"Sort"),
    Text<T, &TS::TitleString>(kThumbnail, u"TitleString"),
    // Later than the other keys of its section: files written before it
    // keep their layout, and a file without it turns the photos upright.
    Flag<T, &TS::AutoRotate, 1>(kThumbnail, u"AutoRotate"),
    Text<C, &CS::PaperSize>(kCompose, u"PaperSize"),
    SettingKey{kSetting, u"Directory", KeyKind::kDirectory, std::nullopt},
    Int<S, &SE::Threads>(kSetting, u"Threads", IntLimit{0, kMaxThreads}),
    Int<S, &SE::ClassicPages>(kSetting, u"ClassicPages", IntLimit{0, 1}),
    Lines<C, &CS::Title>(kCompose, u"Title"),
    Text<C, &CS::Position>(kCompose, u"Position"),
    Lines<SS, &SL::TopString>(kSlideShow, u"TopString"),
    Text<R, &RS::SaveDir>(kResize, u"SaveDir"),
};

}  // namespace

std::span<const SettingKey> AllSettingKeys() { return kKeys; }

const SettingKey* FindSettingKey(std::u16string_view section, std::u16string_view name) {
  for (const SettingKey& key : kKeys)
    if (key.section == section && key.name == name) return &key;
  return nullptr;
}

int SettingKey::defaultNumber() const {
  Settings defaults;
  return number != nullptr ? *number(defaults) : 0;
}

std::u16string SettingKey::defaultText() const {
  Settings defaults;
  return text != nullptr ? *text(defaults) : std::u16string();
}

namespace detail {

Settings& ProbeRecord() {
  // Only its fields' addresses are taken, never its values.
  static Settings probe;
  return probe;
}

const SettingKey& KeyAtField(const void* field) {
  Settings& probe = ProbeRecord();
  for (const SettingKey& key : kKeys) {
    const void* at = key.number != nullptr ? static_cast<const void*>(key.number(probe))
                     : key.text != nullptr ? static_cast<const void*>(key.text(probe))
                                           : nullptr;
    if (at != nullptr && at == field) return key;
  }
  throw std::logic_error("a field the settings file does not store");
}

}  // namespace detail

std::u16string RangeMessage(IntLimit limit) {
  return u"Enter an integer between " + DecimalText(limit.low) + u" and " +
         DecimalText(limit.high) + u".";
}

std::filesystem::path CurrentExecutablePath() {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return {};
  return exe;
}

std::filesystem::path SettingsFilePath(const std::filesystem::path& executablePath,
                                       const char* xdgConfigHome, const char* home) {
  const std::filesystem::path portable = executablePath.parent_path() / "folioscope.ini";
  if (!executablePath.empty() && EntryExists(portable)) return portable;
  std::filesystem::path config;
  if (xdgConfigHome != nullptr && *xdgConfigHome != '\0')
    config = xdgConfigHome;
  else
    config = std::filesystem::path(home != nullptr ? home : "") / ".config";
  return config / "folioscope" / "folioscope.ini";
}

std::filesystem::path SettingsFilePath() {
  return SettingsFilePath(CurrentExecutablePath(), std::getenv("XDG_CONFIG_HOME"),
                          std::getenv("HOME"));
}

bool SetSettingFromText(Settings& settings, std::u16string_view section, std::u16string_view key,
                        std::u16string_view value, std::u16string& error) {
  const SettingKey* entry = FindSettingKey(section, key);
  if (entry == nullptr || entry->kind == KeyKind::kDirectory) {
    error = u"unknown setting " + std::u16string(section) + u"." + std::u16string(key);
    return false;
  }
  switch (entry->kind) {
    case KeyKind::kInt: {
      const int number = LeadingNumber(value);
      if (entry->range && !entry->range->contains(number)) {
        error = RangeMessage(*entry->range);
        return false;
      }
      *entry->number(settings) = number;
      return true;
    }
    case KeyKind::kFlag: *entry->number(settings) = LeadingNumber(value) == 1 ? 1 : 0; return true;
    case KeyKind::kText: *entry->text(settings) = value; return true;
    case KeyKind::kLines: *entry->text(settings) = StoredToLines(value); return true;
    case KeyKind::kDirectory: break;
  }
  return false;
}

void LoadSettings(Settings& settings, const IniProfile& profile) {
  for (const SettingKey& key : kKeys) {
    switch (key.kind) {
      case KeyKind::kInt: {
        // A value the options dialog would refuse (a hand-edited file) is
        // refused here too: the field keeps the value it had.
        int& field = *key.number(settings);
        const int value = profile.GetInt(key.section, key.name, field);
        if (!key.range || key.range->contains(value)) field = value;
        break;
      }
      case KeyKind::kFlag:
        *key.number(settings) = profile.GetInt(key.section, key.name, key.absentFlag) == 1 ? 1 : 0;
        break;
      case KeyKind::kText: {
        std::u16string& field = *key.text(settings);
        field = profile.GetString(key.section, key.name, field);
        break;
      }
      case KeyKind::kLines: {
        // The default goes in stored form so an absent key gives the field back as it was.
        std::u16string& field = *key.text(settings);
        field = StoredToLines(profile.GetString(key.section, key.name, LinesToStored(field)));
        break;
      }
      case KeyKind::kDirectory:
        // Left to the main window, which reads it only when no folder came
        // on the command line.
        break;
    }
  }

  ComposeSettings& c = settings.compose;
  if (PaperSizeFromText(c.PaperSize) == PaperSize::kCustom) {
    c.rememberedCustomHeight = c.CreateJpgHeight;
    c.rememberedCustomWidth = c.CreateJpgWidth;
  } else {
    c.rememberedCustomHeight = 0;
    c.rememberedCustomWidth = 0;
  }
}

bool SaveSettings(const Settings& settings, std::u16string_view folderBoxText,
                  IniProfile& profile) {
  // The table's accessors work on a record they may change: save a copy.
  Settings record = settings;
  bool ok = true;
  for (const SettingKey& key : kKeys) {
    bool written = false;
    switch (key.kind) {
      case KeyKind::kInt:
        written = profile.WriteInt(key.section, key.name, *key.number(record));
        break;
      case KeyKind::kFlag:
        written =
            profile.WriteString(key.section, key.name, *key.number(record) != 0 ? u"1" : u"0");
        break;
      case KeyKind::kText:
        written = profile.WriteString(key.section, key.name, Quoted(*key.text(record)));
        break;
      case KeyKind::kLines:
        written =
            profile.WriteString(key.section, key.name, Quoted(LinesToStored(*key.text(record))));
        break;
      case KeyKind::kDirectory:
        written = profile.WriteString(key.section, key.name, Quoted(folderBoxText));
        break;
    }
    ok = written && ok;
  }
  return ok;
}

}  // namespace folio
