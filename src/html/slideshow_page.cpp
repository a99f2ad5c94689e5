// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/slideshow_page.h"

#include "folder/folder_layout.h"
#include "html/charset.h"
#include "html/escaping.h"
#include "html/thumbnail_pages.h"
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

// The classic buttons with a tooltip each.
constexpr std::u16string_view kButtonsWithTitles =
    u"\t<input type=\"button\" value=\"<<\" onclick=\"_speeddown();\" title=\"遅くする (-)\">\r\n"
    u"\t<input type=\"button\" value=\"<\" onclick=\"_prev();\" title=\"前の写真 (←)\">\r\n"
    u"\t<input type=\"button\" value=\"□\" onclick=\"_stop();\" title=\"停止 (Space / Esc)\">\r\n"
    u"\t<input type=\"button\" value=\"[>\" onclick=\"_start();\" title=\"再生 (Space)\">\r\n"
    u"\t<input type=\"button\" value=\">\" onclick=\"slideimage();\" title=\"次の写真 (→)\">\r\n"
    u"\t<input type=\"button\" value=\">>\" onclick=\"_speedup();\" title=\"速くする (+)\">\r\n";

// Drives the classic functions from the keys and swipes, and keeps the
// counter, the name, the slide's size and 2x source and the preloaded next
// slide in step with whatever shows a slide. The names are set as text,
// never as markup.
constexpr std::u16string_view kDriverScript =
    u"<script type=\"text/javascript\">\r\n"
    u"(function () {\r\n"
    u"\tvar slide = document.getElementById('slideshow');\r\n"
    u"\tvar counter = document.getElementById('slidecounter');\r\n"
    u"\tvar label = document.getElementById('slidename');\r\n"
    u"\tvar running = false, ahead = new Image();\r\n"
    u"\tvar show = showimage, start = _start, stop = _stop, up = _speedup, down = _speeddown;\r\n"
    u"\tshowimage = function (num) {\r\n"
    u"\t\tif (slidewide[num] > 0) { slide.width = slidewide[num]; slide.height = slidehigh[num]; }\r\n"
    u"\t\telse { slide.removeAttribute('width'); slide.removeAttribute('height'); }\r\n"
    u"\t\tif (slide2x[num]) slide.srcset = slide2x[num] + ' 2x'; else slide.removeAttribute('srcset');\r\n"
    u"\t\tshow(num);\r\n"
    u"\t\tcounter.textContent = (num + 1) + ' / ' + imgs;\r\n"
    u"\t\tlabel.textContent = slidenames[num];\r\n"
    u"\t\tvar next = (num + 1) % imgs;\r\n"
    u"\t\tahead = new Image();\r\n"
    u"\t\tif (slide2x[next]) ahead.srcset = slide2x[next] + ' 2x';\r\n"
    u"\t\tahead.src = img[next];\r\n"
    u"\t};\r\n"
    u"\t_start = function () { start(); running = true; };\r\n"
    u"\t_stop = function () { stop(); running = false; };\r\n"
    u"\t_speedup = function () { up(); running = true; };\r\n"
    u"\t_speeddown = function () { down(); running = true; };\r\n"
    u"\tfunction jump(num) { showimage(num); count = num + 1; }\r\n"
    u"\tdocument.addEventListener('keydown', function (e) {\r\n"
    u"\t\tif (e.altKey || e.ctrlKey || e.metaKey) return;\r\n"
    u"\t\tvar t = e.target && e.target.tagName;\r\n"
    u"\t\tif (t === 'INPUT' && (e.key === ' ' || e.key === 'Enter')) e.target.blur();\r\n"
    u"\t\tswitch (e.key) {\r\n"
    u"\t\tcase 'ArrowRight': slideimage(); break;\r\n"
    u"\t\tcase 'ArrowLeft': _prev(); break;\r\n"
    u"\t\tcase ' ': if (running) _stop(); else _start(); break;\r\n"
    u"\t\tcase 'Escape': _stop(); break;\r\n"
    u"\t\tcase '+': _speedup(); break;\r\n"
    u"\t\tcase '-': _speeddown(); break;\r\n"
    u"\t\tcase 'Home': jump(0); break;\r\n"
    u"\t\tcase 'End': jump(imgs - 1); break;\r\n"
    u"\t\tdefault: return;\r\n"
    u"\t\t}\r\n"
    u"\t\te.preventDefault();\r\n"
    u"\t});\r\n"
    u"\tvar x0 = null, y0 = 0;\r\n"
    u"\tdocument.addEventListener('touchstart', function (e) {\r\n"
    u"\t\tif (e.touches.length !== 1) { x0 = null; return; }\r\n"
    u"\t\tx0 = e.touches[0].clientX; y0 = e.touches[0].clientY;\r\n"
    u"\t}, { passive: true });\r\n"
    u"\tdocument.addEventListener('touchend', function (e) {\r\n"
    u"\t\tif (x0 === null || e.changedTouches.length < 1) return;\r\n"
    u"\t\tvar dx = e.changedTouches[0].clientX - x0, dy = e.changedTouches[0].clientY - y0;\r\n"
    u"\t\tx0 = null;\r\n"
    u"\t\tif (Math.abs(dx) < 40 || Math.abs(dx) < 2 * Math.abs(dy)) return;\r\n"
    u"\t\tif (dx < 0) slideimage(); else _prev();\r\n"
    u"\t});\r\n"
    u"\tshowimage(0);\r\n"
    u"})();\r\n"
    u"</script>\r\n";

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
                                 std::span<const ImageRecord> records,
                                 std::span<const ShownSize> shown) {
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

  const auto shownAt = [&](std::size_t i) { return i < shown.size() ? shown[i] : ShownSize{}; };
  if (!options.classic) {
    // What the driver script below keeps in step with the slide.
    std::u16string names, doubles, widths, heights;
    for (std::size_t i = 0; i < records.size(); ++i) {
      const std::u16string_view name = FieldText(records[i].fileName);
      const ShownSize size = shownAt(i);
      const std::u16string separator = i == 0 ? u"" : u", ";
      names += separator + u"\"" + EscapeScriptString(name) + u"\"";
      doubles += separator + u"\"" +
                 (size.doubleSize ? EscapeScriptString(SourceSetLink(PathInFolder(
                                        PathInFolder(kSlideFolder, kDoubleSizeFolder), name)))
                                  : std::u16string()) +
                 u"\"";
      widths += separator + DecimalText(size.width);
      heights += separator + DecimalText(size.height);
    }
    page += u"\tvar slidenames = [" + names + u"];\r\n";
    page += u"\tvar slide2x = [" + doubles + u"];\r\n";
    page += u"\tvar slidewide = [" + widths + u"];\r\n";
    page += u"\tvar slidehigh = [" + heights + u"];\r\n";
  }

  page += kScriptEnd;
  if (!options.classic) {
    // Inside the head, after its script.
    const std::size_t head = page.rfind(u"</head>");
    page.insert(head, kViewportLine);
  }
  page += u"<body>\r\n<div class=\"control\">\r\n";
  if (!options.topText.empty()) page += TopTextLines(options.topText);
  page += options.classic ? kButtons : kButtonsWithTitles;
  page += u"</div>\r\n<div class=\"photo\">\r\n";
  const std::u16string_view firstName = FieldText(records[0].fileName);
  page += u"\t<img src=\"" + LinkAttribute(SlideshowImagePath(firstName)) +
          u"\" id=\"slideshow\" alt=\"スライドショー\"";
  // The alt text stays the classic one; the name shows under the slide.
  if (!options.classic) page += ImageAttributes(kSlideFolder, firstName, shownAt(0), false, false);
  page += u">\r\n";
  page += u"</div>\r\n";
  if (!options.classic) {
    page += u"<div class=\"caption\"><span class=\"counter\" id=\"slidecounter\">1 / " +
            imageCount + u"</span> <span class=\"name\" id=\"slidename\">" + EscapeHtml(firstName) +
            u"</span></div>\r\n";
    page += kDriverScript;
  }
  page += u"</BODY>\r\n</HTML>\r\n";

  return page;
}

}  // namespace folio
