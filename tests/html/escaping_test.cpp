// SPDX-License-Identifier: GPL-3.0-or-later
// Names and Exif texts from outside as they land in a page: escaped as HTML
// text, as a script string, and encoded as links that address their file.
#include "html/escaping.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/text.h"

namespace folio {
namespace {

struct Case {
  std::u16string in, out;
};

TEST(EscapeHtml, TheFourMarkupCharactersBecomeReferences) {
  const Case cases[] = {
      {u"IMG_0001.jpg 桜の京都", u"IMG_0001.jpg 桜の京都"},
      {u"<img src=x onerror=alert(1)>", u"&lt;img src=x onerror=alert(1)&gt;"},
      {u"q\" onerror=\"alert(1)\" x=\"", u"q&quot; onerror=&quot;alert(1)&quot; x=&quot;"},
      {u"&amp; &#60; b&w", u"&amp;amp; &amp;#60; b&amp;w"},
      {u"it's 100% #1?\\", u"it's 100% #1?\\"},
  };
  for (const Case& c : cases) EXPECT_EQ(EscapeHtml(c.in), c.out) << ToUtf8(c.in);
}

TEST(EscapeScriptString, QuotesBackslashesAngleBracketsAndLineBreaks) {
  const Case cases[] = {
      {u"slideshow/夏 b&c.jpg", u"slideshow/夏 b&c.jpg"},
      {u"a\";document.title=\"x\";\".jpg", u"a\\\";document.title=\\\"x\\\";\\\".jpg"},
      {u"it's", u"it\\'s"},
      {u"back\\slash\\", u"back\\\\slash\\\\"},
      {u"</script><script>x=1</script>", u"\\u003c/script>\\u003cscript>x=1\\u003c/script>"},
      {u"<!--", u"\\u003c!--"},
      {u"a\nb\rc\td\x7F", u"a\\nb\\rc\\u0009d\\u007f"},
      {u"\u2028\u2029", u"\\u2028\\u2029"},
      // The script sees no character references: what the page's code page
      // lacks, or would turn into a look-alike, goes as an escape.
      {u"café 🌸", u"caf\\u00e9 \\ud83c\\udf38"},
      {u"¥〜−～", u"\\u00a5\\u301c\\u2212～"},
  };
  for (const Case& c : cases) EXPECT_EQ(EscapeScriptString(c.in), c.out) << ToUtf8(c.in);
}

TEST(EncodeLink, EveryCharacterThatMeansSomethingInAnAddressIsEncoded) {
  const Case cases[] = {
      // Names of letters, digits, spaces and valid text keep their characters
      // (🌸 becomes a character reference when the page is written).
      {u"jpg/IMG_0001.jpg", u"jpg/IMG_0001.jpg"},
      {u"jpg/桜の京都 2010.jpg", u"jpg/桜の京都 2010.jpg"},
      {u"jpg/花🌸 café ～.jpg", u"jpg/花🌸 café ～.jpg"},
      {u"jpg/b&w <\"x\">'.jpg", u"jpg/b&w <\"x\">'.jpg"},  // left to EscapeHtml
      {u"jpg/hash#tag.jpg", u"jpg/hash%23tag.jpg"},
      {u"jpg/what?.jpg", u"jpg/what%3F.jpg"},
      {u"jpg/%41%2e.jpg", u"jpg/%2541%252e.jpg"},
      {u"jpg/a\\b.jpg", u"jpg/a%5Cb.jpg"},
      {u"jpg/ta\tb\rc\nd\x7F.jpg", u"jpg/ta%09b%0Dc%0Ad%7F.jpg"},
      // Bytes that are no UTF-8 (as FromPath holds them) and the same text
      // written literally get different links.
      {u"jpg/\xDCFF\xDCFE.jpg", u"jpg/%FF%FE.jpg"},
      {u"jpg/%FF%FE.jpg", u"jpg/%25FF%25FE.jpg"},
      // Look-alikes would name another file; a C1 control's reference would
      // read as a Windows-1252 character.
      {u"jpg/¥〜−.jpg", u"jpg/%C2%A5%E3%80%9C%E2%88%92.jpg"},
      {u"jpg/a\u0085.jpg", u"jpg/a%C2%85.jpg"},
      // A scheme, a drive or a leading space only count in first place.
      {u"javascript:alert(1)/page1.html", u"javascript%3Aalert(1)/page1.html"},
      {u"C|/page1.html", u"C%7C/page1.html"},
      {u" x/page1.html", u"%20x/page1.html"},
      {u"jpg/12:30 |  x.jpg", u"jpg/12:30 |  x.jpg"},
  };
  for (const Case& c : cases) EXPECT_EQ(EncodeLink(c.in), c.out) << ToUtf8(c.in);

  EXPECT_EQ(LinkAttribute(u"jpg/q\" onerror=\"alert(1)\" x=\".jpg"),
            u"jpg/q&quot; onerror=&quot;alert(1)&quot; x=&quot;.jpg");
  EXPECT_EQ(LinkAttribute(u"jpg/&amp;&#60;#.jpg"), u"jpg/&amp;amp;&amp;%2360;%23.jpg");
}

}  // namespace
}  // namespace folio
