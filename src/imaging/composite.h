// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Contact sheets: the photos of a folder laid out, a fixed number per sheet,
// on canvases shaped like a paper size, saved as img/Image1.jpg onwards.
#include <cstdint>
#include <filesystem>
#include <string>

#include <memory>
#include <vector>

#include "imaging/orientation.h"
#include "platform/random_generator.h"

namespace folio {

// The cell the title takes: a named one, one drawn at random, or a given
// column and row (from 1; either may lie off the grid).
struct SheetTitlePlace {
  enum class Kind {
    kNone,
    kCentre,
    kTopLeft,
    kTopRight,
    kBottomLeft,
    kBottomRight,
    kRandom,
    kCell
  };
  Kind kind = Kind::kNone;
  int column = 0;
  int row = 0;
};

// What the sheets take from the user's options.
struct SheetOptions {
  int rows = 4;
  int columns = 4;
  int gap = 10;
  bool outerMargin = false;  // the gap also along the edges
  int backgroundRed = 255, backgroundGreen = 255, backgroundBlue = 255;
  int canvasWidth = 4708;
  int canvasHeight = 3300;
  int jpegQuality = 80;
  bool stretchToCell = false;
  bool titleOn = false;
  int titleRed = 0, titleGreen = 0, titleBlue = 0;
  std::u16string titleText;  // CR LF lines, sheets' titles split by PickSheetTitle
  SheetTitlePlace titlePlace;
  int titleFontSize = 72;
  bool titleDouble = false;  // the title takes two cells
  bool bigOn = false;        // one photo on a square of cells
  int bigSpan = 1;           // cells a side
  int bigColumn = 1;         // from 1
  int bigRow = 1;            // from 1
  Upright upright = Upright::kYes;
};

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
  SheetTitlePlace titlePlace;
  int titleFontSize = 0;
  int titleDouble = 0;
  int imagesUsed = 0;
  int bigOn = 0;
  int bigSpan = 0;
  int bigColumn = 0;
  int bigRow = 0;
  int perSheet = 0;
  Upright upright = Upright::kYes;  // photos turned by their Exif Orientation
};

// The parameters of a job over `count` photos: fewer photos than a sheet
// holds give a smaller square grid, and a big square larger than that grid
// (above 3 cells a side) shrinks to fit it.
void FillCompositeParams(const SheetOptions& options, int count, CompositeParams& params);

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
// False when the sheet's canvas would take more memory than one picture may
// (a sheet size from a hand-edited settings file): the job refuses it.
bool SheetFitsInMemory(const CompositeParams& params);
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
// The title cell of every sheet; false when the place names no cell.
// A title two cells wide is moved left off the last column. The column and
// row may still lie outside the grid (then no cell takes the title). A
// random place draws the cell from `titleRandom`, a generator of the
// title's own, so that the photos' random order never depends on it.
bool TitleCell(const CompositeParams& params, SheetCell& cell, RandomGenerator& titleRandom);
// Top-left cell of the big square, moved back inside the grid.
SheetCell BigSquareCell(const CompositeParams& params);

// What every sheet of one job shares: the cell size, the title cell (drawn
// at random once per job when the position says so) and the big square.
struct SheetLayout {
  int cellWidth = 0, cellHeight = 0;
  bool hasTitle = false;
  SheetCell title{-1, -1};
  SheetCell big;
};
SheetLayout LayOutSheets(const CompositeParams& params, RandomGenerator& titleRandom);

// One thing drawn on a sheet, in drawing order: the title, or a photo (by its
// index among all photos of the job) into its cell or the big square.
struct SheetStep {
  enum class Kind { kTitle, kPhoto };
  Kind kind = Kind::kPhoto;
  SheetRect area;
  int photo = 0;
};
// The steps of one sheet whose first photo is `firstPhoto` of `count`. Once
// the photos run out, the rest of that row stays background.
std::vector<SheetStep> PlanSheet(const CompositeParams& params, const SheetLayout& layout,
                                 int firstPhoto, int count);

// For each step of a sheet's plan, how many canvas rows from the top no
// later step draws on: rows that are final once that step is drawn. A title
// counts as reaching the top, since its text is not bound to its area.
std::vector<int> FinalRowsAfterSteps(const std::vector<SheetStep>& plan, int canvasHeight);

// Draws sheets step by step on one canvas, which is kept for the next sheet.
class SheetPainter {
 public:
  // Encodes alongside: a thread of its own encodes each sheet, down to the
  // rows RowsFinal gives, while the rest of it is drawn. The file is the
  // same either way.
  enum class Encoding { kAtSave, kAlongside };
  explicit SheetPainter(const CompositeParams& params, Encoding encoding = Encoding::kAtSave);
  ~SheetPainter();
  SheetPainter(SheetPainter&&) noexcept;
  SheetPainter& operator=(SheetPainter&&) noexcept;

  // A new sheet in the background colour.
  void Begin();
  void DrawTitle(std::u16string_view text, const SheetRect& area);
  // The photo at `path`, upright when the parameters say so, cut to a
  // cell's shape unless stretched; an unreadable file leaves the cell
  // background.
  void DrawPhoto(const std::filesystem::path& path, const SheetRect& area);
  // Rows [0, rows) of this sheet will not be drawn on again.
  void RowsFinal(int rows);
  // False when the sheet could not be written.
  bool Save(const std::filesystem::path& path);

  // DrawPhoto worked out ahead, on any thread: a painter of no pixels that
  // holds the photo decoded and scaled for its area. DrawRecorded then puts
  // it onto this sheet, pixel for pixel as DrawPhoto would.
  SheetPainter RecordPhoto(const std::filesystem::path& path, const SheetRect& area) const;
  void DrawRecorded(const SheetPainter& recording);

 private:
  struct Impl;
  explicit SheetPainter(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

}  // namespace folio
