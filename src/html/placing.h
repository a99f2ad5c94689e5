#pragma once
// The file-system side of the thumbnail job: photos into jpg/, thumbnails
// into thum/, recognising and rewinding a processed folder, undoing a cancel.
#include <string>

#include "catalogue/image_record.h"
#include "settings/settings.h"

namespace folio {

int PlaceOriginal(const ThumbnailSettings& settings, std::u16string_view fileName,
                  std::u16string_view folder);
bool IsProcessedFolder(std::u16string_view folder);
void RewindFolder(std::u16string_view folder);
void UndoThumbnailJob(std::u16string_view folder, int pagesWritten, const ImageRecord* records,
                      int count);

}  // namespace folio
