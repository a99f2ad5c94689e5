#include "html/slideshow_page.h"
// Placeholder until the slideshow page lands.
namespace folio {
void WriteSlideshowPage(JobHost&, int, ImageRecord*, std::u16string_view) {}
}  // namespace folio
