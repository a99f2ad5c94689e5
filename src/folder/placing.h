// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file-system side of the thumbnail job: photos into jpg/, thumbnails
// into thum/, recognising and rewinding a processed folder, undoing a cancel.
#include <span>
#include <string>

#include "catalogue/image_record.h"
#include "imaging/orientation.h"
#include "imaging/scaled_copy.h"

namespace folio {

// What placing a photo takes of the thumbnail pages' options.
struct PlacingOptions {
  bool thumbnails = true;  // a thumbnail goes into thum
  int thumbnailSize = 340;
  Upright upright = Upright::kYes;
};

// The thumbnail into thum (when `thumbnails`), then the photo into jpg. A
// job that prepares the thumbnails ahead passes the prepared one. Returns 0,
// or kScaledCopyNotWritten when the thumbnail could not be written (the
// photo then stays where it was).
int PlaceOriginal(const PlacingOptions& options, std::u16string_view fileName,
                  std::u16string_view folder, const ScaledCopy* thumbnail = nullptr);
bool IsProcessedFolder(std::u16string_view folder);

// Moves the photos of jpg back and deletes what the job made: the numbered
// pages, thum.css while it holds exactly `ownStylesheet` (the default the job
// writes), and the thumbnails (with their 2x renditions) of the photos that
// went back. A folder that still holds other files stays. `finishing` a
// rewind that was killed also takes the thumbnails of the photos it had
// already moved back.
void RewindFolder(std::u16string_view folder, bool finishing = false,
                  std::string_view ownStylesheet = {});
// Deletes pages 1 to `pagesWritten` and the thumbnails (with their 2x
// renditions) of `placed`, and
// moves those photos back from jpg. False when a photo could not go back
// although its name at the top level is free (a folder we may no longer
// write): it is still in jpg.
bool UndoThumbnailJob(std::u16string_view folder, int pagesWritten,
                      std::span<const ImageRecord> placed);
// The same by the photos' file names.
bool UndoThumbnailJob(std::u16string_view folder, int pagesWritten,
                      std::span<const std::u16string> placed);

}  // namespace folio
