#include "app/drop_batch.h"

#include <fstream>
#include <system_error>

#include "app/folder_job.h"
#include "platform/cp932.h"
#include "platform/dir_list.h"
#include "platform/text.h"

namespace folio {

namespace fs = std::filesystem;

FolderNames NamesOfFolder(std::u16string_view given) {
  std::u16string path(given);
  // A relative path (typed on a command line) would put the pages at the
  // file-system root; name its folders as they really lie.
  if (!path.empty() && path.front() != u'/') {
    std::error_code ec;
    fs::path absolute = fs::absolute(ToPath(path), ec).lexically_normal();
    if (!ec) path = FromPath(absolute);
  }
  while (path.size() > 1 && path.back() == u'/') path.pop_back();

  FolderNames names;
  // A separator in first position never counts.
  const std::size_t last = path.size() > 1 ? path.rfind(u'/') : std::u16string::npos;
  if (last == std::u16string::npos || last == 0) {
    names.own = path.empty() ? path : path.substr(1);
    names.parentPath.clear();
    names.parentName.clear();
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

bool TopPagesWanted(const Settings& settings) {
  return settings.setting.CreateMode == kModeThumbnail && settings.thumbnail.TopHtml == 1 &&
         settings.thumbnail.Sougo != 2;
}

namespace {

fs::path BesideFolder(const FolderNames& names, std::u16string_view file) {
  std::u16string path = names.parentPath;
  path += u'/';
  path += file;
  return ToPath(path);
}

std::optional<std::string> ReadWholeFile(const fs::path& path) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

std::optional<TopPageWrite> WriteTopPage(JobHost& host) {
  if (!TopPagesWanted(host.settings()) || host.folderPath().empty()) return std::nullopt;
  const FolderNames names = NamesOfFolder(host.folderPath());
  std::u16string page = u"<html>\r\n<head>\r\n<title>";
  page += names.parentName;
  page += u"</title>\r\n";
  page += u"</head>\r\n\r\n";
  page += u"<frameset framespacing=\"0\" border=\"0\" frameborder=\"0\" cols=\"" +
          DecimalText(host.settings().thumbnail.FrameWidth) + u",*\">\r\n";
  page += u"  <frame name=\"contents\" target=\"main\" src=\"Menu.html\" scrolling=\"auto\">\r\n";
  page += u"  <frame name=\"main\" src=\"";
  page += names.own;
  page += u"/page1.html\" scrolling=\"auto\" target=\"_self\">\r\n";
  page += u"  <noframes>\r\n";
  page += u"  <body>\r\n\r\n";
  page += u"  <p>このページにはフレームが使用されていますが、お使いのブラウザではサポートされていません。</p>\r\n\r\n";
  page += u"  </body>\r\n";
  page += u"  </noframes>\r\n";
  page += u"  </frameset>\r\n";
  page += u"</html>\r\n";

  TopPageWrite written;
  written.path = BesideFolder(names, u"Top.html");
  // An earlier batch's frameset is kept so that a stop can put it back.
  written.previous = ReadWholeFile(written.path);
  std::error_code ec;
  if (!written.previous && fs::exists(fs::symlink_status(written.path, ec)))
    return std::nullopt;  // something unreadable is there: leave it alone
  if (!WriteCp932TextFile(written.path, page)) return std::nullopt;
  return written;
}

void AppendMenuLink(JobHost& host, std::u16string& menuText) {
  if (!TopPagesWanted(host.settings())) return;
  const std::u16string own = NamesOfFolder(host.folderPath()).own;
  menuText += u"<a target=\"main\" href = \"" + own + u"/page1.html\">" + own + u"</a><br>\r\n";
}

void WriteMenuPage(JobHost& host, std::u16string& menuText) {
  if (!TopPagesWanted(host.settings()) || host.folderPath().empty()) return;
  menuText += u"</html>\r\n";
  WriteCp932TextFile(BesideFolder(NamesOfFolder(host.folderPath()), u"Menu.html"), menuText);
}

void DeleteTopPage(const std::optional<TopPageWrite>& written) {
  if (!written) return;
  if (written->previous) {
    std::ofstream out(written->path, std::ios::binary | std::ios::trunc);
    out.write(written->previous->data(), static_cast<std::streamsize>(written->previous->size()));
    return;
  }
  std::error_code ec;
  fs::remove(written->path, ec);
}

void RunDropBatch(JobHost& host, const std::vector<std::u16string>& paths) {
  if (host.busy()) return;  // a drop during a job changes nothing
  std::u16string menuText(kMenuStart);
  const int total = static_cast<int>(paths.size());
  host.setRunning(false);
  host.clearStatusLog();
  host.setBatchMode(true);

  bool cancelled = false;
  std::optional<TopPageWrite> topPage;
  std::u16string lastPath;
  for (int number = 1; number <= total; ++number) {
    const std::u16string& path = paths[static_cast<std::size_t>(number - 1)];
    lastPath = path;
    if (host.settings().setting.NoDDtoRun == 1) continue;
    host.setFolderPath(path);
    host.addFolderLine(path, number, total);
    host.setRunning(true);
    host.setStatusButton(u"キャンセル", true);
    host.showStatusDialog(true);
    // The frameset exists before the first job runs.
    if (total > 1 && number == 1) topPage = WriteTopPage(host);
    if (IsFolder(ToPath(path))) {
      if (RunFolderJob(host) != kJobCancelled) AppendMenuLink(host, menuText);
    } else {
      host.addStatusLine(u"エラー：フォルダではありません");
    }
    if (!host.running()) {
      cancelled = true;
      break;
    }
  }

  if (total > 0) {
    host.setFolderPath(lastPath);
    host.setFolderBox(lastPath);
  }
  if (!cancelled) {
    if (total > 0) WriteMenuPage(host, menuText);
  }
  else
    DeleteTopPage(topPage);
  host.setRunning(false);
  host.setStatusButton(u"閉じる", true);
  host.setBatchMode(false);
  if (host.settings().setting.AutoClose == 1) host.showStatusDialog(false);
}

}  // namespace folio
