// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/ini_profile.h"
#include "platform/text.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using folio::IniProfile;
using folio::LoadSettings;
using folio::SaveSettings;
using folio::Settings;
using folio::test::ReadBytes;
using folio::test::TempDir;
using folio::test::WriteBytes;

namespace {

// The whole file a first save of the default record writes, line for line.
const char kDefaultFile[] =
    "[Thumbnail]\r\n"
    "PhotoNo=10\r\n"
    "PhotoSize=340\r\n"
    "LinkNo=4\r\n"
    "LineNo=2\r\n"
    "Sougo=0\r\n"
    "FrameWidth=150\r\n"
    "NotResize=0\r\n"
    "EnbLink=0\r\n"
    "SortPage=0\r\n"
    "TopHtml=0\r\n"
    "TopString=\"\"\r\n"
    "Exif=\"\"\r\n"
    "TitleString=\"\"\r\n"
    "AutoRotate=1\r\n"
    "[Compose]\r\n"
    "JpgNumberH=4\r\n"
    "JpgNumberW=4\r\n"
    "SpaceSize=10\r\n"
    "BlankColorRed=255\r\n"
    "BlankColorGreen=255\r\n"
    "BlankColorBlue=255\r\n"
    "CreateJpgHeight=3300\r\n"
    "CreateJpgWidth=4708\r\n"
    "JpgQuality=80\r\n"
    "TitleColorR=0\r\n"
    "TitleColorG=0\r\n"
    "TitleColorB=0\r\n"
    "TitleFontSize=72\r\n"
    "Multiple=1\r\n"
    "MultipleX=1\r\n"
    "MultipleY=1\r\n"
    "ArroundBlank=0\r\n"
    "ChangeRaito=0\r\n"
    "EnableTitle=0\r\n"
    "TitleDouble=0\r\n"
    "EnbMulti=0\r\n"
    "PaperSize=\"L\xE7\x89\x88\xEF\xBC\x88"
    "89\xC3\x97"
    "127\xEF\xBC\x89\"\r\n"  // L版（89×127）
    "Title=\"\"\r\n"
    "Position=\"\"\r\n"
    "[Setting]\r\n"
    "CreateMode=0\r\n"
    "Reverse=0\r\n"
    "NoD&DtoRun=0\r\n"
    "AutoClose=0\r\n"
    "Sort=\"\"\r\n"
    "Directory=\"/photos/2008\"\r\n"
    "Threads=0\r\n"
    "ClassicPages=0\r\n"
    "[SlideShow]\r\n"
    "Speed=2000\r\n"
    "Size=640\r\n"
    "TopString=\"\"\r\n"
    "[Resize]\r\n"
    "Quality=80\r\n"
    "Size=800\r\n"
    "ResizeMode=0\r\n"
    "RaitoY=50\r\n"
    "RaitoX=50\r\n"
    "ResizeY=768\r\n"
    "ResizeX=1024\r\n"
    "Exif=0\r\n"
    "Rotate=0\r\n"
    "OverWrite=0\r\n"
    "SaveDir=\"\"\r\n";

// Every field away from its default, texts with quotes, blanks, Japanese and lines.
Settings Unusual() {
  Settings s;
  auto& t = s.thumbnail;
  t.PhotoNo = 25;
  t.PhotoSize = 200;
  t.LinkNo = 7;
  t.LineNo = 5;
  t.Sougo = 2;
  t.FrameWidth = 99;
  t.NotResize = 1;
  t.EnbLink = 1;
  t.SortPage = 1;
  t.TopHtml = 1;
  t.TopString = u"<h1>旅行</h1>\r\n%n ページ";
  t.Exif = u"%f\r\n%d %t\r\n%m";
  t.TitleString = u"  \"写真\" %n  ";
  t.AutoRotate = 0;
  auto& c = s.compose;
  c.JpgNumberH = 3;
  c.JpgNumberW = 2;
  c.SpaceSize = 0;
  c.BlankColorRed = 1;
  c.BlankColorGreen = 2;
  c.BlankColorBlue = 3;
  c.CreateJpgHeight = 1000;
  c.CreateJpgWidth = 2000;
  c.JpgQuality = 95;
  c.TitleColorR = 10;
  c.TitleColorG = 20;
  c.TitleColorB = 30;
  c.TitleFontSize = 12;
  c.Multiple = 2;
  c.MultipleX = 2;
  c.MultipleY = 3;
  c.ArroundBlank = 1;
  c.ChangeRaito = 1;
  c.EnableTitle = 1;
  c.TitleDouble = 1;
  c.EnbMulti = 1;
  c.PaperSize = u"カスタム";
  c.Title = u"一行目\r\n\r\n三行目";
  c.Position = u"右下";
  auto& g = s.setting;
  g.CreateMode = 3;
  g.Reverse = 1;
  g.NoDDtoRun = 1;
  g.AutoClose = 1;
  g.Sort = u"\"quoted\"";
  g.Threads = 3;
  auto& ss = s.slideShow;
  ss.Speed = 100;
  ss.Size = 100000;
  ss.TopString = u"\r\n";
  auto& r = s.resize;
  r.Quality = 0;
  r.Size = 10000;
  r.ResizeMode = 2;
  r.RaitoY = 1;
  r.RaitoX = 100;
  r.ResizeY = 480;
  r.ResizeX = 640;
  r.Exif = 1;
  r.Rotate = 1;
  r.OverWrite = 1;
  r.SaveDir = u"%s_small ";
  return s;
}

class SettingsTest : public ::testing::Test {
 protected:
  fs::path file() const { return dir_ / "folioscope.ini"; }
  TempDir dir_;
};

TEST_F(SettingsTest, FirstSaveWritesEverySectionAndKeyInTableOrder) {
  IniProfile profile(file());
  Settings loaded;
  LoadSettings(loaded, profile);  // no file: every default stays
  ASSERT_TRUE(SaveSettings(loaded, u"/photos/2008", profile));
  EXPECT_EQ(ReadBytes(file()), kDefaultFile);

  // A second save over the file changes nothing of its layout.
  ASSERT_TRUE(SaveSettings(Settings{}, u"/photos/2008", profile));
  EXPECT_EQ(ReadBytes(file()), kDefaultFile);
}

TEST_F(SettingsTest, EveryFieldRoundTrips) {
  IniProfile profile(file());
  const Settings original = Unusual();
  ASSERT_TRUE(SaveSettings(original, u" C:\\x \"y\" ", profile));
  const std::string firstFile = ReadBytes(file());

  Settings loaded;
  LoadSettings(loaded, profile);
  EXPECT_EQ(loaded.thumbnail.TopString, original.thumbnail.TopString);
  EXPECT_EQ(loaded.thumbnail.Exif, original.thumbnail.Exif);
  EXPECT_EQ(loaded.thumbnail.TitleString, original.thumbnail.TitleString);
  EXPECT_EQ(loaded.compose.Title, original.compose.Title);
  EXPECT_EQ(loaded.compose.Position, original.compose.Position);
  EXPECT_EQ(loaded.setting.Sort, u"\"quoted\"");
  EXPECT_EQ(loaded.setting.Threads, 3);
  EXPECT_EQ(loaded.slideShow.TopString, u"\r\n");
  EXPECT_EQ(loaded.slideShow.Size, 100000);
  EXPECT_EQ(loaded.resize.SaveDir, u"%s_small ");
  EXPECT_EQ(loaded.compose.rememberedCustomHeight, 1000);
  EXPECT_EQ(loaded.compose.rememberedCustomWidth, 2000);
  EXPECT_EQ(profile.GetString(u"Setting", u"Directory", u""), u" C:\\x \"y\" ");

  // Writing the loaded record back gives the same file: every field came back.
  ASSERT_TRUE(SaveSettings(loaded, u" C:\\x \"y\" ", profile));
  EXPECT_EQ(ReadBytes(file()), firstFile);
}

TEST_F(SettingsTest, ThreeLineCaptionIsOneStoredLineWithTwoMarks) {
  IniProfile profile(file());
  Settings s;
  s.thumbnail.Exif = u"%f\r\n%d\r\n%t";
  ASSERT_TRUE(SaveSettings(s, u"", profile));
  EXPECT_NE(ReadBytes(file()).find("\r\nExif=\"%f\x01%d\x01%t\"\r\n"), std::string::npos);
  EXPECT_EQ(profile.GetString(u"Thumbnail", u"Exif", u""), u"%f\x01%d\x01%t");

  Settings loaded;
  LoadSettings(loaded, profile);
  EXPECT_EQ(loaded.thumbnail.Exif, u"%f\r\n%d\r\n%t");
}

TEST_F(SettingsTest, LoneLineBreaksAreStoredAsLineEndsAndNeverSplitTheFile) {
  IniProfile profile(file());
  Settings s;
  s.compose.Title = u"a\nb\rc";
  s.setting.Sort = u"x\ny";  // a single-line text cannot break the file either
  ASSERT_TRUE(SaveSettings(s, u"", profile));
  Settings loaded;
  LoadSettings(loaded, profile);
  EXPECT_EQ(loaded.compose.Title, u"a\r\nb\r\nc");
  EXPECT_EQ(loaded.setting.Sort, u"x y");
  EXPECT_EQ(loaded.compose.Position, u"");
}

TEST_F(SettingsTest, LoadTakesValuesAsTheProfileReadsThem) {
  WriteBytes(file(),
             "[Thumbnail]\r\nPhotoNo=12abc\r\nPhotoSize=abc\r\nNotResize=2\r\nEnbLink=1\r\n"
             "SortPage=yes\r\nTopHtml=-1\r\nExif=\"" +
                 std::string(5000, 'e') +
                 "\"\r\n"
                 "[Compose]\r\nPaperSize=\"A4\xEF\xBC\x88"
                 "210\xC3\x97"
                 "297\xEF\xBC\x89\"\r\n"
                 "CreateJpgHeight=3300\r\nCreateJpgWidth=4653\r\nSpaceSize=abc\r\n"
                 "[Setting]\r\nNoD&DtoRun=1\r\nSort=\"" +
                 std::string(25, 's') +
                 "\"\r\n"
                 "Directory=\"/from/file\"\r\n");
  IniProfile profile(file());
  Settings s;
  s.setting.Directory = u"/kept";
  s.compose.rememberedCustomHeight = 7;
  s.compose.rememberedCustomWidth = 7;
  LoadSettings(s, profile);

  EXPECT_EQ(s.thumbnail.PhotoNo, 12);
  // "abc" reads as 0: below the range of PhotoSize (refused, the field keeps
  // its value), within that of SpaceSize.
  EXPECT_EQ(s.thumbnail.PhotoSize, 340);
  EXPECT_EQ(s.compose.SpaceSize, 0);
  EXPECT_EQ(s.thumbnail.LinkNo, 4);  // absent: default
  EXPECT_EQ(s.thumbnail.NotResize, 0);
  EXPECT_EQ(s.thumbnail.EnbLink, 1);
  EXPECT_EQ(s.thumbnail.SortPage, 0);
  EXPECT_EQ(s.thumbnail.TopHtml, 0);
  EXPECT_EQ(s.thumbnail.Exif, std::u16string(4095, u'e'));
  EXPECT_EQ(s.setting.NoDDtoRun, 1);
  EXPECT_EQ(s.setting.Sort, std::u16string(25, u's'));  // emptied only by the Settings button
  EXPECT_EQ(s.setting.Directory, u"/kept");             // the main window reads it
  EXPECT_EQ(s.compose.CreateJpgWidth, 4653);
  EXPECT_EQ(s.compose.rememberedCustomHeight, 0);  // not "カスタム"
  EXPECT_EQ(s.compose.rememberedCustomWidth, 0);

  // The flag stored as 2 goes back as 0.
  ASSERT_TRUE(SaveSettings(s, u"", profile));
  EXPECT_NE(ReadBytes(file()).find("\r\nNotResize=0\r\n"), std::string::npos);
  EXPECT_NE(ReadBytes(file()).find("\r\nPhotoSize=340\r\n"), std::string::npos);
  EXPECT_NE(ReadBytes(file()).find("\r\nSpaceSize=0\r\n"), std::string::npos);
}

// Files written before the key existed turn the photos upright; only a
// stored 1 keeps it on once it is there, as for every flag.
TEST_F(SettingsTest, AutoRotateIsOnWhenTheFileLacksIt) {
  const struct {
    const char* line;
    int expected;
  } cases[] = {{"", 1},
               {"AutoRotate=1\r\n", 1},
               {"AutoRotate=0\r\n", 0},
               {"AutoRotate=2\r\n", 0},
               {"AutoRotate=\r\n", 1}};  // an empty value reads as none
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    WriteBytes(file(), std::string("[Thumbnail]\r\nPhotoNo=3\r\n") + c.line);
    IniProfile profile(file());
    Settings s;
    s.thumbnail.AutoRotate = 1 - c.expected;  // what the record held does not count
    LoadSettings(s, profile);
    EXPECT_EQ(s.thumbnail.AutoRotate, c.expected);
  }
}

