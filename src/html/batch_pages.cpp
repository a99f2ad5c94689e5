// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/batch_pages.h"

#include <filesystem>
#include <system_error>

#include "folder/folder_layout.h"
#include "html/escaping.h"
#include "html/thumbnail_pages.h"
#include "platform/text.h"

namespace folio {

FolderNames NamesOfFolder(std::u16string_view given) {
  std::u16string path(given);
  // A relative path (typed on a command line) would put the pages at the
  // file-system root; name its folders as they really lie.
  if (!path.empty() && path.front() != u'/') {
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(ToPath(path), ec).lexically_normal();
    if (!ec) path = FromPath(absolute);
  }
  path = WithoutTrailingSeparators(path);

  FolderNames names;
  // A separator in first position never counts.
  const std::size_t last = path.size() > 1 ? path.rfind(u'/') : std::u16string::npos;
  if (last == std::u16string::npos || last == 0) {
    names.own = path.empty() ? path : path.substr(1);
    return names;
  }
  names.own = path.substr(last + 1);
  names.parentPath = path.substr(0, last);
  const std::size_t before = last > 1 ? path.rfind(u'/', last - 1) : std::u16string::npos;
  if (before == std::u16string::npos || before == 0)
    names.parentName = path.substr(1, last - 1);
  else
    names.parentName = path.substr(before + 1, last - before - 1);
  return names;
}

std::u16string TopPageText(const FolderNames& names, int frameWidth, bool classic) {
  std::u16string page = u"<html>\r\n";
  page += kCharsetLine;
  page += u"<head>\r\n";
  if (!classic) page += kViewportLine;
  page += u"<title>";
  page += EscapeHtml(names.parentName);
  page += u"</title>\r\n";
  if (!classic) {
    page += u"<script type=\"text/javascript\">\r\n";
    page += u"if (window.matchMedia && window.matchMedia('(max-width: 599px)').matches)\r\n";
    page += u"\tlocation.replace('";
    page += kBatchMenuPageName;
    page += u"');\r\n</script>\r\n";
  }
  page += u"</head>\r\n\r\n";
  page += u"<frameset framespacing=\"0\" border=\"0\" frameborder=\"0\" cols=\"" +
          DecimalText(frameWidth) + u",*\">\r\n";
  page += u"  <frame name=\"contents\" target=\"main\" src=\"";
  page += kBatchMenuPageName;
  page += u"\" scrolling=\"auto\">\r\n";
  page += u"  <frame name=\"main\" src=\"";
  page += LinkAttribute(PathInFolder(names.own, ThumbnailPageName(1)));
  page += u"\" scrolling=\"auto\" target=\"_self\">\r\n";
  page += u"  <noframes>\r\n";
  page += u"  <body>\r\n\r\n";
  page +=
      u"  <p>このページにはフレームが使用されていますが、お使いのブラウザではサポートされていません。</p>\r\n\r\n";
  if (!classic) {
    page += u"  <p><a href=\"";
    page += kBatchMenuPageName;
    page += u"\">フォルダの一覧</a></p>\r\n\r\n";
  }
  page += u"  </body>\r\n";
  page += u"  </noframes>\r\n";
  page += u"  </frameset>\r\n";
  page += u"</html>\r\n";
  return page;
}

std::u16string_view MenuHeadAdditions() {
  static constexpr std::u16string_view kAdditions =
      u"<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\r\n"
      u"<style type=\"text/css\">\r\n"
      u"\tbody { font-family: sans-serif; }\r\n"
      u"\ta { display: inline-block; min-height: 44px; line-height: 44px; padding: 0 4px; }\r\n"
      u"\ta.shown { font-weight: bold; }\r\n"
      u"</style>\r\n";
  static_assert(kAdditions.substr(0, kViewportLine.size()) == kViewportLine);
  return kAdditions;
}

std::u16string MenuEndWithMarking(std::u16string_view shownOwnName) {
  std::u16string end = u"<script type=\"text/javascript\">\r\n(function () {\r\n";
  end += u"\tvar links = document.getElementsByTagName('a');\r\n";
  end += u"\tvar shown = \"" +
         EscapeScriptString(EncodeLink(PathInFolder(shownOwnName, ThumbnailPageName(1)))) +
         u"\";\r\n";
  end +=
      u"\tvar alone = window.top === window;\r\n"
      u"\tfunction mark(a) {\r\n"
      u"\t\tfor (var i = 0; i < links.length; ++i) {\r\n"
      u"\t\t\tlinks[i].className = ''; links[i].removeAttribute('aria-current');\r\n"
      u"\t\t}\r\n"
      u"\t\ta.className = 'shown'; a.setAttribute('aria-current', 'page');\r\n"
      u"\t}\r\n"
      u"\tfor (var i = 0; i < links.length; ++i) {\r\n"
      u"\t\tif (alone) links[i].target = '_self';\r\n"
      u"\t\telse if (links[i].getAttribute('href') === shown) mark(links[i]);\r\n"
      u"\t\tlinks[i].addEventListener('click', function () { mark(this); });\r\n"
      u"\t}\r\n"
      u"})();\r\n</script>\r\n";
  return end + std::u16string(kMenuEnd);
}

std::u16string MenuLinkLine(std::u16string_view ownName) {
  const std::u16string own(ownName);
  return u"<a target=\"main\" href = \"" + LinkAttribute(PathInFolder(own, ThumbnailPageName(1))) +
         u"\">" + EscapeHtml(own) + u"</a><br>\r\n";
}

}  // namespace folio
