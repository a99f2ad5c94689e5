// SPDX-License-Identifier: GPL-3.0-or-later
// Contact sheets made by the composite job on real photo files: what each
// cell shows, the title and big square, cancels and failures.
#include "app/composite_job.h"

#include <gtest/gtest.h>
#include <QFontDatabase>
#include <QPainter>

#include <vector>

#include "app/job_options.h"
#include "app/test_window.h"
#include "imaging/composite.h"
#include "imaging/image_ops.h"
#include "imaging/pixels.h"
#include "imaging/scaled_copy.h"
#include "platform/text.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using folio::test::Near;
using folio::test::ReadPicture;
using folio::test::SolidPicture;
using folio::test::TempDir;
using folio::test::TestWindow;
using folio::test::WritePicture;

namespace folio {
namespace {

// ---------------------------------------------------------------- sheets

const QColor kPalette[] = {Qt::red,      Qt::green,    Qt::blue,       Qt::cyan,
                           Qt::magenta,  Qt::yellow,   Qt::darkRed,    Qt::darkGreen,
                           Qt::darkBlue, Qt::darkCyan, Qt::darkMagenta};
constexpr int kPaletteSize = sizeof kPalette / sizeof kPalette[0];

struct SheetFolder {
  TempDir dir;
  std::vector<ImageRecord> records;
  TestWindow host;

