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

// 0: no JPEG encoder, nothing can be laid out, or a sheet could not be
// written (the others are still made); 1: all sheets made; 2: cancelled.
int BuildComposite(JobHost& host, ImageRecord* records, const CompositeParams& params,
                   int count, std::u16string_view folder);

// The title of sheet `sheetIndex` (0-based) from the "\0"-separated title text.
std::u16string PickSheetTitle(std::u16string_view titleText, int sheetIndex);

// Sheet geometry, shared by the job and its tests.
struct SheetRect {
  int x = 0, y = 0, width = 0, height = 0;
};
struct SheetCell {
  int column = 0, row = 0;
};

// False when no sheet can be laid out: no photo per sheet, an empty grid, or
// cells with no area. The job then writes nothing and reports a failure.
bool CanLayOut(const CompositeParams& params);
// Width and height of one cell (truncated; the leftover stays background
// along the right and bottom edges).
void CellSize(const CompositeParams& params, int& cellWidth, int& cellHeight);
// The cell in `column`, `row` (both from 0): its corner and one cell's size.
SheetRect CellRect(const CompositeParams& params, int cellWidth, int cellHeight, int column,
                   int row);
// The part of a photo drawn into a cell: whole when stretched, else cut
// centrally to one cell's shape.
SheetRect SourceRect(int photoWidth, int photoHeight, int cellWidth, int cellHeight,
                     bool stretchToCell);
// The title cell of every sheet; false when the position names no cell.
// A title two cells wide is moved left off the last column. The column and
// row may still lie outside the grid (then no cell takes the title).
bool TitleCell(const CompositeParams& params, SheetCell& cell);
// Top-left cell of the big square, moved back inside the grid.
SheetCell BigSquareCell(const CompositeParams& params);

}  // namespace folio
