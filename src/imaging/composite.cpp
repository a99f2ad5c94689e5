#include "imaging/composite.h"
// Placeholder until the composite sheets land.
namespace folio {
void PaperSheetSize(const ComposeSettings& compose, int& width, int& height) {
  width = compose.CreateJpgWidth;
  height = compose.CreateJpgHeight;
}
void FillCompositeParams(Settings& settings, int count, CompositeParams& params) {
  params = CompositeParams{};
  PaperSheetSize(settings.compose, params.canvasWidth, params.canvasHeight);
  params.perSheet = settings.compose.JpgNumberH * settings.compose.JpgNumberW;
  params.imagesUsed = params.perSheet > 0 ? params.perSheet * (count / params.perSheet) : 0;
}
int BuildComposite(JobHost&, ImageRecord*, const CompositeParams&, int, std::u16string_view) {
  return 1;
}
std::u16string PickSheetTitle(std::u16string_view titleText, int) { return std::u16string(titleText); }
}  // namespace folio
