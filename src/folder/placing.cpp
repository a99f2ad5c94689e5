// SPDX-License-Identifier: GPL-3.0-or-later
#include "folder/placing.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>
#include <vector>

#include "folder/folder_layout.h"
#include "folder/own_files.h"
#include "imaging/scaled_copy.h"
#include "platform/dir_list.h"
#include "platform/files.h"
#include "platform/text.h"

namespace folio {

namespace fs = std::filesystem;

namespace {

// Deletes a file; folders and missing entries are left alone.
void RemoveFileEntry(const fs::path& path) {
  std::error_code ec;
  fs::file_status status = fs::symlink_status(path, ec);
  if (ec || !fs::exists(status) || fs::is_directory(status)) return;
  fs::remove(path, ec);
}

// Removes a folder only when it is empty.
void RemoveEmptyFolder(const fs::path& path) {
  std::error_code ec;
  if (IsRealFolder(path)) fs::remove(path, ec);
}

fs::path Join(std::u16string_view folder, std::u16string_view name) {
  return ToPath(folder) / ToPath(name);
}

// A thumbnail and its 2x rendition. The 2x folder is looked into only when
// it is a real folder: a link there leads outside the photo folder.
void RemoveThumbnail(const fs::path& thum, const fs::path& name) {
  RemoveFileEntry(thum / name);
  const fs::path doubleSize = thum / ToPath(kDoubleSizeFolder);
  if (IsRealFolder(doubleSize)) RemoveFileEntry(doubleSize / name);
}

void RemoveEmptyThumbnailFolder(const fs::path& thum) {
  RemoveEmptyFolder(thum / ToPath(kDoubleSizeFolder));
  RemoveEmptyFolder(thum);
}

enum class Way { kIntoJpg, kOutOfJpg };

// Where a relative link must point once it lies one folder deeper (into jpg)
// or higher (out of it), so that it still resolves to the same file. The
// prefix added on the way in is the one taken off on the way out, so a
// rewind gives back the very link. A bare photo name travels with the photo
// it names, which moves too.
fs::path MovedLinkTarget(const fs::path& target, Way way) {
  const std::string& text = target.native();
  if (target.is_absolute() ||
      (text.find('/') == std::string::npos && EndsWithNoCase(FromPath(target), u".jpg")))
    return target;
  if (way == Way::kIntoJpg) return fs::path("..") / target;
  if (text.starts_with("../")) return fs::path(text.substr(3));
  return ToPath(kPhotoFolder) / target;
}

// A run killed between making a moved link and removing the old one left
// both: the one at `to` is the moved `from`.
bool LinkAlreadyMoved(const fs::path& from, const fs::path& to, Way way) {
  std::error_code ec1, ec2;
  const fs::path target = fs::read_symlink(from, ec1);
  const fs::path existing = fs::read_symlink(to, ec2);
  return !ec1 && !ec2 && existing == MovedLinkTarget(target, way);
}

// Moves a photo between the folder and jpg without replacing anything there.
// Folders never move (they are no photos); a symbolic link is made anew at
// the destination with a target that still resolves.
bool MovePhoto(const fs::path& from, const fs::path& to, Way way) {
  std::error_code ec;
  const fs::file_status status = fs::symlink_status(from, ec);
  if (ec || !fs::exists(status) || fs::is_directory(status)) return false;
  if (!fs::is_symlink(status)) return MoveNoReplace(from, to);
  const fs::path target = fs::read_symlink(from, ec);
  if (ec) return false;
  const fs::path moved = MovedLinkTarget(target, way);
  if (moved == target) return MoveNoReplace(from, to);
  const bool made = ::symlink(moved.c_str(), to.c_str()) == 0;
  if (!made && !LinkAlreadyMoved(from, to, way)) return false;
  if (::unlink(from.c_str()) == 0) return true;
  if (made) ::unlink(to.c_str());
  return false;
}

// The name of a photo in jpg is free at the top level, or taken there only
// by the link that a killed move made.
bool MayGoBack(const fs::path& inJpg, const fs::path& atTop) {
  return !EntryExists(atTop) || LinkAlreadyMoved(inJpg, atTop, Way::kOutOfJpg);
}

}  // namespace

int PlaceOriginal(const PlacingOptions& options, std::u16string_view fileName,
                  std::u16string_view folder, const ScaledCopy* thumbnail) {
  const fs::path source = Join(folder, fileName);
  const fs::path destination = ToPath(folder) / ToPath(kPhotoFolder) / ToPath(fileName);
  // The thumbnail is made while the photo still lies in the folder.
  if (options.thumbnails) {
    const int made = thumbnail ? PlaceScaledCopy(*thumbnail, fileName, folder, kThumbnailFolder,
                                                 kDoubleSizeFolder)
                               : MakeScaledCopy(fileName, folder, options.thumbnailSize,
                                                kThumbnailFolder, options.upright);
    if (made == kScaledCopyNotWritten) return kScaledCopyNotWritten;
  }
  // A failed move leaves the photo where it was.
  MovePhoto(source, destination, Way::kIntoJpg);
  return 0;
}

bool IsProcessedFolder(std::u16string_view folder) {
  return EntryExists(Join(folder, kPhotoFolder)) && EntryExists(Join(folder, ThumbnailPageName(1)));
}

void RewindFolder(std::u16string_view folder, bool finishing, std::string_view ownStylesheet) {
  const fs::path base = ToPath(folder);
  for (const std::u16string& name : ListBySuffix(base, kPageSuffix))
    if (IsThumbnailPageName(name)) RemoveFileEntry(Join(folder, name));
  RemoveOwnFile(Join(folder, kThumbnailStylesheetName), ownStylesheet);
  const fs::path thum = base / ToPath(kThumbnailFolder);
  const fs::path jpg = base / ToPath(kPhotoFolder);
  for (const std::u16string& fileName : ListBySuffix(jpg, u".jpg")) {
    const fs::path name = ToPath(fileName);
    // A photo whose name is taken at the top level stays in jpg with its
    // thumbnail (and so do the folders). The thumbnail goes first, so that
    // a rewind killed in between leaves no thumbnail without its photo.
    if (IsRealFolder(jpg / name) || !MayGoBack(jpg / name, base / name)) continue;
    RemoveThumbnail(thum, name);
    MovePhoto(jpg / name, base / name, Way::kOutOfJpg);
  }
  // A rewind starts only in a folder without photos at the top level, so the
  // photos there now are the ones the killed rewind moved back.
  if (finishing)
    for (const std::u16string& fileName : ListBySuffix(base, u".jpg"))
      if (!EntryExists(jpg / ToPath(fileName))) RemoveThumbnail(thum, ToPath(fileName));
  RemoveEmptyThumbnailFolder(thum);
  RemoveEmptyFolder(jpg);
}

bool UndoThumbnailJob(std::u16string_view folder, int pagesWritten,
                      std::span<const std::u16string> placed) {
  const fs::path base = ToPath(folder);
  for (int page = 1; page <= pagesWritten; ++page)
    RemoveFileEntry(base / ToPath(ThumbnailPageName(page)));
  const fs::path thum = base / ToPath(kThumbnailFolder);
  const fs::path jpg = base / ToPath(kPhotoFolder);
  bool allBack = true;
  for (const std::u16string& fileName : placed) {
    const fs::path name = ToPath(fileName);
    RemoveThumbnail(thum, name);
    // When the photo never left the top level (its move into jpg failed), the
    // jpg file of that name is another one: the move back refuses to replace.
    if (!EntryExists(jpg / name) || IsRealFolder(jpg / name) ||
        !MayGoBack(jpg / name, base / name))
      continue;
    if (!MovePhoto(jpg / name, base / name, Way::kOutOfJpg)) allBack = false;
  }
  RemoveEmptyThumbnailFolder(thum);
  RemoveEmptyFolder(jpg);
  return allBack;
}

bool UndoThumbnailJob(std::u16string_view folder, int pagesWritten,
                      std::span<const ImageRecord> placed) {
  std::vector<std::u16string> names;
  names.reserve(placed.size());
  for (const ImageRecord& record : placed) names.emplace_back(FieldText(record.fileName));
  return UndoThumbnailJob(folder, pagesWritten, names);
}

}  // namespace folio
