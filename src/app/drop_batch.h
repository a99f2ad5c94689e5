#pragma once
// A drop of one or more folders: one folder job per path, reported into the
// status log, stoppable between folders, with Top.html and Menu.html for a
// thumbnail-page batch.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/job_host.h"

namespace folio {

void RunDropBatch(JobHost& host, const std::vector<std::u16string>& paths);

// Names taken from a folder path without a trailing separator.
struct FolderNames {
  std::u16string own;         // the folder's own name
  std::u16string parentPath;  // where Top.html and Menu.html lie
  std::u16string parentName;  // the title of Top.html
};
FolderNames NamesOfFolder(std::u16string_view path);

// The opening of Menu.html, before the first link.
inline constexpr std::u16string_view kMenuStart = u"<html>\r\n<base target=\"main\">\r\n";

// The two pages are written only for a thumbnail-page batch with `TopHtml`
// on that makes pages (`Sougo` not 2).
bool TopPagesWanted(const Settings& settings);

// What WriteTopPage did, so that a stopped batch can put it back.
struct TopPageWrite {
  std::filesystem::path path;
  std::optional<std::string> previous;  // the bytes of a Top.html it replaced
};

// Top.html beside host.folderPath(): a frameset with Menu.html on the left
// and the folder's page1.html on the right. Nothing when it was not written.
std::optional<TopPageWrite> WriteTopPage(JobHost& host);
// The menu line of host.folderPath().
void AppendMenuLink(JobHost& host, std::u16string& menuText);
// Closes the menu text and writes Menu.html beside host.folderPath().
void WriteMenuPage(JobHost& host, std::u16string& menuText);
// Undoes WriteTopPage: removes the Top.html it wrote, or restores the one it
// replaced. A Top.html this batch did not write is never touched.
void DeleteTopPage(const std::optional<TopPageWrite>& written);

}  // namespace folio
