#include "settings/settings.h"

#include <system_error>

#include "platform/ini_profile.h"

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
    if (c == u'\x01') out += u"\r\n";
    else out.push_back(c);
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

class Reader {
 public:
  explicit Reader(const IniProfile& profile) : profile_(profile) {}
  void Int(std::u16string_view section, std::u16string_view key, int& field) const {
    field = profile_.GetInt(section, key, field);
  }
  void Flag(std::u16string_view section, std::u16string_view key, int& field) const {
    field = profile_.GetInt(section, key, 0) == 1 ? 1 : 0;
  }
  void Text(std::u16string_view section, std::u16string_view key, std::u16string& field) const {
    field = profile_.GetString(section, key, field);
  }
  void Lines(std::u16string_view section, std::u16string_view key, std::u16string& field) const {
    // The default goes in stored form so an absent key gives the field back as it was.
    field = StoredToLines(profile_.GetString(section, key, LinesToStored(field)));
  }

 private:
  const IniProfile& profile_;
};

class Writer {
 public:
  explicit Writer(IniProfile& profile) : profile_(profile) {}
  void Int(std::u16string_view section, std::u16string_view key, int value) {
    ok_ = profile_.WriteInt(section, key, value) && ok_;
  }
  void Flag(std::u16string_view section, std::u16string_view key, int value) {
    ok_ = profile_.WriteString(section, key, value != 0 ? u"1" : u"0") && ok_;
  }
  void Text(std::u16string_view section, std::u16string_view key, std::u16string_view value) {
    ok_ = profile_.WriteString(section, key, Quoted(value)) && ok_;
  }
  void Lines(std::u16string_view section, std::u16string_view key, std::u16string_view value) {
    Text(section, key, LinesToStored(value));
  }
  bool ok() const { return ok_; }

 private:
  IniProfile& profile_;
  bool ok_ = true;
};

}  // namespace

std::filesystem::path MakeIniPath(const std::filesystem::path& executablePath) {
  // Only the file name changes: the INI lies in the executable's own folder
  // even when a folder above it has ".exe" in its name.
  std::string name = executablePath.filename().native();
  bool replaced = false;
  for (std::size_t at = name.find(".exe"); at != std::string::npos;
       at = name.find(".exe", at + 4)) {
    name.replace(at, 4, ".ini");
    replaced = true;
  }
  if (!replaced) name += ".ini";
  return executablePath.parent_path() / name;
}

std::filesystem::path CurrentExecutablePath() {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return {};
  return exe;
}

std::filesystem::path MakeIniPath() { return MakeIniPath(CurrentExecutablePath()); }

