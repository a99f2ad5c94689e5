// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/composite.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <string_view>
#include <thread>

#include "imaging/image_ops.h"
#include "imaging/jpeg_codec.h"
#include "imaging/picture_memory.h"
#include "platform/random_generator.h"
#include "platform/text.h"

namespace folio {

namespace {

uint32_t OpaqueColor(int red, int green, int blue) {
  return 0xFF000000u | (static_cast<uint32_t>(red & 0xFF) << 16) |
         (static_cast<uint32_t>(green & 0xFF) << 8) | static_cast<uint32_t>(blue & 0xFF);
}

constexpr std::u16string_view kTitleSeparator = u"\\0\r\n";

}  // namespace

void FillCompositeParams(const SheetOptions& options, int count, CompositeParams& params) {
  params = CompositeParams{};
  params.outerMargin = options.outerMargin ? 1 : 0;
  params.stretchToCell = options.stretchToCell ? 1 : 0;
  params.gap = options.gap;
  params.backgroundColor =
      OpaqueColor(options.backgroundRed, options.backgroundGreen, options.backgroundBlue);
  params.canvasWidth = options.canvasWidth;
  params.canvasHeight = options.canvasHeight;
  params.jpegQuality = options.jpegQuality;
  params.titleOn = options.titleOn ? 1 : 0;
  params.titleColor = OpaqueColor(options.titleRed, options.titleGreen, options.titleBlue);
  params.titleText = options.titleText;
  params.titlePlace = options.titlePlace;
  params.titleFontSize = options.titleFontSize;
  params.titleDouble = options.titleDouble ? 1 : 0;
  params.bigOn = options.bigOn ? 1 : 0;
  params.bigColumn = options.bigColumn - 1;
  params.bigRow = options.bigRow - 1;
  params.upright = options.upright;

  const int h = options.rows;
  const int w = options.columns;
  const int m = options.bigSpan;
  // Cells the title and the big square take from the photos of one sheet.
  // The title counts even when it is off (TitleDouble alone) or lands off
  // the grid; the sheets then simply take one photo more.
  const long long reserved =
      params.titleOn + params.titleDouble + (params.bigOn ? 1LL * m * m - 1 : 0);
  long long perSheet = 1LL * h * w - reserved;
  params.rows = h;
  params.columns = w;
  if (perSheet > count) {
    // Fewer photos than one sheet holds: a smaller square grid.
    int n = std::max(h, w);
    do {
      --n;
      perSheet = 1LL * n * n - reserved;
    } while (perSheet > count && n > 0);
    params.rows = params.columns = n;
  }
  params.bigSpan = m;
  if (params.bigOn && m > 3 && std::min(params.rows, params.columns) < m) {
    params.bigSpan = std::min(params.rows, params.columns);
  }
  params.perSheet = static_cast<int>(std::clamp<long long>(perSheet, -1000000, 1000000));
  // Only whole sheets are made. Nothing can be laid out with no photo per
  // sheet, so nothing is used then (and the progress range stays sane).
  params.imagesUsed =
      CanLayOut(params) && count > 0 ? params.perSheet * (count / params.perSheet) : 0;
}

bool CanLayOut(const CompositeParams& params) {
  if (params.perSheet <= 0 || params.rows < 1 || params.columns < 1) return false;
  if (params.canvasWidth < 1 || params.canvasHeight < 1) return false;
  int cellWidth = 0, cellHeight = 0;
  CellSize(params, cellWidth, cellHeight);
  return cellWidth >= 1 && cellHeight >= 1;
}

bool SheetFitsInMemory(const CompositeParams& params) {
  return PictureFits(params.canvasWidth, params.canvasHeight);
}

void CellSize(const CompositeParams& params, int& cellWidth, int& cellHeight) {
  if (params.rows < 1 || params.columns < 1) {
    cellWidth = cellHeight = 0;
    return;
  }
  const int rowGaps = params.outerMargin ? params.rows + 1 : params.rows - 1;
  const int columnGaps = params.outerMargin ? params.columns + 1 : params.columns - 1;
  cellHeight =
      static_cast<int>((1LL * params.canvasHeight - 1LL * params.gap * rowGaps) / params.rows);
  cellWidth =
      static_cast<int>((1LL * params.canvasWidth - 1LL * params.gap * columnGaps) / params.columns);
}

SheetRect CellRect(const CompositeParams& params, int cellWidth, int cellHeight, int column,
                   int row) {
  SheetRect rect;
  rect.x = column * cellWidth + (column + params.outerMargin) * params.gap;
  rect.y = row * cellHeight + (row + params.outerMargin) * params.gap;
  rect.width = cellWidth;
  rect.height = cellHeight;
  return rect;
}

SheetRect SourceRect(int photoWidth, int photoHeight, int cellWidth, int cellHeight,
                     bool stretchToCell) {
  SheetRect whole{0, 0, photoWidth, photoHeight};
  if (stretchToCell || photoWidth <= 0 || photoHeight <= 0 || cellWidth <= 0 || cellHeight <= 0)
    return whole;
  const double w = photoWidth, h = photoHeight, cw = cellWidth, ch = cellHeight;
  const double a = h / ch;
  const double b = w / cw;
  if (a > b) {  // taller than the cell: cut rows off top and bottom
    const double k = cw / w;
    const int cut = static_cast<int>((h * k - ch) / k);
    return SheetRect{0, cut / 2, photoWidth, photoHeight - cut};
  }
  if (b > a) {  // wider than the cell: cut columns off both sides
    const double k = ch / h;
    const int cut = static_cast<int>((w * k - cw) / k);
    return SheetRect{cut / 2, 0, photoWidth - cut, photoHeight};
  }
  return whole;
}

bool TitleCell(const CompositeParams& params, SheetCell& cell, RandomGenerator& titleRandom) {
  if (!params.titleOn) return false;
  const int columns = params.columns, rows = params.rows;
  using Kind = SheetTitlePlace::Kind;
  switch (params.titlePlace.kind) {
    case Kind::kNone: return false;
    case Kind::kCentre: cell = {(columns - 1) / 2, (rows - 1) / 2}; break;
    case Kind::kTopLeft: cell = {0, 0}; break;
    case Kind::kTopRight: cell = {columns - 1, 0}; break;
    case Kind::kBottomLeft: cell = {0, rows - 1}; break;
    case Kind::kBottomRight: cell = {columns - 1, rows - 1}; break;
    case Kind::kRandom:
      if (columns < 1 || rows < 1) return false;
      cell.column = titleRandom.Next() % columns;
      titleRandom.Reseed(static_cast<unsigned>(titleRandom.Next()));
      cell.row = titleRandom.Next() % rows;
      break;
    case Kind::kCell: cell = {params.titlePlace.column - 1, params.titlePlace.row - 1}; break;
  }
  if (params.titleDouble && cell.column == columns - 1) cell.column = columns - 2;
  return true;
}

SheetCell BigSquareCell(const CompositeParams& params) {
  SheetCell cell{params.bigColumn, params.bigRow};
  if (cell.column + params.bigSpan > params.columns) cell.column = params.columns - params.bigSpan;
  if (cell.row + params.bigSpan > params.rows) cell.row = params.rows - params.bigSpan;
  return cell;
}

std::u16string PickSheetTitle(std::u16string_view titleText, int sheetIndex) {
  // A separator at the very start is not one: the search begins at the
  // second character.
  std::size_t found = titleText.size() > 1 ? titleText.find(kTitleSeparator, 1) : titleText.npos;
  if (found == titleText.npos) return std::u16string(titleText);
  std::size_t start = 0;
  for (int s = 0;; ++s) {
    if (found == titleText.npos) return std::u16string(titleText.substr(start));  // last segment
    if (s >= sheetIndex) return std::u16string(titleText.substr(start, found - start));
    start = found + kTitleSeparator.size();
    found = titleText.find(kTitleSeparator, start);
  }
}

SheetLayout LayOutSheets(const CompositeParams& params, RandomGenerator& titleRandom) {
  SheetLayout layout;
  CellSize(params, layout.cellWidth, layout.cellHeight);
  layout.hasTitle = TitleCell(params, layout.title, titleRandom);
  layout.big = BigSquareCell(params);
  return layout;
}

std::vector<SheetStep> PlanSheet(const CompositeParams& params, const SheetLayout& layout,
                                 int firstPhoto, int count) {
  std::vector<SheetStep> steps;
  const int span = params.bigSpan;
  const SheetCell big = layout.big;
  int placed = firstPhoto;
  for (int row = 0; row < params.rows; ++row) {
    for (int column = 0; column < params.columns; ++column) {
      const SheetRect cell = CellRect(params, layout.cellWidth, layout.cellHeight, column, row);
      if (layout.hasTitle && column == layout.title.column && row == layout.title.row) {
        SheetRect area = cell;
        if (params.titleDouble) area.width = 2 * layout.cellWidth + params.gap;
        steps.push_back({SheetStep::Kind::kTitle, area, 0});
        if (params.titleDouble) ++column;  // the title's second cell
      } else if (placed >= count) {
        break;  // out of photos: the rest of the row stays background
      } else {
        const bool inBig = params.bigOn && column >= big.column &&
                           column <= big.column + span - 1 && row >= big.row &&
                           row <= big.row + span - 1;
        const bool bigCorner = inBig && column == big.column && row == big.row;
        if (inBig && !bigCorner) continue;
        SheetRect area = cell;
        if (bigCorner) {
          area.width = span * layout.cellWidth + (span - 1) * params.gap;
          area.height = span * layout.cellHeight + (span - 1) * params.gap;
        }
        steps.push_back({SheetStep::Kind::kPhoto, area, placed});
        ++placed;
      }
    }
  }
  return steps;
}

std::vector<int> FinalRowsAfterSteps(const std::vector<SheetStep>& plan, int canvasHeight) {
  std::vector<int> finalRows(plan.size());
  int top = std::max(canvasHeight, 0);  // the highest row a later step reaches
  for (std::size_t i = plan.size(); i-- > 0;) {
    finalRows[i] = top;
    const SheetStep& step = plan[i];
    top = std::min(top, step.kind == SheetStep::Kind::kTitle ? 0 : std::max(step.area.y, 0));
  }
  return finalRows;
}

namespace {

// Encodes a canvas on a thread of its own, following the rows that the
// painting thread declares final. The painting thread only draws below them,
// so that the two never touch the same pixels.
class AlongsideEncoder {
 public:
  AlongsideEncoder(const QImage& canvas, int quality)
      : bits_(canvas.constBits()),
        bytesPerLine_(canvas.bytesPerLine()),
        height_(canvas.height()),
        encoder_(canvas.width(), canvas.height(), quality),
        thread_([this] { Run(); }) {}
  ~AlongsideEncoder() {
    {
      std::lock_guard lock(mutex_);
      stop_ = true;
    }
    wake_.notify_one();
    if (thread_.joinable()) thread_.join();
  }

