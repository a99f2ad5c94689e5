// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ini_profile.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

#include "support/test_support.h"

namespace fs = std::filesystem;
using folio::IniProfile;
using folio::test::ReadBytes;
using folio::test::TempDir;
using folio::test::WriteBytes;

namespace {

class IniProfileTest : public ::testing::Test {
 protected:
  fs::path file() const { return dir_ / "folioscope.ini"; }
  IniProfile Profile(const std::string& content) const {
    WriteBytes(file(), content);
    return IniProfile(file());
  }
  TempDir dir_;
};

TEST_F(IniProfileTest, MissingFileSectionOrKeyGivesDefault) {
  IniProfile none(file());
  EXPECT_EQ(none.GetInt(u"Thumbnail", u"PhotoNo", 10), 10);
  EXPECT_EQ(none.GetString(u"Thumbnail", u"Exif", u"dflt"), u"dflt");
  EXPECT_FALSE(fs::exists(file()));  // reading never creates the file

  IniProfile p = Profile("[Thumbnail]\r\nPhotoNo=3\r\n[Other]\r\nLinkNo=9\r\n");
  EXPECT_EQ(p.GetInt(u"Thumbnail", u"LinkNo", 4), 4);  // key of another section
  EXPECT_EQ(p.GetInt(u"Missing", u"PhotoNo", 7), 7);
  EXPECT_EQ(p.GetString(u"Thumbnail", u"Title", u"\"q\""), u"\"q\"");  // default as given
}

TEST_F(IniProfileTest, StringReadsStripOneQuotePairAndBlanks) {
  IniProfile p = Profile(
      "[S]\r\n"
      "plain=abc\r\n"
      "quoted=\"  two spaces  \"\r\n"
      "inner=\"say \"hi\"\"\r\n"
      "onequote=\"\r\n"
      "empty=\"\"\r\n"
      "half=\"abc\r\n"
      "blanks =  x y  \t\r\n"
      "nothing=\r\n"
      "ctrl=\"a\x01" "b\x01" "c\"\r\n"
      "utf8=\"\xE5\x86\x99\xE7\x9C\x9F\"\r\n");
  struct Case {
    std::u16string key, value;
  };
  const Case cases[] = {
      {u"plain", u"abc"},         {u"quoted", u"  two spaces  "}, {u"inner", u"say \"hi\""},
      {u"onequote", u"\""},       {u"empty", u""},                {u"half", u"\"abc"},
      {u"blanks", u"x y"},        {u"nothing", u""},              {u"ctrl", u"a\x01" u"b\x01" u"c"},
      {u"utf8", u"写真"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(p.GetString(u"S", c.key, u"default"), c.value) << std::string(c.key.begin(), c.key.end());
}

TEST_F(IniProfileTest, NamesMatchIgnoringCaseAndFirstOccurrenceWins) {
  IniProfile p = Profile(
      "\xEF\xBB\xBF[thumbnail]\nphotono=5\nPhotoNo=6\n  [ Compose ]  \nSize=1\n"
      "[Thumbnail]\nLinkNo=8\n");
  EXPECT_EQ(p.GetInt(u"Thumbnail", u"PhotoNo", 0), 5);
  EXPECT_EQ(p.GetInt(u"COMPOSE", u"size", 0), 1);
  // A repeated section is not searched: the first one is the section.
  EXPECT_EQ(p.GetInt(u"Thumbnail", u"LinkNo", 4), 4);
}

TEST_F(IniProfileTest, IntReadsTakeTheLeadingDecimalNumber) {
  IniProfile p = Profile(
      "[S]\r\na=12abc\r\nb=  -7\r\nc=+5\r\nd=abc\r\ne=\r\nf=\"42\"\r\ng=99999999999\r\n"
      "h=-99999999999\r\ni=- 3\r\nj=3.9\r\n");
  struct Case {
    std::u16string key;
    int value;
  };
  const Case cases[] = {{u"a", 12},      {u"b", -7},      {u"c", 5},  {u"d", 0},
                        {u"e", 77},      {u"f", 42},      {u"g", INT_MAX},
                        {u"h", INT_MIN}, {u"i", 0},       {u"j", 3},  {u"missing", 77}};
  for (const Case& c : cases)
    EXPECT_EQ(p.GetInt(u"S", c.key, 77), c.value) << std::string(c.key.begin(), c.key.end());
}

TEST_F(IniProfileTest, StringReadsAreCutTo4095Units) {
  const std::string longText(5000, 'x');
  // A pair whose halves would straddle the cut is left out whole.
  const std::string straddle = std::string(4094, 'y') + "\xF0\x9F\x98\x80" + "zz";
  IniProfile p = Profile("[S]\r\nlong=\"" + longText + "\"\r\nstraddle=" + straddle + "\r\n");
  EXPECT_EQ(p.GetString(u"S", u"long", u""), std::u16string(4095, u'x'));
  EXPECT_EQ(p.GetString(u"S", u"straddle", u""), std::u16string(4094, u'y'));
  EXPECT_EQ(p.GetString(u"S", u"missing", std::u16string(4100, u'd')).size(), 4095u);
}

TEST_F(IniProfileTest, WritesCreateFileSectionsAndKeysInFirstWriteOrder) {
  IniProfile p(file());
  ASSERT_TRUE(p.WriteInt(u"A", u"one", 1));
  ASSERT_TRUE(p.WriteString(u"B", u"two", u"\"2\""));
  ASSERT_TRUE(p.WriteInt(u"A", u"three", -3));
  ASSERT_TRUE(p.WriteString(u"a", u"ONE", u"\x01"));  // update keeps its place and spelling
  ASSERT_TRUE(p.WriteString(u"C", u"four", u""));
  EXPECT_EQ(ReadBytes(file()),
            "[A]\r\none=\x01\r\nthree=-3\r\n[B]\r\ntwo=\"2\"\r\n[C]\r\nfour=\r\n");
  EXPECT_EQ(p.GetString(u"A", u"one", u""), u"\x01");
  EXPECT_EQ(p.GetInt(u"A", u"three", 0), -3);

  // Nothing but the INI file is left in the folder.
  int entries = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir_.path())) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST_F(IniProfileTest, WritesKeepForeignLinesAndAddKeysAtTheEndOfTheirSection) {
  IniProfile p = Profile("; note\n[A]\nx=1\n\n[B]\ny=2\n# comment\n");
  ASSERT_TRUE(p.WriteInt(u"A", u"z", 3));
  ASSERT_TRUE(p.WriteInt(u"B", u"w", 4));
  ASSERT_TRUE(p.WriteInt(u"B", u"y", 5));
  EXPECT_EQ(ReadBytes(file()),
            "; note\r\n[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=5\r\n# comment\r\nw=4\r\n");
}

TEST_F(IniProfileTest, LineBreaksInAValueCannotInjectKeys) {
  IniProfile p(file());
  ASSERT_TRUE(p.WriteString(u"A", u"text", u"a\r\nevil=1\nb"));
  EXPECT_EQ(p.GetString(u"A", u"text", u""), u"a  evil=1 b");
  EXPECT_EQ(p.GetInt(u"A", u"evil", -1), -1);
  EXPECT_FALSE(p.WriteString(u"A", u"bad=key", u"v"));
  EXPECT_FALSE(p.WriteString(u"A", u"", u"v"));
  EXPECT_FALSE(p.WriteString(u"A]x", u"k", u"v"));
  EXPECT_FALSE(p.WriteString(u"A\n[B", u"k", u"v"));
}

TEST_F(IniProfileTest, FailedWriteReportsFalseAndLeavesOldFile) {
  IniProfile missingFolder(dir_ / "nowhere" / "x.ini");
  EXPECT_FALSE(missingFolder.WriteInt(u"A", u"k", 1));

  fs::create_directory(dir_ / "taken.ini");  // a folder where the file should go
  IniProfile blocked(dir_ / "taken.ini");
  EXPECT_FALSE(blocked.WriteInt(u"A", u"k", 1));
  EXPECT_EQ(blocked.GetInt(u"A", u"k", 9), 9);  // a folder reads as no file
  EXPECT_TRUE(fs::is_directory(dir_ / "taken.ini"));
  EXPECT_TRUE(fs::is_empty(dir_ / "taken.ini"));
}

TEST_F(IniProfileTest, WriteThroughSymlinkUpdatesTheTarget) {
  WriteBytes(dir_ / "real.ini", "[A]\r\nk=1\r\n");
  fs::create_symlink(dir_ / "real.ini", file());
  IniProfile p(file());
  ASSERT_TRUE(p.WriteInt(u"A", u"k", 2));
  EXPECT_TRUE(fs::is_symlink(file()));
  EXPECT_EQ(ReadBytes(dir_ / "real.ini"), "[A]\r\nk=2\r\n");
}

}  // namespace

TEST_F(IniProfileTest, AShiftJisFileIsReadAsCodePage932AndSavedAsUtf8) {
  // 写真 in Shift_JIS is 8E CA 90 5E; the same bytes are no UTF-8.
  IniProfile p = Profile("[Thumbnail]\r\nTitleString=\"\x8E\xCA\x90\x5E %n\"\r\nPhotoNo=12\r\n");
  EXPECT_EQ(p.GetString(u"Thumbnail", u"TitleString", u""), u"写真 %n");
  EXPECT_EQ(p.GetInt(u"Thumbnail", u"PhotoNo", 0), 12);
  ASSERT_TRUE(p.WriteInt(u"Thumbnail", u"PhotoNo", 5));
  EXPECT_EQ(ReadBytes(file()),
            "[Thumbnail]\r\nTitleString=\"\xE5\x86\x99\xE7\x9C\x9F %n\"\r\nPhotoNo=5\r\n");
}