void LoadSettings(Settings& settings, const IniProfile& profile) {
  const Reader r(profile);

  ThumbnailSettings& t = settings.thumbnail;
  r.Int(kThumbnail, u"PhotoNo", t.PhotoNo);
  r.Int(kThumbnail, u"PhotoSize", t.PhotoSize);
  r.Int(kThumbnail, u"LinkNo", t.LinkNo);
  r.Int(kThumbnail, u"LineNo", t.LineNo);
  r.Int(kThumbnail, u"Sougo", t.Sougo);
  r.Int(kThumbnail, u"FrameWidth", t.FrameWidth);
  r.Flag(kThumbnail, u"NotResize", t.NotResize);
  r.Flag(kThumbnail, u"EnbLink", t.EnbLink);
  r.Flag(kThumbnail, u"SortPage", t.SortPage);
  r.Flag(kThumbnail, u"TopHtml", t.TopHtml);
  r.Lines(kThumbnail, u"TopString", t.TopString);
  r.Lines(kThumbnail, u"Exif", t.Exif);
  r.Text(kThumbnail, u"TitleString", t.TitleString);

  ComposeSettings& c = settings.compose;
  r.Int(kCompose, u"JpgNumberH", c.JpgNumberH);
  r.Int(kCompose, u"JpgNumberW", c.JpgNumberW);
  r.Int(kCompose, u"SpaceSize", c.SpaceSize);
  r.Int(kCompose, u"BlankColorRed", c.BlankColorRed);
  r.Int(kCompose, u"BlankColorGreen", c.BlankColorGreen);
  r.Int(kCompose, u"BlankColorBlue", c.BlankColorBlue);
  r.Int(kCompose, u"CreateJpgHeight", c.CreateJpgHeight);
  r.Int(kCompose, u"CreateJpgWidth", c.CreateJpgWidth);
  r.Int(kCompose, u"JpgQuality", c.JpgQuality);
  r.Int(kCompose, u"TitleColorR", c.TitleColorR);
  r.Int(kCompose, u"TitleColorG", c.TitleColorG);
  r.Int(kCompose, u"TitleColorB", c.TitleColorB);
  r.Int(kCompose, u"TitleFontSize", c.TitleFontSize);
  r.Int(kCompose, u"Multiple", c.Multiple);
  r.Int(kCompose, u"MultipleX", c.MultipleX);
  r.Int(kCompose, u"MultipleY", c.MultipleY);
  r.Flag(kCompose, u"ArroundBlank", c.ArroundBlank);
  r.Flag(kCompose, u"ChangeRaito", c.ChangeRaito);
  r.Flag(kCompose, u"EnableTitle", c.EnableTitle);
  r.Flag(kCompose, u"TitleDouble", c.TitleDouble);
  r.Flag(kCompose, u"EnbMulti", c.EnbMulti);
  r.Text(kCompose, u"PaperSize", c.PaperSize);
  r.Lines(kCompose, u"Title", c.Title);
  r.Text(kCompose, u"Position", c.Position);

  SettingSettings& s = settings.setting;
  r.Int(kSetting, u"CreateMode", s.CreateMode);
  r.Flag(kSetting, u"Reverse", s.Reverse);
  r.Flag(kSetting, u"NoD&DtoRun", s.NoDDtoRun);
  r.Flag(kSetting, u"AutoClose", s.AutoClose);
  r.Text(kSetting, u"Sort", s.Sort);
  // Directory is left to the main window, which reads it only when no folder
  // came on the command line.

  SlideShowSettings& ss = settings.slideShow;
  r.Int(kSlideShow, u"Speed", ss.Speed);
  r.Int(kSlideShow, u"Size", ss.Size);
  r.Lines(kSlideShow, u"TopString", ss.TopString);

  ResizeSettings& rs = settings.resize;
  r.Int(kResize, u"Quality", rs.Quality);
  r.Int(kResize, u"Size", rs.Size);
  r.Int(kResize, u"ResizeMode", rs.ResizeMode);
  r.Int(kResize, u"RaitoY", rs.RaitoY);
  r.Int(kResize, u"RaitoX", rs.RaitoX);
  r.Int(kResize, u"ResizeY", rs.ResizeY);
  r.Int(kResize, u"ResizeX", rs.ResizeX);
  r.Flag(kResize, u"Exif", rs.Exif);
  r.Flag(kResize, u"Rotate", rs.Rotate);
  r.Flag(kResize, u"OverWrite", rs.OverWrite);
  r.Text(kResize, u"SaveDir", rs.SaveDir);

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
  // The write order fixes the layout of a new file: each key joins the end of
  // its section and each section the end of the file, which gives the
  // sections Thumbnail, Compose, Setting, SlideShow, Resize with their keys in
  // the order the record lists them.
  Writer w(profile);
  const ThumbnailSettings& t = settings.thumbnail;
  const ComposeSettings& c = settings.compose;
  const SettingSettings& s = settings.setting;
  const SlideShowSettings& ss = settings.slideShow;
  const ResizeSettings& rs = settings.resize;

  w.Int(kThumbnail, u"PhotoNo", t.PhotoNo);
  w.Int(kThumbnail, u"PhotoSize", t.PhotoSize);
  w.Int(kThumbnail, u"LinkNo", t.LinkNo);
  w.Int(kThumbnail, u"LineNo", t.LineNo);

  w.Int(kCompose, u"JpgNumberH", c.JpgNumberH);
  w.Int(kCompose, u"JpgNumberW", c.JpgNumberW);
  w.Int(kCompose, u"SpaceSize", c.SpaceSize);
  w.Int(kCompose, u"BlankColorRed", c.BlankColorRed);
  w.Int(kCompose, u"BlankColorGreen", c.BlankColorGreen);
  w.Int(kCompose, u"BlankColorBlue", c.BlankColorBlue);
  w.Int(kCompose, u"CreateJpgHeight", c.CreateJpgHeight);
  w.Int(kCompose, u"CreateJpgWidth", c.CreateJpgWidth);
  w.Int(kCompose, u"JpgQuality", c.JpgQuality);
  w.Int(kCompose, u"TitleColorR", c.TitleColorR);
  w.Int(kCompose, u"TitleColorG", c.TitleColorG);
  w.Int(kCompose, u"TitleColorB", c.TitleColorB);
  w.Int(kCompose, u"TitleFontSize", c.TitleFontSize);

  w.Int(kSetting, u"CreateMode", s.CreateMode);

  w.Int(kSlideShow, u"Speed", ss.Speed);
  w.Int(kSlideShow, u"Size", ss.Size);

  w.Int(kCompose, u"Multiple", c.Multiple);
  w.Int(kCompose, u"MultipleX", c.MultipleX);
  w.Int(kCompose, u"MultipleY", c.MultipleY);

  w.Int(kResize, u"Quality", rs.Quality);
  w.Int(kResize, u"Size", rs.Size);
  w.Int(kResize, u"ResizeMode", rs.ResizeMode);
  w.Int(kResize, u"RaitoY", rs.RaitoY);
  w.Int(kResize, u"RaitoX", rs.RaitoX);
  w.Int(kResize, u"ResizeY", rs.ResizeY);
  w.Int(kResize, u"ResizeX", rs.ResizeX);

  w.Int(kThumbnail, u"Sougo", t.Sougo);
  w.Int(kThumbnail, u"FrameWidth", t.FrameWidth);

  w.Flag(kThumbnail, u"NotResize", t.NotResize);
  w.Flag(kSetting, u"Reverse", s.Reverse);
  w.Flag(kThumbnail, u"EnbLink", t.EnbLink);
  w.Flag(kCompose, u"ArroundBlank", c.ArroundBlank);
  w.Flag(kCompose, u"ChangeRaito", c.ChangeRaito);
  w.Flag(kSetting, u"NoD&DtoRun", s.NoDDtoRun);
  w.Flag(kCompose, u"EnableTitle", c.EnableTitle);
  w.Flag(kCompose, u"TitleDouble", c.TitleDouble);
  w.Flag(kCompose, u"EnbMulti", c.EnbMulti);
  w.Flag(kThumbnail, u"SortPage", t.SortPage);
  w.Flag(kResize, u"Exif", rs.Exif);
  w.Flag(kResize, u"Rotate", rs.Rotate);
  w.Flag(kResize, u"OverWrite", rs.OverWrite);
  w.Flag(kSetting, u"AutoClose", s.AutoClose);
  w.Flag(kThumbnail, u"TopHtml", t.TopHtml);

  w.Lines(kThumbnail, u"TopString", t.TopString);
  w.Lines(kThumbnail, u"Exif", t.Exif);
  w.Text(kSetting, u"Sort", s.Sort);
  w.Text(kThumbnail, u"TitleString", t.TitleString);
  w.Text(kCompose, u"PaperSize", c.PaperSize);
  w.Text(kSetting, u"Directory", folderBoxText);
  w.Lines(kCompose, u"Title", c.Title);
  w.Text(kCompose, u"Position", c.Position);
  w.Lines(kSlideShow, u"TopString", ss.TopString);
  w.Text(kResize, u"SaveDir", rs.SaveDir);
  return w.ok();
}

}  // namespace folio
