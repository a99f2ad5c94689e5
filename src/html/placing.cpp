#include "html/placing.h"
// Placeholder until the placing and rewind land.
namespace folio {
int PlaceOriginal(const ThumbnailSettings&, std::u16string_view, std::u16string_view) { return 0; }
bool IsProcessedFolder(std::u16string_view) { return false; }
void RewindFolder(std::u16string_view) {}
void UndoThumbnailJob(std::u16string_view, int, const ImageRecord*, int) {}
}  // namespace folio
