#pragma once
// Fills one record per JPEG file and puts the records in display order.
#include <string>

#include "catalogue/image_record.h"
#include "settings/settings.h"

namespace folio {

void BuildCatalogue(std::u16string_view fileList, std::u16string_view folder,
                    const Settings& settings, int count, ImageRecord* records,
                    int& lastPageIndex);

}  // namespace folio
