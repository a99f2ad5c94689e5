#pragma once
// slideshow.html with its reduced copies in slideshow/.
#include <string>

#include "catalogue/image_record.h"

namespace folio {

class JobHost;

void WriteSlideshowPage(JobHost& host, int count, ImageRecord* records,
                        std::u16string_view folder);

}  // namespace folio
