// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/thumbnail_pages.h"

#include <algorithm>

#include "folder/folder_layout.h"
#include "html/charset.h"
#include "html/escaping.h"
#include "html/page_links.h"
#include "html/template_expander.h"
#include "platform/text.h"

namespace folio {

namespace {

std::u16string NavigationRow(int p, int pages, int lineNo) {
  std::u16string row = u"<tr><td ALIGN=\"CENTER\" colspan=" + DecimalText(lineNo) + u">";
  const std::u16string previous =
      p > 1 ? u"<a href=\"" + ThumbnailPageName(p - 1) + u"\">前のページ</a>" : u"前のページ";
  const std::u16string next =
      p < pages ? u"<a href=\"" + ThumbnailPageName(p + 1) + u"\">次のページ</a>" : u"次のページ";
  return row + previous + u" / " + next + u"</td></tr><br>";
}

std::u16string CellContent(const ThumbnailPageOptions& options, std::u16string_view name,
                           ShownSize shown, bool lazy) {
  const std::u16string n(name);
  if (options.thumbnails) {
    const std::u16string image =
        u"<img src=\"" + LinkAttribute(PathInFolder(kThumbnailFolder, n)) + u"\"" +
        (options.classic ? std::u16string() : ImageAttributes(kThumbnailFolder, n, shown, lazy)) +
        u">";
    if (options.photoLinks)
      return u"<a href=\"" + LinkAttribute(PathInFolder(kPhotoFolder, n)) + u"\">" + image +
             u"</a>";
    return image;
  }
  if (options.photoLinks)
    return u"<a href=\"" + LinkAttribute(PathInFolder(kPhotoFolder, n)) + u"\">" + EscapeHtml(n) +
           u"</a>";
  return {};
}

}  // namespace

std::u16string SourceSetLink(std::u16string_view path) {
  // A srcset splits its candidates at commas and white space.
  std::u16string out;
  for (const char16_t c : EncodeLink(path)) {
    if (c == u' ')
      out += u"%20";
    else if (c == u',')
      out += u"%2C";
    else
      out += c;
  }
  return out;
}

std::u16string ImageAttributes(std::u16string_view folder, std::u16string_view fileName,
                               ShownSize shown, bool lazy, bool withAlt) {
  std::u16string out;
  if (shown.doubleSize)
    out +=
        u" srcset=\"" +
        EscapeHtml(SourceSetLink(PathInFolder(PathInFolder(folder, kDoubleSizeFolder), fileName))) +
        u" 2x\"";
  if (shown.width > 0 && shown.height > 0)
    out += u" width=\"" + DecimalText(shown.width) + u"\" height=\"" + DecimalText(shown.height) +
           u"\"";
  if (withAlt) out += u" alt=\"" + EscapeHtml(fileName) + u"\"";
  if (lazy) out += u" loading=\"lazy\"";
  return out;
}

std::vector<PageRange> PlanThumbnailPages(const ThumbnailPageOptions& options,
                                          std::span<const ImageRecord> records, int pageCount,
                                          bool keywordPages) {
  // Counts below 1 would divide by zero; the options page lets 0 through.
  const int photoNo = std::max(options.photosPerPage, 1);
  const int count = static_cast<int>(records.size());
  std::vector<PageRange> pages;
  int i = 0;
  for (int p = 0; p < pageCount; ++p) {
    PageRange range{i, 0};
    while (i < count && (keywordPages || range.count < photoNo)) {
      ++range.count;
      ++i;
      if (keywordPages && i < count && records[i].groupNumber != records[i - 1].groupNumber) break;
    }
    pages.push_back(range);
  }
  return pages;
}

std::u16string ThumbnailPageText(const ThumbnailPageOptions& options,
                                 std::span<const ImageRecord> records, const ExifTallies& tallies,
                                 int page, int pageCount, PageRange range,
                                 std::span<const ShownSize> shown) {
  const int count = static_cast<int>(records.size());
  const int lineNo = std::max(options.photoColumns, 1);
  // Title and top text describe the page's first image.
  static const ImageRecord kNoImage{};
  const ImageRecord& first = count > 0 ? records[std::min(range.first, count - 1)] : kNoImage;

  std::u16string text = u"<HTML>\r\n";
  text += kCharsetLine;
  text += u"<HEAD>\r\n";
  if (!options.classic) text += kViewportLine;
  text += u"<TITLE>";
  text += !options.title.empty() ? ExpandTemplate(first, page - 1, options.title, tallies)
                                 : DecimalText(page) + u"ページ";
  // Tabs and bookmarks of several folders' pages tell them apart.
  if (!options.classic && !options.folderName.empty())
    text += u" - " + EscapeHtml(options.folderName);
  text += u"</TITLE>\r\n";
  text += u"<link rel=\"stylesheet\" type=\"text/css\" href=\"thum.css\">\r\n";
  text += u"</HEAD>\r\n<BODY>\r\n";
  if (!options.topText.empty()) {
    text += u"<div class=\"top\">\r\n";
    text += ExpandTemplate(first, page - 1, options.topText, tallies);
    text += u"<br><br>\r\n</div>\r\n";
  }
  text += u"<div class=\"link\">\r\n";
  text += BuildPageLinks(options, pageCount, page, records);
  text += u"<br>\r\n</div>\r\n";
  text += u"<div class=\"image\">\r\n<table border=\"0\">\r\n";

  for (int k = 1; k <= range.count; ++k) {
    const int i = range.first + k - 1;
    const ImageRecord& record = records[i];
    text += (k - 1) % lineNo == 0 ? u"<tr>\r\n<td ALIGN=\"CENTER\">" : u"<td ALIGN=\"CENTER\">";
    const ShownSize size = static_cast<std::size_t>(i) < shown.size()
                               ? shown[static_cast<std::size_t>(i)]
                               : ShownSize{};
    // The first row is on screen at once; the rest loads as it scrolls in.
    text += CellContent(options, FieldText(record.fileName), size, k > lineNo);
    if (!options.caption.empty())
      text += u"<br>" + ExpandTemplate(record, i, options.caption, tallies);
    text += k % lineNo == 0 ? u"</td></tr>\r\n" : u"</td>";
  }
  if (range.count % lineNo != 0) text += u"</tr>\r\n";
  text += NavigationRow(page, pageCount, lineNo);
  text += u"</table>\r\n<br>\r\n</div>\r\n</BODY>\r\n</HTML>";
  return text;
}

}  // namespace folio
