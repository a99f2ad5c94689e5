#include "html/thumbnail_pages.h"
// Placeholder until the thumbnail pages land.
namespace folio {
int WriteThumbnailPages(JobHost&, int, ImageRecord*, int, std::u16string_view) { return 0; }
}  // namespace folio
