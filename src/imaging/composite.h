#pragma once
// Contact sheets: the photos of a folder laid out, a fixed number per sheet,
// on canvases shaped like a paper size, saved as img/Image1.jpg onwards.
#include <cstdint>
#include <string>

#include "catalogue/image_record.h"
#include "settings/settings.h"

namespace folio {

class JobHost;

struct CompositeParams {
  int outerMargin = 0;
  int stretchToCell = 0;
  int rows = 0;
  int columns = 0;
  int gap = 0;
  uint32_t backgroundColor = 0;
  int canvasWidth = 0;
  int canvasHeight = 0;
  int jpegQuality = 0;
  int titleOn = 0;
  uint32_t titleColor = 0;
  std::u16string titleText;
  std::u16string titlePosition;
  int titleFontSize = 0;
  int titleDouble = 0;
  int imagesUsed = 0;
  int bigOn = 0;
  int bigSpan = 0;
  int bigColumn = 0;
  int bigRow = 0;
  int perSheet = 0;
};

// The sheet size of a `PaperSize` text (custom: the `CreateJpg...` fields).
void PaperSheetSize(const ComposeSettings& compose, int& width, int& height);

// Fills the parameters from the settings for `count` photos, writes the
// sheet size back into CreateJpgHeight/Width and may lower `Multiple`.
// Done before every job, whatever its mode.
void FillCompositeParams(Settings& settings, int count, CompositeParams& params);

// 0: no JPEG encoder (or nothing can be laid out), 1: all sheets made, 2: cancelled.
int BuildComposite(JobHost& host, ImageRecord* records, const CompositeParams& params,
                   int count, std::u16string_view folder);

// The title of sheet `sheetIndex` (0-based) from the "\0"-separated title text.
std::u16string PickSheetTitle(std::u16string_view titleText, int sheetIndex);

}  // namespace folio
