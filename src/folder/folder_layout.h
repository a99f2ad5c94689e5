// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names of what the jobs write into a photo folder and beside it. Pages
// link them, the rewind and the recovery look for them, and folders made by
// earlier runs hold them: they never change.
#include <string>
#include <string_view>

namespace folio {

// The sub-folders of a photo folder.
inline constexpr std::u16string_view kPhotoFolder = u"jpg";  // the photos, once on pages
inline constexpr std::u16string_view kThumbnailFolder = u"thum";
inline constexpr std::u16string_view kSlideFolder = u"slideshow";
inline constexpr std::u16string_view kSheetFolder = u"img";

// The pages. The thumbnail pages are numbered from 1; a batch's frameset
// and its menu lie beside the batch's folders.
std::u16string ThumbnailPageName(int page);  // "page1.html"
// A name ThumbnailPageName gives (no leading zeros): the only pages the
// rewind takes away.
bool IsThumbnailPageName(std::u16string_view name);
inline constexpr std::u16string_view kPageSuffix = u".html";
inline constexpr std::u16string_view kSlideshowPageName = u"slideshow.html";
inline constexpr std::u16string_view kBatchTopPageName = u"Top.html";
inline constexpr std::u16string_view kBatchMenuPageName = u"Menu.html";

// The composite job's sheets in kSheetFolder, numbered from 1.
std::u16string SheetName(int sheet);  // "Image1.jpg"

// The hidden files of a run: its journal and its lock.
inline constexpr char kJournalName[] = ".folioscope-journal";
inline constexpr char kFolderLockName[] = ".folioscope-lock";

// "folder/name", as pages link into a sub-folder and as paths are shown.
std::u16string PathInFolder(std::u16string_view folder, std::u16string_view name);

}  // namespace folio