TEST_F(SettingsTest, SaveUpdatesAnExistingFileInPlaceAndKeepsForeignEntries) {
  WriteBytes(file(), "[Other]\r\nkeep=1\r\n[resize]\r\nsize=5\r\n[Thumbnail]\r\nPhotoNo=3\r\n");
  IniProfile profile(file());
  ASSERT_TRUE(SaveSettings(Settings{}, u"", profile));
  const std::string text = ReadBytes(file());
  EXPECT_EQ(text.rfind("[Other]\r\nkeep=1\r\n[resize]\r\nsize=800\r\nQuality=80\r\n", 0), 0u);
  EXPECT_EQ(text.find("[Resize]"), std::string::npos);
  EXPECT_NE(text.find("[Thumbnail]\r\nPhotoNo=10\r\nPhotoSize=340\r\n"), std::string::npos);
}

TEST_F(SettingsTest, SaveReportsAFileThatCannotBeWritten) {
  IniProfile profile(dir_ / "missing" / "folioscope.ini");
  EXPECT_FALSE(SaveSettings(Settings{}, u"", profile));
}

// The portable file is looked for in the executable's own folder, under one
// name whatever the executable is called; folders above keep their names.
TEST(SettingsFilePath, PortableFileLiesBesideTheExecutable) {
  TempDir dir;
  const char* const executables[] = {
      "bin/folioscope", "bin/Folioscope.exe", "bin/a.exe.exe", "bin/APP.EXE", "my.exe.d/folioscope",
  };
  for (const char* name : executables) {
    const fs::path exe = dir / name;
    fs::create_directories(exe.parent_path());
    EXPECT_EQ(folio::SettingsFilePath(exe, "/cfg", "/home/u"), "/cfg/folioscope/folioscope.ini")
        << name;
    WriteBytes(exe.parent_path() / "folioscope.ini", "");
    EXPECT_EQ(folio::SettingsFilePath(exe, "/cfg", "/home/u"), exe.parent_path() / "folioscope.ini")
        << name;
    fs::remove(exe.parent_path() / "folioscope.ini");
  }
  // A bare name without a folder has no folder to hold a portable file.
  EXPECT_EQ(folio::SettingsFilePath("folioscope", "/cfg", "/home/u"),
            "/cfg/folioscope/folioscope.ini");
}

