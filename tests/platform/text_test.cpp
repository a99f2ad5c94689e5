// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text.h"

#include <gtest/gtest.h>

namespace {

TEST(Text, Utf8RoundTripIncludingPairsAndControlMarks) {
  const std::u16string text = u"a\x01写真\U0001F600é\r\n";
  EXPECT_EQ(folio::ToUtf8(text), "a\x01\xE5\x86\x99\xE7\x9C\x9F\xF0\x9F\x98\x80\xC3\xA9\r\n");
  EXPECT_EQ(folio::FromUtf8(folio::ToUtf8(text)), text);
  EXPECT_EQ(folio::FromPath(folio::ToPath(u"/写真/a.jpg")), u"/写真/a.jpg");
}

TEST(Text, MalformedUtf8BecomesReplacementCharacters) {
  struct Case {
    std::string in;
    std::u16string out;
  };
  const Case cases[] = {
      {"a\xFF" "b", u"a\uFFFDb"},
      {"\xC3", u"\uFFFD"},                          // cut off
      {"\xC0\xAF", u"\uFFFD\uFFFD"},                // overlong "/"
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},      // an encoded surrogate
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // past U+10FFFF
  };
  for (const Case& c : cases) EXPECT_EQ(folio::FromUtf8(c.in), c.out);
  EXPECT_EQ(folio::ToUtf8(u"x\xD800y"), "x\xEF\xBF\xBDy");  // lone surrogate
}

TEST(Text, PathBytesThatAreNoUtf8ComeBackUnchanged) {
  // Names written in Shift_JIS (日本.jpg), Latin-1 (café.jpg) and the
  // malformed forms above: each bad byte survives the trip through UTF-16.
  for (const std::string& name : {std::string("\x93\xfa\x96\x7b.jpg"), std::string("caf\xE9.jpg"),
                                 std::string("\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80\xC3")}) {
    const std::u16string text = folio::FromPath(name);
    EXPECT_EQ(text.find(u'\uFFFD'), std::u16string::npos);
    EXPECT_EQ(folio::ToPath(text).native(), name);
  }
  EXPECT_EQ(folio::FromPath("caf\xE9.jpg"), u"caf\xDCE9.jpg");
  // Good UTF-8 around bad bytes is read as usual; text that did not come from
  // a path keeps the replacement character.
  EXPECT_EQ(folio::FromPath("\xE5\x86\x99\xFF"), u"写\xDCFF");
  EXPECT_EQ(folio::ToUtf8(u"caf\xDCE9"), "caf\xEF\xBF\xBD");
}

TEST(Text, FormatAndSuffixHelpers) {
  EXPECT_EQ(folio::FormatText(u"%s (%d/%d) 100%%", {u"dir", u"1", u"3"}), u"dir (1/3) 100%");
  EXPECT_EQ(folio::FormatText(u"%s %s", {u"only"}), u"only %s");
  EXPECT_EQ(folio::DecimalText(-42), u"-42");
  EXPECT_TRUE(folio::EndsWithNoCase(u"IMG_0001.JPG", u".jpg"));
  EXPECT_TRUE(folio::EndsWithNoCase(u".jpg", u".jpg"));
  EXPECT_FALSE(folio::EndsWithNoCase(u"jpg", u".jpg"));
  EXPECT_FALSE(folio::EndsWithNoCase(u"a.jpeg", u".jpg"));
}

TEST(Text, ReplaceAllAndTrailingSeparators) {
  struct Case {
    std::u16string text, from, to, out;
  };
  const Case cases[] = {
      {u"%s-%s", u"%s", u"x", u"x-x"},
      {u"aaa", u"aa", u"b", u"ba"},           // left to right, no overlaps
      {u"%i", u"%i", u"%i%i", u"%i%i"},       // inserted text is not searched again
      {u"abc", u"", u"x", u"abc"},            // an empty pattern changes nothing
      {u"写真写真", u"写", u"", u"真真"},
  };
  for (const Case& c : cases) {
    std::u16string text = c.text;
    folio::ReplaceAll(text, c.from, c.to);
    EXPECT_EQ(text, c.out) << folio::ToUtf8(c.text);
  }
  EXPECT_EQ(folio::WithoutTrailingSeparators(u"/photos/2010//"), u"/photos/2010");
  EXPECT_EQ(folio::WithoutTrailingSeparators(u"/photos"), u"/photos");
  EXPECT_EQ(folio::WithoutTrailingSeparators(u"///"), u"/");
  EXPECT_EQ(folio::WithoutTrailingSeparators(u""), u"");
}

}  // namespace
