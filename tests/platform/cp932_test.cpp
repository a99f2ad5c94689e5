// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/cp932.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

using folio::Cp932ToUtf16;
using folio::Utf16ToCp932;
using folio::test::ReadBytes;
using folio::test::TempDir;
using folio::test::WriteBytes;

namespace {

TEST(Cp932, JapaneseTextRoundTripsWithKnownBytes) {
  EXPECT_EQ(Utf16ToCp932(u"あ漢ｱA"), "\x82\xA0\x8A\xBF\xB1" "A");
  const std::u16string text =
      u"撮影日時：２００８年１月２日\r\nｶﾀｶﾅ ひらがな ①～〜−\r\n<a href=\"page1.html\">";
  const std::string bytes = Utf16ToCp932(text);
  EXPECT_EQ(bytes.find("&#"), std::string::npos);
  // "〜" (U+301C) and "−" (U+2212) share the byte pairs of "～" and "－", so
  // they come back as those.
  std::u16string expected = text;
  expected[expected.find(u'〜')] = u'～';
  expected[expected.find(u'−')] = u'－';
  EXPECT_EQ(Cp932ToUtf16(bytes), expected);
}

TEST(Cp932, CharactersWithoutCp932FormBecomeNumericReferences) {
  struct Case {
    std::u16string in;
    std::string out;
  };
  const Case cases[] = {
      {u"\U0001F600", "&#128512;"},           // a surrogate pair gives the whole code point
      {u"caf\u00E9", "caf&#233;"},
      {u"5\u20AC!", "5&#8364;!"},
      {u"\u00E9\u20AC\U0001F600", "&#233;&#8364;&#128512;"},
      {u"a\xD800" u"b", "a&#65533;b"},        // a lone surrogate is no character
      // The bytes of a name that is no UTF-8 (as FromPath keeps them) become
      // URL escapes, so that links to the file still find it.
      {u"jpg/\xDC93\xDCFA\xDC96{.jpg", "jpg/%93%FA%96{.jpg"},
      {u"\xDC7F\xDD00", "&#65533;&#65533;"},  // next to that range: no bytes
      {u"\r\n\n", "\r\n\n"},                  // line ends exactly as given
  };
  for (const Case& c : cases) EXPECT_EQ(Utf16ToCp932(c.in), c.out);
}

TEST(Cp932, LongTextWithReferencesAcrossConversionChunks) {
  std::u16string text;
  std::string expected;
  for (int i = 0; i < 3000; ++i) {
    text += u"写";
    expected += "\x8E\xCA";
    if (i % 7 == 0) {
      text += u"\u20AC";
      expected += "&#8364;";
    }
  }
  EXPECT_EQ(Utf16ToCp932(text), expected);
  EXPECT_EQ(Cp932ToUtf16(Utf16ToCp932(u"写写写")), u"写写写");
}

TEST(Cp932, DecodingStopsAtNulAndReplacesBadBytes) {
  using namespace std::string_literals;
  EXPECT_EQ(Cp932ToUtf16("Canon\0junk"s), u"Canon");
  EXPECT_EQ(Cp932ToUtf16("a\xFF" "b"), u"a\uFFFDb");
  EXPECT_EQ(Cp932ToUtf16("\xA0" "x"), u"\uFFFDx");
  EXPECT_EQ(Cp932ToUtf16("ok\x82"), u"ok\uFFFD");  // lead byte cut off at the end
  EXPECT_EQ(Cp932ToUtf16(""), u"");

  std::string big(10000, 'z');
  big += "\x82\xA0";
  EXPECT_EQ(Cp932ToUtf16(big), std::u16string(10000, u'z') + u"あ");
}

TEST(Cp932, TextFileHoldsExactlyTheBytesAndReplacesOldFile) {
  TempDir dir;
  const auto path = dir / "page1.html";
  WriteBytes(path, std::string(5000, 'o'));
  ASSERT_TRUE(folio::WriteCp932TextFile(path, u"<p>写真\u20AC</p>\r\n\n"));
  EXPECT_EQ(ReadBytes(path), "<p>\x8E\xCA\x90^&#8364;</p>\r\n\n");

  EXPECT_FALSE(folio::WriteCp932TextFile(dir / "missing" / "x.html", u"x"));
  EXPECT_FALSE(folio::WriteCp932TextFile(dir.path(), u"x"));
}

// Whether a page's bytes read back as the character itself: the look-alikes
// would lead a link to another file's name.
TEST(Cp932, FormOfEachCharacterAgreesWithTheWrittenBytes) {
  using folio::Cp932Form;
  struct Case {
    char32_t c;
    Cp932Form form;
  };
  const Case cases[] = {
      {U'A', Cp932Form::kItself},        {U'\\', Cp932Form::kItself},
      {U'\t', Cp932Form::kItself},       {U'あ', Cp932Form::kItself},
      {U'ｱ', Cp932Form::kItself},        {U'～', Cp932Form::kItself},
      {U'①', Cp932Form::kItself},        {U'¥', Cp932Form::kLookAlike},
      {U'〜', Cp932Form::kLookAlike},    {U'−', Cp932Form::kLookAlike},
      {U'‾', Cp932Form::kLookAlike},     {U'é', Cp932Form::kNone},
      {U'\u0085', Cp932Form::kNone},     {0xDCFF, Cp932Form::kNone},
      {U'\U0001F600', Cp932Form::kNone},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(folio::Cp932FormOf(c.c), c.form) << std::hex << static_cast<unsigned>(c.c);
    if (c.form != Cp932Form::kNone && c.c < 0x10000) {
      const std::u16string text(1, static_cast<char16_t>(c.c));
      EXPECT_EQ(Cp932ToUtf16(Utf16ToCp932(text)) == text, c.form == Cp932Form::kItself);
    }
  }
}

}  // namespace
