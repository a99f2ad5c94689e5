#include "settings/settings.h"

#include <cstdlib>
#include <optional>
#include <system_error>

#include "platform/files.h"
#include "platform/ini_profile.h"
#include "settings/setting_limits.h"

namespace folio {

namespace {

constexpr std::u16string_view kThumbnail = u"Thumbnail";
constexpr std::u16string_view kCompose = u"Compose";
constexpr std::u16string_view kSetting = u"Setting";
constexpr std::u16string_view kSlideShow = u"SlideShow";
constexpr std::u16string_view kResize = u"Resize";

constexpr std::u16string_view kCustomPaper = u"カスタム";

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

// How a key's value is stored.
enum class Kind {
  kInt,        // the number as written
  kFlag,       // "1" or "0"; anything but 1 reads as 0
  kText,       // in double quotes
  kLines,      // in double quotes, line ends as U+0001
  kDirectory,  // the folder box text: written only, the main window reads it
};

template <auto Group, auto Member>
int& IntField(Settings& settings) {
  return (settings.*Group).*Member;
}
template <auto Group, auto Member>
std::u16string& TextField(Settings& settings) {
  return (settings.*Group).*Member;
}

struct Key {
  std::u16string_view section;
  std::u16string_view name;
  Kind kind;
  int& (*number)(Settings&) = nullptr;
  std::u16string& (*text)(Settings&) = nullptr;
  int absentFlag = 0;  // what a flag missing from the file reads as
};

template <auto Group, auto Member>
constexpr Key Int(std::u16string_view section, std::u16string_view name) {
  return {section, name, Kind::kInt, &IntField<Group, Member>, nullptr};
}
template <auto Group, auto Member, int Absent = 0>
constexpr Key Flag(std::u16string_view section, std::u16string_view name) {
  return {section, name, Kind::kFlag, &IntField<Group, Member>, nullptr, Absent};
}
template <auto Group, auto Member>
constexpr Key Text(std::u16string_view section, std::u16string_view name) {
  return {section, name, Kind::kText, nullptr, &TextField<Group, Member>};
}
template <auto Group, auto Member>
constexpr Key Lines(std::u16string_view section, std::u16string_view name) {
  return {section, name, Kind::kLines, nullptr, &TextField<Group, Member>};
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
constexpr Key kKeys[] = {
    Int<T, &TS::PhotoNo>(kThumbnail, u"PhotoNo"),
    Int<T, &TS::PhotoSize>(kThumbnail, u"PhotoSize"),
    Int<T, &TS::LinkNo>(kThumbnail, u"LinkNo"),
    Int<T, &TS::LineNo>(kThumbnail, u"LineNo"),

    Int<C, &CS::JpgNumberH>(kCompose, u"JpgNumberH"),
    Int<C, &CS::JpgNumberW>(kCompose, u"JpgNumberW"),
    Int<C, &CS::SpaceSize>(kCompose, u"SpaceSize"),
    Int<C, &CS::BlankColorRed>(kCompose, u"BlankColorRed"),
    Int<C, &CS::BlankColorGreen>(kCompose, u"BlankColorGreen"),
    Int<C, &CS::BlankColorBlue>(kCompose, u"BlankColorBlue"),
    Int<C, &CS::CreateJpgHeight>(kCompose, u"CreateJpgHeight"),
    Int<C, &CS::CreateJpgWidth>(kCompose, u"CreateJpgWidth"),
    Int<C, &CS::JpgQuality>(kCompose, u"JpgQuality"),
    Int<C, &CS::TitleColorR>(kCompose, u"TitleColorR"),
    Int<C, &CS::TitleColorG>(kCompose, u"TitleColorG"),
    Int<C, &CS::TitleColorB>(kCompose, u"TitleColorB"),
    Int<C, &CS::TitleFontSize>(kCompose, u"TitleFontSize"),

    Int<S, &SE::CreateMode>(kSetting, u"CreateMode"),

    Int<SS, &SL::Speed>(kSlideShow, u"Speed"),
    Int<SS, &SL::Size>(kSlideShow, u"Size"),

    Int<C, &CS::Multiple>(kCompose, u"Multiple"),
    Int<C, &CS::MultipleX>(kCompose, u"MultipleX"),
    Int<C, &CS::MultipleY>(kCompose, u"MultipleY"),

    Int<R, &RS::Quality>(kResize, u"Quality"),
    Int<R, &RS::Size>(kResize, u"Size"),
    Int<R, &RS::ResizeMode>(kResize, u"ResizeMode"),
    Int<R, &RS::RaitoY>(kResize, u"RaitoY"),
    Int<R, &RS::RaitoX>(kResize, u"RaitoX"),
    Int<R, &RS::ResizeY>(kResize, u"ResizeY"),
    Int<R, &RS::ResizeX>(kResize, u"ResizeX"),

    Int<T, &TS::Sougo>(kThumbnail, u"Sougo"),
    Int<T, &TS::FrameWidth>(kThumbnail, u"FrameWidth"),

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
    Key{kSetting, u"Directory", Kind::kDirectory},
    Int<S, &SE::Threads>(kSetting, u"Threads"),
    Lines<C, &CS::Title>(kCompose, u"Title"),
    Text<C, &CS::Position>(kCompose, u"Position"),
    Lines<SS, &SL::TopString>(kSlideShow, u"TopString"),
    Text<R, &RS::SaveDir>(kResize, u"SaveDir"),
};

}  // namespace

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
  for (const Key& entry : kKeys) {
    if (entry.section != section || entry.name != key || entry.kind == Kind::kDirectory) continue;
    switch (entry.kind) {
      case Kind::kInt: {
        const int number = LeadingNumber(value);
        if (const std::optional<IntLimit> limit = LimitOf(section, key);
            limit && (number < limit->low || number > limit->high)) {
          error = RangeMessage(*limit);
          return false;
        }
        entry.number(settings) = number;
        return true;
      }
      case Kind::kFlag: entry.number(settings) = LeadingNumber(value) == 1 ? 1 : 0; return true;
      case Kind::kText: entry.text(settings) = value; return true;
      case Kind::kLines: entry.text(settings) = StoredToLines(value); return true;
      case Kind::kDirectory: break;
    }
  }
  error = u"unknown setting " + std::u16string(section) + u"." + std::u16string(key);
  return false;
}

void LoadSettings(Settings& settings, const IniProfile& profile) {
  for (const Key& key : kKeys) {
    switch (key.kind) {
      case Kind::kInt: {
        // A value the options dialog would refuse (a hand-edited file) is
        // refused here too: the field keeps the value it had.
        int& field = key.number(settings);
        const int value = profile.GetInt(key.section, key.name, field);
        const std::optional<IntLimit> limit = LimitOf(key.section, key.name);
        if (!limit || (value >= limit->low && value <= limit->high)) field = value;
        break;
      }
      case Kind::kFlag:
        key.number(settings) = profile.GetInt(key.section, key.name, key.absentFlag) == 1 ? 1 : 0;
        break;
      case Kind::kText: {
        std::u16string& field = key.text(settings);
        field = profile.GetString(key.section, key.name, field);
        break;
      }
      case Kind::kLines: {
        // The default goes in stored form so an absent key gives the field back as it was.
        std::u16string& field = key.text(settings);
        field = StoredToLines(profile.GetString(key.section, key.name, LinesToStored(field)));
        break;
      }
      case Kind::kDirectory:
        // Left to the main window, which reads it only when no folder came
        // on the command line.
        break;
    }
  }

  ComposeSettings& c = settings.compose;
  if (c.PaperSize == kCustomPaper) {
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
  for (const Key& key : kKeys) {
    bool written = false;
    switch (key.kind) {
      case Kind::kInt: written = profile.WriteInt(key.section, key.name, key.number(record)); break;
      case Kind::kFlag:
        written = profile.WriteString(key.section, key.name, key.number(record) != 0 ? u"1" : u"0");
        break;
      case Kind::kText:
        written = profile.WriteString(key.section, key.name, Quoted(key.text(record)));
        break;
      case Kind::kLines:
        written =
            profile.WriteString(key.section, key.name, Quoted(LinesToStored(key.text(record))));
        break;
      case Kind::kDirectory:
        written = profile.WriteString(key.section, key.name, Quoted(folderBoxText));
        break;
    }
    ok = written && ok;
  }
  return ok;
}

}  // namespace folio
