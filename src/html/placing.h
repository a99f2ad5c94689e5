#pragma once
// The file-system side of the thumbnail job: photos into jpg/, thumbnails
// into thum/, recognising and rewinding a processed folder, undoing a cancel.
#include <initializer_list>
#include <span>
#include <string>

#include "catalogue/image_record.h"
#include "html/page_options.h"
#include "imaging/scaled_copy.h"

namespace folio {

// The thumbnail into thum (when `thumbnails`), then the photo into jpg. A
// job that prepares the thumbnails ahead passes the prepared one. Returns 0,
// or kScaledCopyNotWritten when the thumbnail could not be written (the
// photo then stays where it was).
int PlaceOriginal(const ThumbnailPageOptions& options, std::u16string_view fileName,
                  std::u16string_view folder, const ScaledCopy* thumbnail = nullptr);
bool IsProcessedFolder(std::u16string_view folder);

// The first of `names` (thum, jpg, slideshow, img) that lies in the folder as
// something other than a real folder (a link, a file): the job must not use
// it, since its writes and deletes would reach wherever it leads. Empty when
// each is a folder or absent.
std::u16string_view FirstFakeSubFolder(std::u16string_view folder,
                                       std::initializer_list<std::u16string_view> names);

// Moves the photos of jpg back and deletes what the job made: the numbered
// pages and the thumbnails of the photos that went back. A folder that still
// holds other files stays. `finishing` a rewind that was killed also takes
// the thumbnails of the photos it had already moved back.
void RewindFolder(std::u16string_view folder, bool finishing = false);
// Deletes pages 1 to `pagesWritten` and the thumbnails of `placed`, and
// moves those photos back from jpg. False when a photo could not go back
// although its name at the top level is free (a folder we may no longer
// write): it is still in jpg.
bool UndoThumbnailJob(std::u16string_view folder, int pagesWritten,
                      std::span<const ImageRecord> placed);
// The same by the photos' file names.
bool UndoThumbnailJob(std::u16string_view folder, int pagesWritten,
                      std::span<const std::u16string> placed);

}  // namespace folio
