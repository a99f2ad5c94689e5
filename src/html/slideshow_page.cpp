// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/slideshow_page.h"

#include "folder/folder_layout.h"
#include "html/charset.h"
#include "html/escaping.h"
#include "platform/text.h"

namespace folio {

namespace {

constexpr std::u16string_view kPageStart =
    u"<HTML>\r\n"
    u"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">\r\n"
    u"<HEAD>\r\n<TITLE>スライドショー</TITLE>\r\n"
    u"<link rel=\"stylesheet\" type=\"text/css\" href=\"slide.css\">\r\n"
    u"<style type=\"text/css\"><!--\r\n"
    u"\tdiv.photo { text-align: center; }\r\n"
    u"\tdiv.photo img { border: gray 3px solid; }\r\n"
    u"\tdiv.control { text-align: center; margin: 0.3em 0px 1em 0px; }\r\n"
    u"--></style>\r\n\r\n"
    u"<script type=\"text/javascript\"><!--\r\n";

static_assert(kPageStart.substr(8, kCharsetLine.size()) == kCharsetLine);

constexpr std::u16string_view kScriptEnd =
    u"\r\n\tfunction showimage(num) { var name = img[num]; "
    u"document.getElementById('slideshow').src = name; }\r\n\r\n"
    u"\tvar count=1;\r\n"
    u"\tfunction slideimage() { if(count >= imgs) { count = 0; }\r\n"
    u"\tshowimage( count ); count++; }\r\n"
    u"\tvar slideid; function _start() { _stop(); inttime = tmptime; "
    u"slideid = setInterval(\"slideimage()\",inttime); }\r\n\r\n"
    u"\tfunction _stop(){ clearInterval(slideid); }\r\n"
    u"\tfunction _prev(){ count -= 2; if(count == -1){count = imgs-1;} showimage(count); count++;}\r\n"
    u"\tfunction _speedup(){ _stop(); inttime = inttime / 2; "
    u"slideid = setInterval(\"slideimage()\",inttime);}\r\n"
    u"\tfunction _speeddown(){ _stop(); inttime = inttime * 2; "
    u"slideid = setInterval(\"slideimage()\",inttime);}\r\n"
    u"// --></script>\r\n</head>\r\n\r\n";

constexpr std::u16string_view kButtons =
    u"\t<input type=\"button\" value=\"<<\" onclick=\"_speeddown();\">\r\n"
    u"\t<input type=\"button\" value=\"<\" onclick=\"_prev();\">\r\n"
    u"\t<input type=\"button\" value=\"□\" onclick=\"_stop();\">\r\n"
    u"\t<input type=\"button\" value=\"[>\" onclick=\"_start();\">\r\n"
    u"\t<input type=\"button\" value=\">\" onclick=\"slideimage();\">\r\n"
    u"\t<input type=\"button\" value=\">>\" onclick=\"_speedup();\">\r\n";

// The top text is plain text with line breaks, not a caption template.
std::u16string TopTextLines(std::u16string_view text) {
  std::u16string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
      out += u"<br>";
      ++i;
    } else {
      out += text[i];
    }
  }
  return out + u"<br>";
}

}  // namespace

std::u16string SlideshowImagePath(std::u16string_view fileName) {
  return PathInFolder(kSlideFolder, fileName);
}

std::u16string SlideshowPageText(const SlideshowPageOptions& options,
                                 std::span<const ImageRecord> records) {
  if (records.empty()) return {};  // the job never runs without photos
  const std::u16string imageCount = DecimalText(static_cast<long long>(records.size()));
  const std::u16string speed = DecimalText(options.intervalMs);

  std::u16string page(kPageStart);
  page += u"\tvar imgs = " + imageCount + u";\r\n";
  page += u"\tvar inttime = " + speed + u";\r\n";
  page += u"\tvar tmptime = " + speed + u";\r\n";
  page += u"\tvar img = new Array(" + imageCount + u");\r\n";
  for (std::size_t i = 0; i < records.size(); ++i) {
    page += u"\timg[" + DecimalText(static_cast<long long>(i)) + u"] = \"" +
            EscapeScriptString(EncodeLink(SlideshowImagePath(FieldText(records[i].fileName)))) +
            u"\";\r\n";
  }

  page += kScriptEnd;
  page += u"<body>\r\n<div class=\"control\">\r\n";
  if (!options.topText.empty()) page += TopTextLines(options.topText);
  page += kButtons;
  page += u"</div>\r\n<div class=\"photo\">\r\n";
  page += u"\t<img src=\"" + LinkAttribute(SlideshowImagePath(FieldText(records[0].fileName))) +
          u"\" id=\"slideshow\" alt=\"スライドショー\">\r\n";
  page += u"</div>\r\n</BODY>\r\n</HTML>\r\n";

  return page;
}

}  // namespace folio
