#include "html/placing.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "imaging/scaled_copy.h"
#include "platform/dir_list.h"
#include "platform/files.h"
#include "platform/text.h"

namespace folio {

namespace fs = std::filesystem;

namespace {

// Deletes a file; folders and missing entries are left alone.
void DeleteFile(const fs::path& path) {
  std::error_code ec;
  fs::file_status status = fs::symlink_status(path, ec);
  if (ec || !fs::exists(status) || fs::is_directory(status)) return;
  fs::remove(path, ec);
}

// Removes a folder only when it is empty.
void RemoveEmptyFolder(const fs::path& path) {
  std::error_code ec;
  if (fs::is_directory(fs::symlink_status(path, ec))) fs::remove(path, ec);
}

fs::path Join(std::u16string_view folder, std::u16string_view name) {
  return ToPath(folder) / ToPath(name);
}

}  // namespace

int PlaceOriginal(const ThumbnailSettings& settings, std::u16string_view fileName,
                  std::u16string_view folder, const ScaledCopy* thumbnail) {
  const fs::path source = Join(folder, fileName);
  const fs::path destination = ToPath(folder) / "jpg" / ToPath(fileName);
  // The thumbnail is made while the photo still lies in the folder.
  if (settings.NotResize == 0) {
    const int made = thumbnail ? PlaceScaledCopy(*thumbnail, fileName, folder, u"thum")
                               : MakeScaledCopy(fileName, folder, settings.PhotoSize, u"thum",
                                                UprightWhen(settings.AutoRotate));
    if (made == kScaledCopyNotWritten) return kScaledCopyNotWritten;
  }
  // A failed move leaves the photo where it was.
  MoveNoReplace(source, destination);
  return 0;
}

bool IsProcessedFolder(std::u16string_view folder) {
  return EntryExists(ToPath(folder) / "jpg") && EntryExists(ToPath(folder) / "page1.html");
}

void RewindFolder(std::u16string_view folder) {
  const fs::path base = ToPath(folder);
  for (const std::u16string& name : ListBySuffix(base, u".html")) DeleteFile(Join(folder, name));
  const fs::path thum = base / "thum";
  for (const std::u16string& name : ListBySuffix(thum, u".jpg")) DeleteFile(thum / ToPath(name));
  RemoveEmptyFolder(thum);
  const fs::path jpg = base / "jpg";
  // A photo whose name is taken at the top level stays in jpg (and so does jpg).
  for (const std::u16string& name : ListBySuffix(jpg, u".jpg"))
    MoveNoReplace(jpg / ToPath(name), base / ToPath(name));
  RemoveEmptyFolder(jpg);
}

void UndoThumbnailJob(std::u16string_view folder, int pagesWritten,
                      std::span<const std::u16string> placed) {
  const fs::path base = ToPath(folder);
  for (int page = 1; page <= pagesWritten; ++page)
    DeleteFile(base / ToPath(u"page" + DecimalText(page) + u".html"));
  const fs::path thum = base / "thum";
  const fs::path jpg = base / "jpg";
  for (const std::u16string& fileName : placed) {
    const fs::path name = ToPath(fileName);
    DeleteFile(thum / name);
    // When the photo never left the top level (its move into jpg failed), the
    // jpg file of that name is another one: the move back refuses to replace.
    MoveNoReplace(jpg / name, base / name);
  }
  RemoveEmptyFolder(thum);
  RemoveEmptyFolder(jpg);
}

void UndoThumbnailJob(std::u16string_view folder, int pagesWritten,
                      std::span<const ImageRecord> placed) {
  std::vector<std::u16string> names;
  names.reserve(placed.size());
  for (const ImageRecord& record : placed) names.emplace_back(FieldText(record.fileName));
  UndoThumbnailJob(folder, pagesWritten, names);
}

}  // namespace folio
