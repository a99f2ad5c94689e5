#pragma once
// The numbered thumbnail pages page1.html onwards.
#include <string>

#include "catalogue/image_record.h"

namespace folio {

class JobHost;

// 0 every page written, 2 cancelled (the folder is undone), -1 stopped at a
// page file that already exists.
int WriteThumbnailPages(JobHost& host, int count, ImageRecord* records, int pages,
                        std::u16string_view folder);

}  // namespace folio
