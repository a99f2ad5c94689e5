#include "html/thumbnail_pages.h"

#include <algorithm>

#include "app/job_host.h"
#include "catalogue/sorting.h"
#include "html/page_links.h"
#include "html/placing.h"
#include "html/template_expander.h"
#include "platform/cp932.h"
#include "platform/dir_list.h"
#include "platform/text.h"

namespace folio {

namespace {

// Only a keyword that groups numbers its runs: a typed text that is none of
// the keywords leaves every record after the first without a group, so
// pages by group would hold the first photo alone and leave the others
// unplaced.
bool KeywordPagesActive(const ThumbnailSettings& settings, const ImageRecord* records, int count) {
  if (settings.SortPage == 0 || count < 1) return false;
  const SortKeyword keyword = KeywordOf(FieldText(records[0].sortKeyword));
  return keyword != SortKeyword::kNone && keyword != SortKeyword::kFileName &&
         keyword != SortKeyword::kRandom;
}

std::u16string PageLink(int page) { return u"page" + DecimalText(page) + u".html"; }

std::u16string NavigationRow(int p, int pages, int lineNo) {
  std::u16string row = u"<tr><td ALIGN=\"CENTER\" colspan=" + DecimalText(lineNo) + u">";
  const std::u16string previous =
      p > 1 ? u"<a href=\"" + PageLink(p - 1) + u"\">前のページ</a>" : u"前のページ";
  const std::u16string next =
      p < pages ? u"<a href=\"" + PageLink(p + 1) + u"\">次のページ</a>" : u"次のページ";
  return row + previous + u" / " + next + u"</td></tr><br>";
}

std::u16string CellContent(const ThumbnailSettings& settings, std::u16string_view name) {
  const std::u16string n(name);
  if (settings.NotResize == 0) {
    if (settings.EnbLink == 0) return u"<a href=\"jpg/" + n + u"\"><img src=\"thum/" + n + u"\"></a>";
    return u"<img src=\"thum/" + n + u"\">";
  }
  if (settings.EnbLink == 0) return u"<a href=\"jpg/" + n + u"\">" + n + u"</a>";
  return {};
}

}  // namespace

int WriteThumbnailPages(JobHost& host, int count, ImageRecord* records, int pages,
                        std::u16string_view folder) {
  const ThumbnailSettings settings = host.settings().thumbnail;
  const std::u16string savedTitle = host.title();
  const bool keywordPages = KeywordPagesActive(settings, records, count);
  // Counts below 1 would divide by zero; the options page lets 0 through.
  const int photoNo = std::max(settings.PhotoNo, 1);
  const int lineNo = std::max(settings.LineNo, 1);
  // Without keyword pages every photo gets its place on a page of PhotoNo,
  // whatever page count the grouping left behind.
  if (!keywordPages && count > 0) pages = std::max(pages, (count + photoNo - 1) / photoNo);
  bool makerNoteFailed = false;

  int i = 0;
  for (int p = 1; p <= pages; ++p) {
    // Title and top text describe the page's first image.
    static const ImageRecord kNoImage{};
    const ImageRecord& first = count > 0 ? records[std::min(i, count - 1)] : kNoImage;
    std::u16string page = u"<HTML>\r\n<HEAD>\r\n<TITLE>";
    if (!settings.TitleString.empty())
      page += ExpandTemplate(first, p - 1, settings.TitleString) + u"</TITLE>\r\n";
    else
      page += DecimalText(p) + u"ページ</TITLE>\r\n";
    page += u"<link rel=\"stylesheet\" type=\"text/css\" href=\"thum.css\">\r\n";
    page += u"</HEAD>\r\n<BODY>\r\n";
    if (!settings.TopString.empty()) {
      page += u"<div class=\"top\">\r\n";
      page += ExpandTemplate(first, p - 1, settings.TopString);
      page += u"<br><br>\r\n</div>\r\n";
    }
    page += u"<div class=\"link\">\r\n";
    page += BuildPageLinks(settings, pages, p, records, count);
    page += u"<br>\r\n</div>\r\n";
    page += u"<div class=\"image\">\r\n<table border=\"0\">\r\n";

    int cells = 0;
    for (int k = 1;; ++k) {
      if (i >= count || (!keywordPages && k > photoNo)) break;
      ImageRecord& record = records[i];
      const std::u16string_view name = FieldText(record.fileName);
      PlaceOriginal(settings, name, folder);
      host.pumpMessages();
      host.setTitle(ProgressTitle(i + 1, count));
      page += (k - 1) % lineNo == 0 ? u"<tr>\r\n<td ALIGN=\"CENTER\">" : u"<td ALIGN=\"CENTER\">";
      page += CellContent(settings, name);
      if (!settings.Exif.empty()) page += u"<br>" + ExpandTemplate(record, i, settings.Exif);
      page += k % lineNo == 0 ? u"</td></tr>\r\n" : u"</td>";
      ++cells;
      if (record.makerNoteFailStage != 0) makerNoteFailed = true;
      host.setProgressPos(i + 1);
      ++i;
      if (keywordPages && i < count && records[i].groupNumber != record.groupNumber) break;
      if (!host.busy()) {
        // Only the images placed so far are undone: what thum and jpg hold
        // under the names of photos the job never reached is not its own.
        UndoThumbnailJob(folder, p - 1, records, i);
        host.setTitle(savedTitle);
        host.addStatusLine(kCancelledLine);
        return 2;
      }
    }
    if (cells % lineNo != 0) page += u"</tr>\r\n";
    page += NavigationRow(p, pages, lineNo);
    page += u"</table>\r\n<br>\r\n</div>\r\n</BODY>\r\n</HTML>";

    const std::filesystem::path file = ToPath(folder) / ToPath(PageLink(p));
    if (EntryExists(file)) {
      ReportOutcome(host, u"エラー：HTMLファイルがすでに存在します", u"ファイルがすでに存在します",
                    u"エラー", MessageIcon::Exclamation);
      host.setTitle(savedTitle);
      return -1;
    }
    if (!WriteCp932TextFile(file, page)) {
      // Not a success: the photos placed so far stay in jpg, as after a stop
      // at an existing page.
      ReportOutcome(host, u"エラー：HTMLファイルを書き込めませんでした",
                    u"HTMLファイルを書き込めませんでした", u"エラー", MessageIcon::Exclamation);
      host.setTitle(savedTitle);
      return -1;
    }
  }

  if (makerNoteFailed)
    ReportOutcome(host,
                  u"終了：サムネイルHTMLファイル作成完了。レンズ名、ホワイトバランスを正しく取得できなかった画像があります。",
                  u"サムネイルHTMLファイル作成完了。\r\nレンズ名、ホワイトバランスを正しく\r\n取得できなかった画像があります。",
                  u"成功", MessageIcon::None);
  else
    ReportOutcome(host, u"終了：サムネイルHTMLファイル作成完了", u"サムネイルHTMLファイル作成完了",
                  u"成功", MessageIcon::None);
  host.setTitle(savedTitle);
  return 0;
}

}  // namespace folio
