#include "imaging/resize_job.h"
// Placeholder until the resize job lands.
namespace folio {
void ResizeJob(JobHost&, std::u16string_view, int) {}
int ResizeOneImage(const ResizeOptions&, std::u16string_view, std::u16string_view) { return 0; }
std::optional<int> ReadOrientation(const std::u16string&) { return std::nullopt; }
void CopyExifProperties(const std::u16string&, Canvas&, bool) {}
}  // namespace folio
