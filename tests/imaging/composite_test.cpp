// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/composite.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QPainter>

#include <ctime>
#include <vector>

#include "imaging/image_ops.h"
#include "imaging/pixels.h"
#include "platform/random_generator.h"
#include "platform/text.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using folio::test::Near;
using folio::test::ReadPicture;
using folio::test::SolidPicture;
using folio::test::TempDir;
using folio::test::WritePicture;

namespace folio {
namespace {

// ---------------------------------------------------------------- parameters

// The sheet is the size the options give (the paper table is the settings'),
// and the options are only read.
TEST(CompositeParams, CanvasIsTheOptionsSheet) {
  for (const auto& [width, height] : {std::pair{4708, 3300}, std::pair{1234, 567}}) {
    SheetOptions options;
    options.canvasWidth = width;
    options.canvasHeight = height;
    CompositeParams params;
    FillCompositeParams(options, 10, params);
    EXPECT_EQ(params.canvasWidth, width);
    EXPECT_EQ(params.canvasHeight, height);
  }
}

TEST(CompositeParams, ColoursAndFlagsFromTheOptions) {
  SheetOptions options;
  options.backgroundRed = 0x112;  // only the low 8 bits count
  options.backgroundGreen = 0x34;
  options.backgroundBlue = 0x56;
  options.titleRed = 1;
  options.titleGreen = 2;
  options.titleBlue = 3;
  options.bigColumn = 2;
  options.bigRow = 3;
  CompositeParams params;
  FillCompositeParams(options, 20, params);
  EXPECT_EQ(params.backgroundColor, 0xFF123456u);
  EXPECT_EQ(params.titleColor, 0xFF010203u);
  EXPECT_EQ(params.bigColumn, 1);
  EXPECT_EQ(params.bigRow, 2);
  EXPECT_EQ(params.gap, 10);
  EXPECT_EQ(params.jpegQuality, 80);
}

TEST(CompositeParams, GridShrinksAndCountsWholeSheets) {
  struct Case {
    const char* what;
    int h, w, count, title, titleDouble, multi, m;
    int rows, columns, perSheet, imagesUsed, multipleAfter;
  };
  const Case cases[] = {
      {"20 photos, 4x4", 4, 4, 20, 0, 0, 0, 1, 4, 4, 16, 16, 1},
      {"5 photos shrink 4x4 to 2x2", 4, 4, 5, 0, 0, 0, 1, 2, 2, 4, 4, 1},
      {"3 photos with a title", 4, 4, 3, 1, 0, 0, 1, 2, 2, 3, 3, 1},
      {"big square of 2", 4, 4, 30, 0, 0, 1, 2, 4, 4, 13, 26, 2},
      {"TitleDouble alone still takes a cell", 4, 4, 30, 0, 1, 0, 1, 4, 4, 15, 30, 1},
      {"Multiple lowered to the grid", 3, 8, 20, 0, 0, 1, 4, 3, 8, 9, 18, 3},
      {"one photo and a title: nothing to lay out", 4, 4, 1, 1, 0, 0, 1, 1, 1, 0, 0, 1},
      {"two photos, double title: 2x2", 4, 4, 2, 1, 1, 0, 1, 2, 2, 2, 2, 1},
      {"one photo, double title: negative", 4, 4, 1, 1, 1, 0, 1, 1, 1, -1, 0, 1},
      {"big square larger than the grid", 2, 2, 10, 0, 0, 1, 3, 2, 2, -4, 0, 3},
  };
  for (const Case& c : cases) {
    SheetOptions options;
    options.rows = c.h;
    options.columns = c.w;
    options.titleOn = c.title;
    options.titleDouble = c.titleDouble;
    options.bigOn = c.multi;
    options.bigSpan = c.m;
    CompositeParams params;
    FillCompositeParams(options, c.count, params);
    EXPECT_EQ(params.rows, c.rows) << c.what;
    EXPECT_EQ(params.columns, c.columns) << c.what;
    EXPECT_EQ(params.perSheet, c.perSheet) << c.what;
    EXPECT_EQ(params.imagesUsed, c.imagesUsed) << c.what;
    EXPECT_EQ(params.bigSpan, c.multipleAfter) << c.what;
    EXPECT_EQ(CanLayOut(params), c.perSheet > 0) << c.what;
  }
}

// ---------------------------------------------------------------- geometry

CompositeParams LSheet(int rows, int columns, int outerMargin) {
  SheetOptions options;
  options.rows = rows;
  options.columns = columns;
  options.outerMargin = outerMargin;
  CompositeParams params;
  FillCompositeParams(options, 100, params);
  return params;
}

TEST(CompositeGeometry, CellsOfAnLSheetLeaveTwoPixelsAtRightAndBottom) {
  for (int margin : {0, 1}) {
    const CompositeParams params = LSheet(4, 4, margin);
    int cw = 0, ch = 0;
    CellSize(params, cw, ch);
    EXPECT_EQ(cw, margin ? 1164 : 1169);
    EXPECT_EQ(ch, margin ? 812 : 817);
    const SheetRect first = CellRect(params, cw, ch, 0, 0);
    EXPECT_EQ(first.x, margin ? 10 : 0);
    EXPECT_EQ(first.y, margin ? 10 : 0);
    const SheetRect last = CellRect(params, cw, ch, 3, 3);
    const int rightEdge = last.x + last.width + (margin ? params.gap : 0);
    const int bottomEdge = last.y + last.height + (margin ? params.gap : 0);
    EXPECT_EQ(params.canvasWidth - rightEdge, 2) << margin;
    EXPECT_EQ(params.canvasHeight - bottomEdge, 2) << margin;
  }
}

TEST(CompositeGeometry, SourceRectCutsToTheCellShape) {
  struct Case {
    int w, h, cw, ch;
    bool stretch;
    SheetRect expected;
  };
  const Case cases[] = {
      {4000, 3000, 1169, 817, false, {0, 102, 4000, 2796}},
      {3000, 4000, 1169, 817, false, {0, 951, 3000, 2097}},
      {4000, 1000, 1169, 817, false, {1284, 0, 1431, 1000}},  // wider than the cell
      {4000, 3000, 1169, 817, true, {0, 0, 4000, 3000}},      // stretched whole
      {2000, 1000, 200, 100, false, {0, 0, 2000, 1000}},      // same shape
      {0, 0, 1169, 817, false, {0, 0, 0, 0}},                 // unreadable photo
  };
  for (const Case& c : cases) {
    const SheetRect r = SourceRect(c.w, c.h, c.cw, c.ch, c.stretch);
    EXPECT_EQ(r.x, c.expected.x) << c.w << "x" << c.h;
    EXPECT_EQ(r.y, c.expected.y) << c.w << "x" << c.h;
    EXPECT_EQ(r.width, c.expected.width) << c.w << "x" << c.h;
    EXPECT_EQ(r.height, c.expected.height) << c.w << "x" << c.h;
  }
}

TEST(CompositeGeometry, TitleCellByPosition) {
  using Kind = SheetTitlePlace::Kind;
  struct Case {
    SheetTitlePlace place;
    int titleDouble;
    bool any;
    int column, row;
  };
  const Case cases[] = {
      {{Kind::kCentre}, 0, true, 1, 1},
      {{Kind::kTopLeft}, 0, true, 0, 0},
      {{Kind::kTopRight}, 0, true, 3, 0},
      {{Kind::kTopRight}, 1, true, 2, 0},
      {{Kind::kBottomLeft}, 0, true, 0, 3},
      {{Kind::kBottomRight}, 1, true, 2, 3},
      {{Kind::kCell, 2, 3}, 0, true, 1, 2},
      {{Kind::kCell, 5, 1}, 0, true, 4, 0},  // off the grid: no cell takes it
      {{Kind::kNone}, 0, false, 0, 0},
      {{Kind::kCell, 0, 0}, 0, true, -1, -1},  // "x:y" read as 0:0, off the grid
  };
  for (const Case& c : cases) {
    CompositeParams params = LSheet(4, 4, 0);
    params.titleOn = 1;
    params.titleDouble = c.titleDouble;
    params.titlePlace = c.place;
    const std::string what = std::to_string(static_cast<int>(c.place.kind)) + " " +
                             std::to_string(c.place.column) + ":" + std::to_string(c.place.row);
    SheetCell cell{-9, -9};
    RandomGenerator unused;
    ASSERT_EQ(TitleCell(params, cell, unused), c.any) << what;
    if (!c.any) continue;
    EXPECT_EQ(cell.column, c.column) << what;
    EXPECT_EQ(cell.row, c.row) << what;
  }
  CompositeParams params = LSheet(4, 4, 0);
  params.titleOn = 1;
  params.titlePlace = {SheetTitlePlace::Kind::kRandom};
  SheetCell cell;
  RandomGenerator anyTime(static_cast<unsigned>(std::time(nullptr)));
  ASSERT_TRUE(TitleCell(params, cell, anyTime));
  EXPECT_TRUE(cell.column >= 0 && cell.column < 4 && cell.row >= 0 && cell.row < 4);
  params.titleOn = 0;
  params.titlePlace = {SheetTitlePlace::Kind::kCentre};
  EXPECT_FALSE(TitleCell(params, cell, anyTime));
}

// The random title cell is the runtime's: the column from the seed's first
// value (41 from seed 1), the row from the generator reseeded with its
// second (18467, whose first value is 27576).
TEST(CompositeGeometry, RandomTitleCellFollowsItsGeneratorAlone) {
  struct Case {
    int columns, rows, column, row;
  };
  for (const Case c : {Case{4, 4, 1, 0}, Case{5, 3, 1, 0}, Case{3, 5, 2, 1}}) {
    CompositeParams params = LSheet(c.rows, c.columns, 0);
    params.titleOn = 1;
    params.titlePlace = {SheetTitlePlace::Kind::kRandom};
    RandomGenerator seeded(1);
    SheetCell cell;
    ASSERT_TRUE(TitleCell(params, cell, seeded));
    EXPECT_EQ(cell.column, c.column) << c.columns << "x" << c.rows;
    EXPECT_EQ(cell.row, c.row) << c.columns << "x" << c.rows;
  }
}

TEST(CompositeGeometry, BigSquareIsMovedBackInsideTheGrid) {
  CompositeParams params = LSheet(4, 4, 0);
  params.bigOn = 1;
  params.bigSpan = 2;
  params.bigColumn = 3;  // X 4
  params.bigRow = 0;
  EXPECT_EQ(BigSquareCell(params).column, 2);
  EXPECT_EQ(BigSquareCell(params).row, 0);
  params.bigColumn = 1;
  params.bigRow = 3;
  EXPECT_EQ(BigSquareCell(params).column, 1);
  EXPECT_EQ(BigSquareCell(params).row, 2);
}

TEST(CompositeGeometry, RowsAreFinalOnceNoLaterStepReachesThem) {
  using Kind = SheetStep::Kind;
  auto photo = [](int y, int height) { return SheetStep{Kind::kPhoto, {0, y, 10, height}, 0}; };
  const SheetStep title{Kind::kTitle, {0, 80, 10, 20}, 0};
  struct Case {
    const char* what;
    std::vector<SheetStep> plan;
    std::vector<int> finalRows;
  };
  const Case cases[] = {
      {"rows of cells", {photo(0, 40), photo(0, 40), photo(50, 40), photo(50, 40)}, {0, 50, 50, 100}},
      {"a later cell reaching up (a gap below 0)", {photo(0, 40), photo(30, 40), photo(20, 40)},
       {20, 20, 100}},
      {"above the canvas", {photo(-15, 40), photo(10, 40)}, {10, 100}},
      {"a title, drawn anywhere", {photo(0, 40), title, photo(50, 40)}, {0, 50, 100}},
      {"nothing", {}, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(FinalRowsAfterSteps(c.plan, 100), c.finalRows) << c.what;
}

TEST(PickSheetTitle, SegmentsBySheet) {
  const std::u16string two = u"春\r\n2010\\0\r\n秋";
  EXPECT_EQ(PickSheetTitle(two, 0), u"春\r\n2010");  // own line breaks kept
  EXPECT_EQ(PickSheetTitle(two, 1), u"秋");
  EXPECT_EQ(PickSheetTitle(two, 2), u"秋");  // beyond the last: the last
  const std::u16string three = u"A\\0\r\nB\\0\r\nC";
  EXPECT_EQ(PickSheetTitle(three, 1), u"B");
  EXPECT_EQ(PickSheetTitle(three, 5), u"C");
  EXPECT_EQ(PickSheetTitle(u"whole", 3), u"whole");
  // A separator at the very start is not found: the text is used whole.
  EXPECT_EQ(PickSheetTitle(u"\\0\r\nX", 0), u"\\0\r\nX");
  EXPECT_EQ(PickSheetTitle(u"", 0), u"");
}

}  // namespace
}  // namespace folio
