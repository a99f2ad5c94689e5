#include "app/slideshow_job.h"

#include "app/job_progress.h"
#include "html/slideshow_page.h"
#include "imaging/scaled_copy.h"
#include "platform/cp932.h"
#include "platform/text.h"

namespace folio {

Outcome RunSlideshowJob(JobHost& host, const SlideShowSettings& settings, Upright upright,
                        std::u16string_view folder, std::span<const ImageRecord> records) {
  if (records.empty()) return Outcome::kNoPhotos;  // the driver never calls without photos
  const int count = static_cast<int>(records.size());
  JobProgress progress(host, count);
  bool encoderMissing = false;
  for (int i = 0; i < count; ++i) {
    const std::u16string_view name = FieldText(records[static_cast<std::size_t>(i)].fileName);
    // Without an encoder no copy can be made; the page still lists every image.
    if (!encoderMissing && MakeScaledCopy(name, folder, settings.Size, u"slideshow", upright) == -1)
      encoderMissing = true;
    progress.Advance(i + 1);
    if (progress.Cancelled()) return Outcome::kCancelled;
  }
  if (!WriteCp932TextFile(ToPath(folder) / "slideshow.html", SlideshowPageText(settings, records)))
    return Outcome::kPageNotWritten;
  return Outcome::kSlideshowMade;
}

}  // namespace folio
