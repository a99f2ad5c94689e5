// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/paper_sizes.h"

namespace folio {

SheetSize PaperSheetSize(PaperSize paper) {
  // Every paper keeps the L size's height; the width follows its shape.
  constexpr int kHeight = 3300;
  switch (paper) {
    case PaperSize::kL: return {4708, kHeight};
    case PaperSize::kPostcard: return {4917, kHeight};
    case PaperSize::kA4: return {4653, kHeight};
    case PaperSize::kYatsugiri: return {4320, kHeight};
    case PaperSize::kMutsugiri: return {4129, kHeight};
    case PaperSize::kYotsugiri: return {3962, kHeight};
    case PaperSize::kHangiri: return {4004, kHeight};
    case PaperSize::kCustom: break;
  }
  return {4708, kHeight};
}

SheetSize SheetSizeOf(const ComposeSettings& compose) {
  const std::optional<PaperSize> paper = PaperSizeFromText(compose.PaperSize);
  if (paper == PaperSize::kCustom) return {compose.CreateJpgWidth, compose.CreateJpgHeight};
  return PaperSheetSize(paper.value_or(PaperSize::kL));
}

}  // namespace folio
