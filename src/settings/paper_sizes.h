#pragma once
// The sheet sizes of the composite job, in pixels, named by paper.
#include "settings/settings.h"

namespace folio {

// The sheet size of a `PaperSize` text (custom: the `CreateJpg...` fields;
// any other unknown text: the L size).
void PaperSheetSize(const ComposeSettings& compose, int& width, int& height);

}  // namespace folio