  SheetFolder() {
    fs::create_directory(dir / "img");
    host.setBusy(true);  // as the driver leaves it for the job
  }
  void Add(const std::string& name) {
    ImageRecord record;
    SetField(record.fileName, FromUtf8(name));
    records.push_back(record);
  }
  // Photo i in palette colour i.
  void AddSolid(int n, int width = 400, int height = 300) {
    for (int i = 0; i < n; ++i) {
      const std::string name = "p" + std::to_string(records.size()) + ".jpg";
      WritePicture(dir / name,
                   SolidPicture(width, height, kPalette[records.size() % kPaletteSize]));
      Add(name);
    }
  }
  int count() const { return static_cast<int>(records.size()); }
  CompositeParams Params() {
    CompositeParams params;
    FillCompositeParams(SheetOptionsOf(host.settings()), count(), params);
    return params;
  }
  Outcome Run(const CompositeParams& params) {
    return RunCompositeJob(host, params, dir.u16(), records);
  }
  QImage Sheet(int n) { return ReadPicture(dir / "img" / ("Image" + std::to_string(n) + ".jpg")); }
};

QPoint Centre(const SheetRect& r) { return QPoint(r.x + r.width / 2, r.y + r.height / 2); }

TEST(CompositeSheets, FivePhotosGiveOneTwoByTwoSheet) {
  SheetFolder folder;
  folder.host.settings().compose.BlankColorRed = 128;
  folder.host.settings().compose.BlankColorGreen = 128;
  folder.host.settings().compose.BlankColorBlue = 128;
  folder.AddSolid(1);
  folder.Add("broken.jpg");  // cannot be read: its cell stays background, still counted
  test::WriteBytes(folder.dir / "broken.jpg", "not a picture");
  folder.AddSolid(3);
  const CompositeParams params = folder.Params();
  ASSERT_EQ(params.rows, 2);
  ASSERT_EQ(params.imagesUsed, 4);
  const std::u16string title = folder.host.title();

  ASSERT_EQ(folder.Run(params), Outcome::kSheetsMade);
  const QImage sheet = folder.Sheet(1);
  ASSERT_EQ(sheet.size(), QSize(4708, 3300));
  EXPECT_FALSE(fs::exists(folder.dir / "img" / "Image2.jpg"));  // the fifth photo is left out
  int cw = 0, ch = 0;
  CellSize(params, cw, ch);
  EXPECT_EQ(cw, 2349);
  EXPECT_EQ(ch, 1645);
  const QRgb grey = qRgb(128, 128, 128);
  EXPECT_TRUE(Near(sheet.pixel(Centre(CellRect(params, cw, ch, 0, 0))), kPalette[0].rgb()));
  EXPECT_TRUE(Near(sheet.pixel(Centre(CellRect(params, cw, ch, 1, 0))), grey));
  EXPECT_TRUE(Near(sheet.pixel(Centre(CellRect(params, cw, ch, 0, 1))), kPalette[2].rgb()));
  EXPECT_TRUE(Near(sheet.pixel(Centre(CellRect(params, cw, ch, 1, 1))), kPalette[3].rgb()));
  EXPECT_TRUE(Near(sheet.pixel(cw + 5, ch / 2), grey));  // the gap
  EXPECT_EQ(folder.host.progressPos(), 4);
  EXPECT_EQ(folder.host.pumps(), 4);
  EXPECT_EQ(folder.host.titles().at(3), u"Folioscope (4/4)");
  EXPECT_EQ(folder.host.title(), title);
}

TEST(CompositeSheets, CropOnARealSheetFollowsTheGeometry) {
  // 4000x3000: red bands of 102 rows at top and bottom (the part the crop
  // cuts away), then green bands of 48 rows, blue inside.
  QImage banded(4000, 3000, QImage::Format_RGB32);
  banded.fill(Qt::blue);
  {
    QPainter painter(&banded);
    painter.fillRect(0, 0, 4000, 102, Qt::red);
    painter.fillRect(0, 2898, 4000, 102, Qt::red);
    painter.fillRect(0, 102, 4000, 48, Qt::green);
    painter.fillRect(0, 2850, 4000, 48, Qt::green);
  }
  struct Case {
    int stretch, margin;
    int cellWidth, cellHeight;
    int secondColumnX;
  };
  const QRgb white = qRgb(255, 255, 255);
  for (const Case c :
       {Case{0, 0, 1169, 817, 1179}, Case{1, 0, 1169, 817, 1179}, Case{0, 1, 1164, 812, 1184}}) {
    SheetFolder folder;
    WritePicture(folder.dir / "band.jpg", banded);
    for (int i = 0; i < 16; ++i) {
      const std::string name = "b" + std::to_string(i) + ".jpg";
      fs::copy_file(folder.dir / "band.jpg", folder.dir / name);
      folder.Add(name);
    }
    folder.host.settings().compose.ChangeRaito = c.stretch;
    folder.host.settings().compose.ArroundBlank = c.margin;
    const CompositeParams params = folder.Params();
    ASSERT_EQ(folder.Run(params), Outcome::kSheetsMade);
    const QImage sheet = folder.Sheet(1);
    ASSERT_EQ(sheet.size(), QSize(4708, 3300));
    const SheetRect cell = CellRect(params, c.cellWidth, c.cellHeight, 1, 2);
    ASSERT_EQ(cell.x, c.secondColumnX);
    const int x = cell.x + cell.width / 2;
    const QRgb top = sheet.pixel(x, cell.y + 4);
    const QRgb bottom = sheet.pixel(x, cell.y + cell.height - 5);
    if (c.stretch) {
      EXPECT_TRUE(Near(top, qRgb(255, 0, 0))) << "stretched photos keep their bands";
      EXPECT_TRUE(Near(bottom, qRgb(255, 0, 0)));
    } else {
      // Cut at y 102 for 2796 rows (104 and 2791 in the smaller cell): the
      // cell begins and ends in green.
      EXPECT_TRUE(Near(top, qRgb(0, 255, 0), 60)) << c.margin << std::hex << " " << top;
      EXPECT_TRUE(Near(bottom, qRgb(0, 255, 0), 60)) << c.margin << std::hex << " " << bottom;
    }
    EXPECT_TRUE(Near(sheet.pixel(x, cell.y + cell.height / 2), qRgb(0, 0, 255)));
    EXPECT_TRUE(Near(sheet.pixel(cell.x - 5, cell.y + 100), white));  // the gap
    // The 2 pixels left over at the right and bottom, outside any cell.
    EXPECT_TRUE(Near(sheet.pixel(4707, 3299), white));
    EXPECT_TRUE(Near(sheet.pixel(4706, 1000), white));
    EXPECT_TRUE(Near(sheet.pixel(1000, 3298), white));
    // Along the left and right edges: photo without margins, background with them.
    EXPECT_EQ(Near(sheet.pixel(4, 400), white), c.margin == 1) << c.margin;
    EXPECT_EQ(Near(sheet.pixel(4701, 400), white), c.margin == 1) << c.margin;
  }
}

// Dark pixels of the title text in the rectangle, and their bounding box.
struct Ink {
  int count = 0;
  QRect box;
  std::vector<bool> mask;
};
Ink InkIn(const QImage& sheet, const QRect& rect) {
  Ink ink;
  int left = rect.right(), right = rect.left(), top = rect.bottom(), bottom = rect.top();
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    for (int x = rect.left(); x <= rect.right(); ++x) {
      const bool dark = qGray(sheet.pixel(x, y)) < 100;
      ink.mask.push_back(dark);
      if (!dark) continue;
      ++ink.count;
      left = std::min(left, x), right = std::max(right, x);
      top = std::min(top, y), bottom = std::max(bottom, y);
    }
  }
  if (ink.count) ink.box = QRect(QPoint(left, top), QPoint(right, bottom));
  return ink;
}

TEST(CompositeSheets, TitleAndBigImagePlacement) {
  SheetFolder folder;
  ComposeSettings& compose = folder.host.settings().compose;
  compose.EnableTitle = 1;
  compose.TitleDouble = 1;
  compose.Position = u"右上";
  compose.Title = u"夏の旅\\0\r\n冬の山";
  compose.TitleFontSize = 72;
  compose.EnbMulti = 1;
  compose.Multiple = 2;
  folder.AddSolid(22);  // two sheets of 11
  const CompositeParams params = folder.Params();
  ASSERT_EQ(params.perSheet, 11);
  ASSERT_EQ(params.imagesUsed, 22);
  ASSERT_EQ(folder.Run(params), Outcome::kSheetsMade);

  const int cw = 1169, ch = 817, gap = 10;
  const QRect titleRect(2 * (cw + gap), 0, 2 * cw + gap, ch);
  Ink inks[2];
  for (int s = 0; s < 2; ++s) {
    const QImage sheet = folder.Sheet(s + 1);
    ASSERT_FALSE(sheet.isNull());
    const QRgb big = kPalette[(11 * s) % kPaletteSize].rgb();
    // The big photo covers cells (0,0) to (1,1) and the gaps between them.
    EXPECT_TRUE(Near(sheet.pixel(cw / 2, ch / 2), big)) << s;
    EXPECT_TRUE(Near(sheet.pixel(cw + gap / 2, ch / 2), big)) << s;
    EXPECT_TRUE(Near(sheet.pixel(cw + gap / 2, ch + gap / 2), big)) << s;
    EXPECT_TRUE(Near(sheet.pixel(cw + gap + cw / 2, ch + gap + ch / 2), big)) << s;
    // Then row by row past the square: (2,1), (3,1), (0,2) ... (3,3).
    const QPoint cells[] = {{2, 1}, {3, 1}, {0, 2}, {3, 3}};
    const int photo[] = {1, 2, 3, 10};
    for (int k = 0; k < 4; ++k) {
      const QPoint at(cells[k].x() * (cw + gap) + cw / 2, cells[k].y() * (ch + gap) + ch / 2);
      EXPECT_TRUE(Near(sheet.pixel(at), kPalette[(11 * s + photo[k]) % kPaletteSize].rgb()))
          << s << " cell " << k;
    }
    // The title spans the last two cells of row 0, centred both ways.
    inks[s] = InkIn(sheet, titleRect);
    ASSERT_GT(inks[s].count, 500) << s;
    EXPECT_NEAR(inks[s].box.center().x(), titleRect.center().x(), 12) << s;
    EXPECT_NEAR(inks[s].box.center().y(), titleRect.center().y(), 20) << s;
    EXPECT_GT(inks[s].box.width(), 200) << s;  // three 72-point characters
  }
  // Each sheet has its own title, drawn as real glyphs: missing glyphs would
  // all be the same empty box.
  int differing = 0;
  for (std::size_t i = 0; i < inks[0].mask.size(); ++i)
    differing += inks[0].mask[i] != inks[1].mask[i];
  EXPECT_GT(differing, inks[0].count / 3);
  if (QFontDatabase::hasFamily(QStringLiteral("IPAGothic"))) {
    EXPECT_EQ(TitleFontFamily(), QStringLiteral("IPAGothic"));
  }
}

CompositeParams SmallSheet(SheetFolder& folder) {
  ComposeSettings& compose = folder.host.settings().compose;
  compose.PaperSize = u"カスタム";
  compose.CreateJpgWidth = 400;
  compose.CreateJpgHeight = 300;
  compose.JpgNumberH = 2;
  compose.JpgNumberW = 2;
  return folder.Params();
}

TEST(CompositeSheets, CancelKeepsFinishedSheetsAndDropsTheOneInProgress) {
  struct Case {
    int cancelAtPump;
    Outcome result;
    bool first, second;
  };
  const Case cases[] = {
      {2, Outcome::kSheetsCancelled, false, false},  // sheet 1 in progress: nothing saved
      {4, Outcome::kSheetsCancelled, true, false},   // sheet 1 complete at the cancel: it is saved
      {6, Outcome::kSheetsCancelled, true, false},
      {8, Outcome::kSheetsMade, true, true},  // after the last cell the work is done
  };
  for (const Case& c : cases) {
    SheetFolder folder;
    folder.AddSolid(8, 40, 30);
    const CompositeParams params = SmallSheet(folder);
    ASSERT_EQ(params.imagesUsed, 8);
    folder.host.onPump = [&c](folio::test::TestHost& host) {
      if (host.pumps() == c.cancelAtPump) host.setBusy(false);
    };
    const std::u16string title = folder.host.title();
    EXPECT_EQ(folder.Run(params), c.result) << c.cancelAtPump;
    EXPECT_EQ(fs::exists(folder.dir / "img" / "Image1.jpg"), c.first) << c.cancelAtPump;
    EXPECT_EQ(fs::exists(folder.dir / "img" / "Image2.jpg"), c.second) << c.cancelAtPump;
    EXPECT_EQ(folder.host.pumps(), c.cancelAtPump);
    EXPECT_EQ(folder.host.progressPos(), c.cancelAtPump);
    EXPECT_EQ(folder.host.title(), title);
    EXPECT_TRUE(folder.host.statusLines().empty());  // the driver reports the cancel
  }
}

TEST(CompositeSheets, NothingToLayOutFailsAndWritesNothing) {
  struct Case {
    const char* what;
    int photos, title, titleDouble, multi, multiple, space;
  };
  const Case cases[] = {
      {"one photo with a title", 1, 1, 0, 0, 1, 10},
      {"one photo with a double title", 1, 1, 1, 0, 1, 10},
      {"big square larger than the grid", 6, 0, 0, 1, 3, 10},
      {"gaps leave no room for cells", 6, 0, 0, 0, 1, 500},
  };
  for (const Case& c : cases) {
    SheetFolder folder;
    folder.AddSolid(c.photos, 40, 30);
    ComposeSettings& compose = folder.host.settings().compose;
    compose.EnableTitle = c.title;
    compose.TitleDouble = c.titleDouble;
    compose.EnbMulti = c.multi;
    compose.Multiple = c.multiple;
    compose.SpaceSize = c.space;
    const CompositeParams params = SmallSheet(folder);
    EXPECT_EQ(params.imagesUsed, 0) << c.what;
    EXPECT_EQ(folder.Run(params), Outcome::kSheetsFailed) << c.what;
    EXPECT_TRUE(fs::is_empty(folder.dir / "img")) << c.what;
    EXPECT_EQ(folder.host.pumps(), 0) << c.what;
  }
}

TEST(CompositeSheets, NoEncoderFailsAndWritesNothing) {
  SheetFolder folder;
  folder.AddSolid(4, 40, 30);
  const CompositeParams params = SmallSheet(folder);
  SetJpegEncoderMissingForTesting(true);
  const Outcome result = folder.Run(params);
  SetJpegEncoderMissingForTesting(false);
  EXPECT_EQ(result, Outcome::kSheetsFailed);
  EXPECT_TRUE(fs::is_empty(folder.dir / "img"));
}

TEST(CompositeSheets, ASheetThatCannotBeWrittenIsAFailureAndTheOthersAreStillMade) {
  // A folder where Image2.jpg should go: that sheet cannot be written.
  SheetFolder folder;
  folder.AddSolid(12, 40, 30);
  fs::create_directory(folder.dir / "img" / "Image2.jpg");
  EXPECT_EQ(folder.Run(SmallSheet(folder)), Outcome::kSheetsFailed);
  EXPECT_EQ(folder.Sheet(1).size(), QSize(400, 300));
  EXPECT_TRUE(fs::is_directory(folder.dir / "img" / "Image2.jpg"));
  EXPECT_EQ(folder.Sheet(3).size(), QSize(400, 300));
  EXPECT_EQ(folder.host.pumps(), 12);

  // No img folder at all (a file of that name): nothing written, no success.
  SheetFolder blocked;
  blocked.AddSolid(4, 40, 30);
  fs::remove(blocked.dir / "img");
  test::WriteBytes(blocked.dir / "img", "in the way");
  const auto before = test::HashTree(blocked.dir.path());
  EXPECT_EQ(blocked.Run(SmallSheet(blocked)), Outcome::kSheetsFailed);
  EXPECT_EQ(test::HashTree(blocked.dir.path()), before);
}

TEST(CompositeSheets, ExistingSheetIsReplaced) {
  SheetFolder folder;
  folder.AddSolid(4, 40, 30);
  test::WriteBytes(folder.dir / "img" / "Image1.jpg", "old");
  folder.host.settings().compose.JpgQuality = 55;
  ASSERT_EQ(folder.Run(SmallSheet(folder)), Outcome::kSheetsMade);
  EXPECT_EQ(folder.Sheet(1).size(), QSize(400, 300));
  EXPECT_EQ(test::JpegQuality(folder.dir / "img" / "Image1.jpg"), 55);
}

}  // namespace
}  // namespace folio
