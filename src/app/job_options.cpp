// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/job_options.h"

#include "settings/coded_values.h"
#include "settings/paper_sizes.h"

namespace folio {

namespace {

SheetTitlePlace SheetTitlePlaceOf(const TitlePosition& position) {
  using Place = TitlePosition::Place;
  using Kind = SheetTitlePlace::Kind;
  switch (position.place) {
    case Place::kNone: return {Kind::kNone};
    case Place::kCentre: return {Kind::kCentre};
    case Place::kTopLeft: return {Kind::kTopLeft};
    case Place::kTopRight: return {Kind::kTopRight};
    case Place::kBottomLeft: return {Kind::kBottomLeft};
    case Place::kBottomRight: return {Kind::kBottomRight};
    case Place::kRandom: return {Kind::kRandom};
    case Place::kCell: return {Kind::kCell, position.column, position.row};
  }
  return {};
}

}  // namespace

CatalogueOptions CatalogueOptionsOf(const Settings& settings) {
  CatalogueOptions options;
  options.sortKeyword = settings.setting.Sort;
  options.reverse = settings.setting.Reverse != 0;
  options.keywordPages = settings.thumbnail.SortPage != 0;
  options.photosPerPage = settings.thumbnail.PhotoNo;
  options.threads = settings.setting.Threads;
  return options;
}

ThumbnailPageOptions ThumbnailPageOptionsOf(const Settings& settings) {
  const ThumbnailSettings& t = settings.thumbnail;
  ThumbnailPageOptions options;
  options.photosPerPage = t.PhotoNo;
  options.photoColumns = t.LineNo;
  options.linkColumns = t.LinkNo;
  options.thumbnailSize = t.PhotoSize;
  options.keywordPages = t.SortPage != 0;
  options.thumbnails = t.NotResize == 0;
  options.photoLinks = t.EnbLink == 0;
  options.title = t.TitleString;
  options.topText = t.TopString;
  options.caption = t.Exif;
  options.upright = UprightWhen(t.AutoRotate);
  options.classic = settings.setting.ClassicPages != 0;
  return options;
}

SlideshowJobOptions SlideshowJobOptionsOf(const Settings& settings) {
  SlideshowJobOptions options;
  options.page.intervalMs = settings.slideShow.Speed;
  options.page.topText = settings.slideShow.TopString;
  options.page.classic = settings.setting.ClassicPages != 0;
  options.slideSize = settings.slideShow.Size;
  options.upright = UprightWhen(settings.thumbnail.AutoRotate);
  return options;
}

SheetOptions SheetOptionsOf(const Settings& settings) {
  const ComposeSettings& c = settings.compose;
  SheetOptions options;
  options.rows = c.JpgNumberH;
  options.columns = c.JpgNumberW;
  options.gap = c.SpaceSize;
  options.outerMargin = c.ArroundBlank != 0;
  options.backgroundRed = c.BlankColorRed;
  options.backgroundGreen = c.BlankColorGreen;
  options.backgroundBlue = c.BlankColorBlue;
  const SheetSize sheet = SheetSizeOf(c);
  options.canvasWidth = sheet.width;
  options.canvasHeight = sheet.height;
  options.jpegQuality = c.JpgQuality;
  options.stretchToCell = c.ChangeRaito != 0;
  options.titleOn = c.EnableTitle != 0;
  options.titleRed = c.TitleColorR;
  options.titleGreen = c.TitleColorG;
  options.titleBlue = c.TitleColorB;
  options.titleText = c.Title;
  options.titlePlace = SheetTitlePlaceOf(TitlePositionFromText(c.Position));
  options.titleFontSize = c.TitleFontSize;
  options.titleDouble = c.TitleDouble != 0;
  options.bigOn = c.EnbMulti != 0;
  options.bigSpan = c.Multiple;
  options.bigColumn = c.MultipleX;
  options.bigRow = c.MultipleY;
  options.upright = UprightWhen(settings.thumbnail.AutoRotate);
  return options;
}

ResizeOptions ResizeOptionsOf(const Settings& settings, std::u16string_view folder) {
  const ResizeSettings& resize = settings.resize;
  ResizeOptions options;
  options.saveFolder = ResizeSaveFolder(resize.SaveDir, folder);
  options.quality = resize.Quality;
  options.longSide = resize.Size;
  options.keepExif = resize.Exif != 0 ? 1 : 0;
  options.overwrite = resize.OverWrite != 0 ? 1 : 0;
  options.sizeRule = resize.ResizeMode;
  options.ratioWidth = resize.RaitoX;
  options.ratioHeight = resize.RaitoY;
  options.targetWidth = resize.ResizeX;
  options.targetHeight = resize.ResizeY;
  options.rotate = resize.Rotate != 0 ? 1 : 0;
  return options;
}

}  // namespace folio