  void RowsFinal(int rows) {
    {
      std::lock_guard lock(mutex_);
      if (rows <= final_) return;
      final_ = std::min(rows, height_);
    }
    wake_.notify_one();
  }

  bool Finish(std::vector<uint8_t>& out) {
    RowsFinal(height_);
    thread_.join();
    return encoder_.Finish(out);
  }

 private:
  void Run() {
    int written = 0;
    while (written < height_) {
      int upTo = 0;
      {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [&] { return stop_ || final_ > written; });
        if (stop_) return;
        upTo = final_;
      }
      if (!encoder_.Write(bits_ + written * bytesPerLine_, bytesPerLine_, upTo - written)) return;
      written = upTo;
    }
  }

  const uint8_t* bits_;
  std::ptrdiff_t bytesPerLine_;
  int height_;
  jpeg::RowEncoder encoder_;
  std::mutex mutex_;
  std::condition_variable wake_;
  int final_ = 0;
  bool stop_ = false;
  std::thread thread_;  // last: starts once the rest is in place
};

}  // namespace

struct SheetPainter::Impl {
  explicit Impl(const CompositeParams& p, bool recording = false,
                Encoding e = Encoding::kAtSave)
      : params(p),
        canvas(recording ? Canvas::Recording(p.canvasWidth, p.canvasHeight)
                         : Canvas(p.canvasWidth, p.canvasHeight)),
        encoding(e) {
    CellSize(params, cellWidth, cellHeight);
  }
  CompositeParams params;
  Canvas canvas;
  Encoding encoding;
  int cellWidth = 0, cellHeight = 0;
  // Declared after the canvas, so that it stops before the pixels go.
  std::unique_ptr<AlongsideEncoder> alongside;
};

