// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sheet sizes of the composite job, in pixels, named by paper.
#include "settings/coded_values.h"
#include "settings/settings.h"

namespace folio {

struct SheetSize {
  int width = 0;
  int height = 0;
};

// The sheet of a named paper (custom has none of its own: the size fields).
SheetSize PaperSheetSize(PaperSize paper);

// The sheet the `PaperSize` text gives: custom takes the `CreateJpg...`
// fields, any text naming no paper the L size.
SheetSize SheetSizeOf(const ComposeSettings& compose);

}  // namespace folio
