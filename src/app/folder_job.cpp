#include "app/folder_job.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "catalogue/catalogue.h"
#include "html/placing.h"
#include "html/slideshow_page.h"
#include "html/thumbnail_pages.h"
#include "imaging/composite.h"
#include "imaging/resize_job.h"
#include "platform/dir_list.h"
#include "platform/text.h"

namespace folio {

namespace {

// A folder without JPEG files: rewind it when it is a processed one.
void TakeRewindDecision(JobHost& host, std::u16string_view folder) {
  const MessageIcon icon = MessageIcon::Exclamation;
  if (!IsProcessedFolder(folder)) {
    ReportOutcome(host, u"エラー：JPG画像ファイルがありません", u"JPG画像ファイルがありません",
                  u"エラー", icon);
  } else if (host.settings().thumbnail.Sougo == 1) {
    ReportOutcome(host, u"終了：巻き戻しは行われませんでした", u"巻き戻しは行われませんでした",
                  u"終了", icon);
  } else {
    host.showDropHint();
    RewindFolder(folder);
    ReportOutcome(host, u"終了：サムネイルHTMLの巻き戻しが行われました",
                  u"サムネイルHTMLの巻き戻しが行われました", u"終了", icon);
  }
}

void MakeSubFolder(std::u16string_view folder, std::u16string_view name) {
  std::u16string path(folder);
  path += u'/';
  path += name;
  std::error_code ignored;  // the generator's own writes fail visibly instead
  std::filesystem::create_directory(ToPath(path), ignored);
}

void ReportComposite(JobHost& host, int result) {
  switch (result) {
    case 0:
      ReportOutcome(host, u"エラー：合成画像作成に失敗しました", u"合成画像作成に失敗しました",
                    u"エラー", MessageIcon::None);
      break;
    case kJobCompositeMade:
      ReportOutcome(host, u"終了：合成画像を作成しました", u"画像ファイル作成完了", u"成功",
                    MessageIcon::None);
      break;
    case kJobCancelled:
      if (host.batchMode()) host.addStatusLine(kCancelledLine);
      break;
    default:
      break;
  }
}

}  // namespace

FolderListing ListJpegFiles(std::u16string_view folder, int photosPerPage) {
  FolderListing listing;
  for (const std::u16string& name : ListBySuffix(ToPath(folder), u".jpg")) {
    // The list ends every name with a line feed: a name that holds one
    // would read as two names (one of them perhaps another file of the
    // folder, which would then be moved away). Such a photo is left alone.
    if (name.find(u'\n') != std::u16string::npos) continue;
    listing.fileList += name;
    listing.fileList += u'\n';
    ++listing.count;
    if (listing.count % photosPerPage == 0) ++listing.lastPageIndex;
  }
  if (listing.count % photosPerPage == 0) --listing.lastPageIndex;
  return listing;
}

void PrepareJob(JobHost& host, int count, CompositeParams& params) {
  Settings& settings = host.settings();
  const std::u16string& folder = host.folderPath();
  switch (settings.setting.CreateMode) {
    case kModeThumbnail:
      if (settings.thumbnail.NotResize == 0) MakeSubFolder(folder, u"thum");
      MakeSubFolder(folder, u"jpg");
      break;
    case kModeSlideshow:
      MakeSubFolder(folder, u"slideshow");
      break;
    case kModeComposite:
      MakeSubFolder(folder, u"img");
      break;
    default:
      break;
  }
  host.showJobRunning(true);
  FillCompositeParams(settings, count, params);
  host.setBusy(true);
  if (settings.setting.CreateMode == kModeComposite)
    host.setProgressRange(0, params.imagesUsed);
  else
    host.setProgressRange(0, count - 1);
}

void FinishJob(JobHost& host) {
  host.setProgressPos(0);
  host.showJobRunning(false);
  host.setBusy(false);
}

int RunFolderJob(JobHost& host) {
  Settings& settings = host.settings();
  // The page arithmetic needs at least one photo per page; 0 (which the
  // options page lets through) would divide by zero.
  if (settings.thumbnail.PhotoNo < 1) settings.thumbnail.PhotoNo = 1;

  const std::u16string folder = host.folderPath();
  FolderListing listing = ListJpegFiles(folder, settings.thumbnail.PhotoNo);
  if (listing.count == 0) {
    TakeRewindDecision(host, folder);
    return kJobNoImages;
  }

  std::vector<ImageRecord> records(static_cast<std::size_t>(listing.count));
  CompositeParams params;
  PrepareJob(host, listing.count, params);

  const int mode = settings.setting.CreateMode;
  if (mode != kModeResize)
    BuildCatalogue(listing.fileList, folder, settings, listing.count, records.data(),
                   listing.lastPageIndex);

  int result = kJobDone;
  switch (mode) {
    case kModeThumbnail:
      if (settings.thumbnail.Sougo == 2)
        host.addStatusLine(u"終了：サムネイルHTMLは作成されませんでした");
      else
        result = WriteThumbnailPages(host, listing.count, records.data(),
                                     listing.lastPageIndex + 1, folder);
      break;
    case kModeSlideshow:
      WriteSlideshowPage(host, listing.count, records.data(), folder);
      break;
    case kModeComposite:
      result = BuildComposite(host, records.data(), params, listing.count, folder);
      ReportComposite(host, result);
      break;
    case kModeResize:
      ResizeJob(host, listing.fileList, listing.count);
      break;
    default:
      break;
  }

  FinishJob(host);
  return result;
}

}  // namespace folio
