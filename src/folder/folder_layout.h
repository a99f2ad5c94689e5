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

// The stylesheets the pages link. The jobs write a default one only where
// the name is free, and take away only the one whose bytes are still theirs.
inline constexpr std::u16string_view kThumbnailStylesheetName = u"thum.css";
inline constexpr std::u16string_view kSlideshowStylesheetName = u"slide.css";

// The 2x renditions of the thumbnails and slides: a sub-folder of the job's
// folder. Its name has no ".jpg" ending, so no photo's copy (the job copies
// only "*.jpg" photos, under their own names) can take it, and the 2x file
// keeps the photo's own name inside it, free of any suffix that another
// photo's name could already carry.
inline constexpr std::u16string_view kDoubleSizeFolder = u"2x";

// The composite job's sheets in kSheetFolder, numbered from 1.
std::u16string SheetName(int sheet);  // "Image1.jpg"

// The hidden files of a run: its journal and its lock.
inline constexpr char kJournalName[] = ".folioscope-journal";
inline constexpr char kFolderLockName[] = ".folioscope-lock";

// "folder/name", as pages link into a sub-folder and as paths are shown.
std::u16string PathInFolder(std::u16string_view folder, std::u16string_view name);

}  // namespace folio