TEST(SettingsFilePath, CurrentExecutableIsThisTestProgram) {
  const fs::path exe = folio::CurrentExecutablePath();
  EXPECT_TRUE(exe.is_absolute());
  EXPECT_TRUE(fs::is_regular_file(exe));
  EXPECT_EQ(exe.filename(), "test_settings");
  ASSERT_FALSE(fs::exists(exe.parent_path() / "folioscope.ini"));
  EXPECT_EQ(folio::SettingsFilePath(exe, "/cfg", "/home/u"), "/cfg/folioscope/folioscope.ini");
  EXPECT_EQ(folio::SettingsFilePath(),
            folio::SettingsFilePath(exe, std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")));
}

}  // namespace

TEST(SettingsFilePath, PortableFileElseTheConfigFolder) {
  folio::test::TempDir dir;
  const fs::path exe = dir / "bin" / "folioscope";
  fs::create_directories(exe.parent_path());
  struct Case {
    bool portable;
    const char* xdg;
    const char* home;
    fs::path expected;
  };
  const Case cases[] = {
      {false, "/cfg", "/home/u", "/cfg/folioscope/folioscope.ini"},
      {false, nullptr, "/home/u", "/home/u/.config/folioscope/folioscope.ini"},
      {false, "", "/home/u", "/home/u/.config/folioscope/folioscope.ini"},
      {true, "/cfg", "/home/u", dir / "bin" / "folioscope.ini"},
  };
  for (const Case& c : cases) {
    if (c.portable) folio::test::WriteBytes(dir / "bin" / "folioscope.ini", "");
    EXPECT_EQ(folio::SettingsFilePath(exe, c.xdg, c.home), c.expected) << c.expected;
  }
}