SheetPainter::SheetPainter(const CompositeParams& params, Encoding encoding)
    : impl_(std::make_unique<Impl>(params, false, encoding)) {}
SheetPainter::SheetPainter(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
SheetPainter::~SheetPainter() = default;
SheetPainter::SheetPainter(SheetPainter&&) noexcept = default;
SheetPainter& SheetPainter::operator=(SheetPainter&&) noexcept = default;

SheetPainter SheetPainter::RecordPhoto(const std::filesystem::path& path,
                                       const SheetRect& area) const {
  SheetPainter recording(std::make_unique<Impl>(impl_->params, true));
  recording.DrawPhoto(path, area);
  return recording;
}

void SheetPainter::DrawRecorded(const SheetPainter& recording) {
  impl_->canvas.Replay(recording.impl_->canvas);
}

void SheetPainter::Begin() {
  // The previous sheet's encoder, if it was never finished, stops reading
  // before the canvas is filled anew.
  impl_->alongside.reset();
  impl_->canvas.Fill(impl_->params.backgroundColor);
  if (impl_->encoding == Encoding::kAlongside && !impl_->canvas.image().isNull())
    impl_->alongside =
        std::make_unique<AlongsideEncoder>(impl_->canvas.image(), impl_->params.jpegQuality);
}

void SheetPainter::RowsFinal(int rows) {
  if (impl_->alongside) impl_->alongside->RowsFinal(rows);
}

void SheetPainter::DrawTitle(std::u16string_view text, const SheetRect& area) {
  impl_->canvas.DrawText(text, impl_->params.titleFontSize, impl_->params.titleColor,
                         QRectF(area.x, area.y, area.width, area.height));
}

void SheetPainter::DrawPhoto(const std::filesystem::path& path, const SheetRect& area) {
  const Photo photo = Photo::Load(path);
  const int orientation = impl_->params.upright == Upright::kYes ? photo.Orientation() : 1;
  const bool swap = SwapsSides(orientation);
  // The cut follows one cell's shape, also for the big square, and is taken
  // from the photo as it stands upright.
  const SheetRect source =
      SourceRect(swap ? photo.height() : photo.width(), swap ? photo.width() : photo.height(),
                 impl_->cellWidth, impl_->cellHeight, impl_->params.stretchToCell);
  impl_->canvas.DrawScaled(photo, QRect(area.x, area.y, area.width, area.height),
                           QRect(source.x, source.y, source.width, source.height), orientation);
}

bool SheetPainter::Save(const std::filesystem::path& path) {
  if (!impl_->alongside) return impl_->canvas.SaveJpeg(path, impl_->params.jpegQuality);
  std::vector<uint8_t> encoded;
  const bool encodedWell = impl_->alongside->Finish(encoded);
  impl_->alongside.reset();
  return encodedWell &&
         impl_->canvas.WriteEncodedJpeg(path, std::move(encoded), Replace::kYes) ==
             WriteResult::kWritten;
}

}  // namespace folio
