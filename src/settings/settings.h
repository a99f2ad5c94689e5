// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every persisted option, one field per INI key, grouped by INI section.
// Field names are the keys (`NoD&DtoRun` is spelt NoDDtoRun). Texts are
// UTF-16; the multi-line texts hold CR LF line ends in memory.
#include <filesystem>
#include <string>

namespace folio {

class IniProfile;

struct ThumbnailSettings {  // [Thumbnail]
  int PhotoNo = 10;
  int PhotoSize = 340;
  int LinkNo = 4;
  int LineNo = 2;
  int Sougo = 0;
  int FrameWidth = 150;
  int NotResize = 0;
  int EnbLink = 0;
  int SortPage = 0;
  int TopHtml = 0;
  std::u16string TopString;  // lines
  std::u16string Exif;       // lines: caption template
  std::u16string TitleString;
  int AutoRotate = 1;  // thumbnails, slide images and sheet cells upright by Exif Orientation
};

struct ComposeSettings {  // [Compose]
  int JpgNumberH = 4;
  int JpgNumberW = 4;
  int SpaceSize = 10;
  int BlankColorRed = 255;
  int BlankColorGreen = 255;
  int BlankColorBlue = 255;
  int CreateJpgHeight = 3300;
  int CreateJpgWidth = 4708;
  int JpgQuality = 80;
  int TitleColorR = 0;
  int TitleColorG = 0;
  int TitleColorB = 0;
  int TitleFontSize = 72;
  int Multiple = 1;
  int MultipleX = 1;
  int MultipleY = 1;
  int ArroundBlank = 0;
  int ChangeRaito = 0;
  int EnableTitle = 0;
  int TitleDouble = 0;
  int EnbMulti = 0;
  std::u16string PaperSize = u"L版（89×127）";
  std::u16string Title;  // lines
  std::u16string Position;

  // Not stored: the composite page's remembered custom sheet size, restored
  // when "カスタム" is chosen there.
  int rememberedCustomHeight = 0;
  int rememberedCustomWidth = 0;
};

struct SettingSettings {  // [Setting]
  int CreateMode = 0;
  int Reverse = 0;
  int NoDDtoRun = 0;  // key "NoD&DtoRun"
  int AutoClose = 0;
  std::u16string Sort;
  std::u16string Directory;  // read by the main window, written by SaveSettings
  // Threads the jobs decode and scale photos on: 0 one per core, 1 none
  // besides the job's own.
  int Threads = 0;
  // 1: the pages exactly as they always were, for stylesheets written
  // against that markup; 0: the same markup with what phones and HiDPI
  // screens need, and a default stylesheet where none exists.
  int ClassicPages = 0;
};

struct SlideShowSettings {  // [SlideShow]
  int Speed = 2000;
  int Size = 640;
  std::u16string TopString;  // lines
};

struct ResizeSettings {  // [Resize]
  int Quality = 80;
  int Size = 800;
  int ResizeMode = 0;
  int RaitoY = 50;
  int RaitoX = 50;
  int ResizeY = 768;
  int ResizeX = 1024;
  int Exif = 0;
  int Rotate = 0;
  int OverWrite = 0;
  std::u16string SaveDir;
};

struct Settings {
  ThumbnailSettings thumbnail;
  ComposeSettings compose;
  SettingSettings setting;
  SlideShowSettings slideShow;
  ResizeSettings resize;
};

// The running executable's path (from /proc/self/exe).
std::filesystem::path CurrentExecutablePath();

// The settings file of both programs: `folioscope.ini` beside the executable
// when that file exists (a portable copy), else
// `$XDG_CONFIG_HOME/folioscope/folioscope.ini`, with `~/.config` when
// XDG_CONFIG_HOME is unset or empty. Null pointers stand for unset variables.
std::filesystem::path SettingsFilePath(const std::filesystem::path& executablePath,
                                       const char* xdgConfigHome, const char* home);
// The same for the running program and its environment.
std::filesystem::path SettingsFilePath();

// Sets one key from a text as the file would give it (leading number for
// numbers, 1 or 0 for flags, the text itself otherwise), after the range
// check the options dialog makes. False with the reason in `error` for an
// unknown section or key, or a value out of range.
bool SetSettingFromText(Settings& settings, std::u16string_view section, std::u16string_view key,
                        std::u16string_view value, std::u16string& error);

// Fills the record from the file; absent keys keep the record's values.
// `Directory` is not read here (the main window reads it).
void LoadSettings(Settings& settings, const IniProfile& profile);
// Writes every key, with the folder box text as `Directory`, in the fixed key
// order. Returns false when a write failed.
bool SaveSettings(const Settings& settings, std::u16string_view folderBoxText, IniProfile& profile);

}  // namespace folio
