// SPDX-License-Identifier: GPL-3.0-or-later
// Every name and Exif text from outside through every kind of page, checked
// in the bytes the page is written with: a cell's link and thumbnail, its
// caption, a text link, the slideshow's array and first slide, a menu line
// and the top page. No markup or script of theirs survives, and each link
// names exactly its file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/exif_tallies.h"
#include "html/batch_pages.h"
#include "html/slideshow_page.h"
#include "html/thumbnail_pages.h"
#include "platform/cp932.h"
#include "platform/text.h"

namespace folio {
namespace {

// How one name lands: in a link, as HTML text and inside a script string.
struct NameCase {
  std::u16string name, link, text, script;
  std::u16string caption = text;  // through "%j", where later commands still expand
};

const std::vector<NameCase>& NameCases() {
  static const std::vector<NameCase> cases = {
      {u"IMG_0001 桜.jpg", u"IMG_0001 桜.jpg", u"IMG_0001 桜.jpg", u"IMG_0001 桜.jpg"},
      {u"<img src=x onerror=alert(1)>.jpg", u"&lt;img src=x onerror=alert(1)&gt;.jpg",
       u"&lt;img src=x onerror=alert(1)&gt;.jpg", u"\\u003cimg src=x onerror=alert(1)>.jpg"},
      {u"q\" onerror=\"alert(1)\" x=\".jpg", u"q&quot; onerror=&quot;alert(1)&quot; x=&quot;.jpg",
       u"q&quot; onerror=&quot;alert(1)&quot; x=&quot;.jpg",
       u"q\\\" onerror=\\\"alert(1)\\\" x=\\\".jpg"},
      {u"a\";document.title=\"x\";'.jpg", u"a&quot;;document.title=&quot;x&quot;;'.jpg",
       u"a&quot;;document.title=&quot;x&quot;;'.jpg", u"a\\\";document.title=\\\"x\\\";\\'.jpg"},
      {u"back\\slash.jpg", u"back%5Cslash.jpg", u"back\\slash.jpg", u"back%5Cslash.jpg"},
      {u"hash#tag?.jpg", u"hash%23tag%3F.jpg", u"hash#tag?.jpg", u"hash%23tag%3F.jpg"},
      {u"%41%2e.jpg", u"%2541%252e.jpg", u"%41%2e.jpg", u"%2541%252e.jpg"},
      {u"&amp;&#60;.jpg", u"&amp;amp;&amp;%2360;.jpg", u"&amp;amp;&amp;#60;.jpg",
       u"&amp;&%2360;.jpg"},
      {u"ta\tb\rc.jpg", u"ta%09b%0Dc.jpg", u"ta\tb\rc.jpg", u"ta%09b%0Dc.jpg"},
      // Bytes that are no UTF-8, and the same text written literally.
      {u"\xDCFF\xDCFE.jpg", u"%FF%FE.jpg", u"%FF%FE.jpg", u"%FF%FE.jpg"},
      {u"%FF%FE.jpg", u"%25FF%25FE.jpg", u"%FF%FE.jpg", u"%25FF%25FE.jpg", u"FE.jpg"},
      // Look-alikes in the code page, and characters beyond it.
      {u"it's ¥〜.jpg", u"it's %C2%A5%E3%80%9C.jpg", u"it's ¥〜.jpg",
       u"it\\'s %C2%A5%E3%80%9C.jpg"},
      {u"花🌸.jpg", u"花🌸.jpg", u"花🌸.jpg", u"花\\ud83c\\udf38.jpg"},
  };
  return cases;
}

std::vector<ImageRecord> OneRecord(std::u16string_view name) {
  std::vector<ImageRecord> records(1);
  SetField(records[0].fileName, name);
  return records;
}

// The page as it is written, and the expected piece in the same bytes.
std::string Bytes(std::u16string_view text) { return Utf16ToCp932(text); }

void ExpectHolds(std::u16string_view page, std::u16string_view piece, const NameCase& c) {
  EXPECT_NE(Bytes(page).find(Bytes(piece)), std::string::npos)
      << "name " << ToUtf8(c.name) << " should give " << ToUtf8(piece) << " in\n"
      << Bytes(page);
}

TEST(OutsideTextInPages, EveryNameInEveryKindOfPage) {
  const ExifTallies tallies;
  for (const NameCase& c : NameCases()) {
    const std::vector<ImageRecord> records = OneRecord(c.name);
    ThumbnailPageOptions thumbnail;
    thumbnail.photoColumns = 1;
    thumbnail.caption = u"%j";
    ExpectHolds(ThumbnailPageText(thumbnail, records, tallies, 1, 1, {0, 1}),
                u"<td ALIGN=\"CENTER\"><a href=\"jpg/" + c.link + u"\"><img src=\"thum/" + c.link +
                    u"\"></a><br>" + c.caption + u"</td>",
                c);
    thumbnail.thumbnails = false;
    thumbnail.caption.clear();
    ExpectHolds(ThumbnailPageText(thumbnail, records, tallies, 1, 1, {0, 1}),
                u"<td ALIGN=\"CENTER\"><a href=\"jpg/" + c.link + u"\">" + c.text + u"</a></td>",
                c);

    const std::u16string slideshow = SlideshowPageText(SlideshowPageOptions{}, records);
    ExpectHolds(slideshow, u"\timg[0] = \"slideshow/" + c.script + u"\";\r\n", c);
    ExpectHolds(slideshow, u"\t<img src=\"slideshow/" + c.link + u"\" id=\"slideshow\"", c);

    // The same name as a folder of a batch, and as the folder that holds it.
    ExpectHolds(
        MenuLinkLine(c.name),
        u"<a target=\"main\" href = \"" + c.link + u"/page1.html\">" + c.text + u"</a><br>\r\n", c);
    const std::u16string top =
        TopPageText(NamesOfFolder(u"/photos/" + c.name + u"/" + c.name), 150);
    ExpectHolds(top, u"<title>" + c.text + u"</title>", c);
    ExpectHolds(top, u"<frame name=\"main\" src=\"" + c.link + u"/page1.html\" scrolling", c);
  }
}

// The additions of the styled pages carry the same names: the alt text and
// the title as text, the 2x source as a link that a space cannot split.
TEST(OutsideTextInPages, EveryNameInTheStyledPagesAdditions) {
  const ExifTallies tallies;
  for (const NameCase& c : NameCases()) {
    const std::vector<ImageRecord> records = OneRecord(c.name);
    ThumbnailPageOptions thumbnail;
    thumbnail.classic = false;
    thumbnail.photoColumns = 1;
    thumbnail.folderName = c.name;
    const ShownSize shown[] = {{340, 255, true}};
    std::u16string sourceSet;
    for (const char16_t ch : c.link)
      sourceSet += ch == u' ' ? std::u16string(u"%20") : std::u16string(1, ch);
    const std::u16string page = ThumbnailPageText(thumbnail, records, tallies, 1, 1, {0, 1}, shown);
    ExpectHolds(page, u"<TITLE>1ページ - " + c.text + u"</TITLE>", c);
    ExpectHolds(page,
                u"<img src=\"thum/" + c.link + u"\" srcset=\"thum/2x/" + sourceSet +
                    u" 2x\" width=\"340\" height=\"255\" alt=\"" + c.text + u"\">",
                c);
  }
}

TEST(OutsideTextInPages, FolderNamesThatWouldMakeTheLinkAbsolute) {
  struct Case {
    std::u16string folder, link;
  };
  const Case cases[] = {
      {u"javascript:alert(1)", u"javascript%3Aalert(1)"},
      {u"C|", u"C%7C"},
      {u" leading space", u"%20leading space"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MenuLinkLine(c.folder), u"<a target=\"main\" href = \"" + c.link + u"/page1.html\">" +
                                          c.folder + u"</a><br>\r\n");
    EXPECT_NE(TopPageText(NamesOfFolder(u"/photos/" + c.folder), 150)
                  .find(u"src=\"" + c.link + u"/page1.html\""),
              std::u16string::npos)
        << ToUtf8(c.folder);
  }
}

// Exif texts reach a page through the caption, the title and the top text
// (the user's templates), the labels of keyword pages and the lens
// statistics; the templates' own markup stays.
TEST(OutsideTextInPages, ExifTextsAreTextWhereverTheyLand) {
  // Short enough for the date's field of 19 units.
  const std::u16string payload = u"</td><script>x&\"";
  const std::u16string escaped = u"&lt;/td&gt;&lt;script&gt;x&amp;&quot;";
  using Setter = void (*)(ImageRecord&, std::u16string_view);
  struct Case {
    const char* what;
    Setter set;
    const char16_t* command;  // in the templates
    const char16_t* keyword;  // of keyword pages
  };
  const Case cases[] = {
      {"make", [](ImageRecord& r, std::u16string_view v) { SetField(r.make, v); }, u"%m",
       u"メーカー"},
      {"model", [](ImageRecord& r, std::u16string_view v) { SetField(r.model, v); }, u"%c",
       u"カメラモデル"},
      {"lens", [](ImageRecord& r, std::u16string_view v) { SetField(r.lensName, v); }, u"%v",
       u"レンズ情報"},
      {"date", [](ImageRecord& r, std::u16string_view v) { SetField(r.dateTimeOriginal, v); },
       u"%d", nullptr},
  };
  for (const Case& c : cases) {
    std::vector<ImageRecord> records(2);
    c.set(records[0], payload);
    SetField(records[1].model, u"other");
    records[1].groupNumber = 1;
    if (c.keyword) SetField(records[0].sortKeyword, c.keyword);
    ExifTallies tallies;
    tallies.CountLens(payload);

    ThumbnailPageOptions s;
    s.keywordPages = true;
    s.title = std::u16string(u"<b>") + c.command + u"</b>";
    s.topText = std::u16string(u"<i>") + c.command + u"</i>\r\n%V";
    s.caption = std::u16string(u"<u>") + c.command + u"</u>";
    const std::u16string page = ThumbnailPageText(s, records, tallies, 1, 2, {0, 1});
    SCOPED_TRACE(c.what);
    EXPECT_EQ(page.find(u"<script>"), std::u16string::npos) << ToUtf8(page);
    EXPECT_NE(page.find(u"<TITLE><b>" + escaped + u"</b></TITLE>"), std::u16string::npos);
    EXPECT_NE(page.find(u"<i>" + escaped + u"</i><br>" + escaped + u" 1枚<br>"),
              std::u16string::npos);
    EXPECT_NE(page.find(u"<br><u>" + escaped + u"</u></td>"), std::u16string::npos);
    if (c.keyword) {
      EXPECT_NE(page.find(u"1：" + escaped + u"　"), std::u16string::npos);
    }
  }
}

}  // namespace
}  // namespace folio
