// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/image_ops.h"

#include "imaging/exif_items.h"
#include "imaging/jpeg_codec.h"
#include "imaging/orientation.h"
#include "imaging/picture_memory.h"
#include "platform/regular_file.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <memory>
#include <system_error>

namespace folio {
namespace {

// A file larger than this is no photo we can hold in memory; it loads as a
// failed photo (and is still copied where a copy is asked for).
constexpr uintmax_t kMaxFileBytes = uintmax_t{1} << 30;

bool ReadWholeFile(const std::filesystem::path& path, std::vector<uint8_t>& bytes) {
  return RegularFile(path).ReadAll(bytes, kMaxFileBytes);
}

// The segments of a JPEG file up to and including its first scan header,
// and a little of the scan (so that a header reader meets no early end).
// False when the file is not laid out plainly enough to cut it there (the
// caller then reads the whole file) or cannot be read.
bool ReadJpegHead(const std::filesystem::path& path, std::vector<uint8_t>& head) {
  constexpr size_t kFirstRead = 64 * 1024;
  constexpr size_t kScanBytes = 4096;
  const RegularFile file(path);
  if (!file.ok() || file.size() > kMaxFileBytes) return false;
  const size_t size = static_cast<size_t>(file.size());
  // Bytes [0, want) into head; false when the file has fewer.
  auto have = [&](size_t want) {
    if (want > size) return false;
    if (head.size() >= want) return true;
    const size_t from = head.size();
    const size_t to = std::min<size_t>(size, std::max(want, 2 * from));
    head.resize(to);
    const std::ptrdiff_t got = file.ReadAt(from, head.data() + from, to - from);
    head.resize(from + static_cast<size_t>(std::max<std::ptrdiff_t>(got, 0)));
    return head.size() >= want;
  };
  bool found = false;
  head.reserve(kFirstRead);
  if (have(std::min<size_t>(kFirstRead, size)) && have(4) && head[0] == 0xFF && head[1] == 0xD8) {
    size_t at = 2;
    while (have(at + 4) && head[at] == 0xFF) {
      const uint8_t marker = head[at + 1];
      // Standalone markers, fill bytes and an early end are left to the
      // whole-file reader.
      if (marker == 0xFF || marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD9))
        break;
      const size_t length = static_cast<size_t>(head[at + 2]) << 8 | head[at + 3];
      if (length < 2) break;
      if (marker == 0xDA) {
        const size_t end = std::min<size_t>(size, at + 2 + length + kScanBytes);
        found = have(end);
        if (found) head.resize(end);
        break;
      }
      at += 2 + length;
    }
  }
  return found;
}

// A view of part of an image without copying its pixels.
QImage SubImage(const QImage& image, const QRect& rect) {
  const uchar* start = image.constScanLine(rect.y()) + static_cast<size_t>(rect.x()) * 4;
  return QImage(start, rect.width(), rect.height(), image.bytesPerLine(), image.format());
}

// Reduction with area averaging (Qt's smooth scaler averages all source
// pixels under a target pixel when shrinking, and is bilinear when growing).
QImage ScaledTo(const QImage& image, int width, int height) {
  if (image.width() == width && image.height() == height) return image;
  return image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Stored picture coordinates to those of the picture shown upright by an
// Exif Orientation (pixel edges, so a mirror maps x to width - x).
QTransform UprightMap(int storedWidth, int storedHeight, int orientation) {
  const double w = storedWidth, h = storedHeight;
  switch (orientation) {
    case 2: return QTransform(-1, 0, 0, 1, w, 0);
    case 3: return QTransform(-1, 0, 0, -1, w, h);
    case 4: return QTransform(1, 0, 0, -1, 0, h);
    case 5: return QTransform(0, 1, 1, 0, 0, 0);
    case 6: return QTransform(0, 1, -1, 0, h, 0);
    case 7: return QTransform(0, -1, -1, 0, h, w);
    case 8: return QTransform(0, -1, 1, 0, 0, w);
    default: return QTransform();
  }
}

QString NormalisedLineBreaks(std::u16string_view text) {
  QString s = QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return s;
}

}  // namespace

// ---------------------------------------------------------------- Photo

struct Photo::Impl {
  std::vector<uint8_t> bytes;
  jpeg::Header header;
  mutable bool propertiesRead = false;
  mutable std::vector<PropertyItem> properties;
  mutable bool profileRead = false;
  mutable ColourProfile profile;
};

Photo::Photo() = default;
Photo::~Photo() = default;
Photo::Photo(Photo&&) noexcept = default;
Photo& Photo::operator=(Photo&&) noexcept = default;

Photo Photo::Load(const std::filesystem::path& path) {
  Photo photo;
  auto impl = std::make_unique<Impl>();
  if (ReadWholeFile(path, impl->bytes) &&
      jpeg::ReadHeader(impl->bytes.data(), impl->bytes.size(), impl->header)) {
    photo.impl_ = std::move(impl);
  }
  return photo;
}

bool Photo::ok() const { return impl_ != nullptr; }
int Photo::width() const { return impl_ ? impl_->header.width : 0; }
int Photo::height() const { return impl_ ? impl_->header.height : 0; }

const std::vector<PropertyItem>& Photo::Properties() const {
  static const std::vector<PropertyItem> kNone;
  if (!impl_) return kNone;
  if (!impl_->propertiesRead) {
    impl_->properties = exif::ReadItems(impl_->bytes.data(), impl_->bytes.size());
    impl_->propertiesRead = true;
  }
  return impl_->properties;
}

const PropertyItem* Photo::FindProperty(uint32_t id) const {
  for (const PropertyItem& item : Properties())
    if (item.id == id) return &item;
  return nullptr;
}

QImage Photo::Decode(int minWidth, int minHeight) const {
  if (!impl_) return QImage();
  return jpeg::Decode(impl_->bytes.data(), impl_->bytes.size(), impl_->header, minWidth, minHeight);
}

int Photo::Orientation() const {
  return impl_ ? ReadJpegOrientation(impl_->bytes.data(), impl_->bytes.size()) : 1;
}

const ColourProfile& Photo::EmbeddedProfile() const {
  static const ColourProfile kNone;
  if (!impl_) return kNone;
  if (!impl_->profileRead) {
    if (jpeg::HasRgbComponents(impl_->header))
      impl_->profile =
          ColourProfile::FromIcc(ReadIccProfile(impl_->bytes.data(), impl_->bytes.size()));
    impl_->profileRead = true;
  }
  return impl_->profile;
}

void ConvertToSrgb(QImage& picture, const ColourProfile& profile) {
  if (!profile.convertsToSrgb() || picture.isNull()) return;
  switch (picture.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32: break;
    default:
      // Premultiplied or narrower pixels: the conversion wants plain ones.
      picture = picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                  : QImage::Format_RGB32);
      if (picture.isNull()) return;
  }
  // bits() detaches a picture shared with another QImage before it is changed.
  profile.ConvertToSrgb(picture.bits(), picture.width(), picture.height(), picture.bytesPerLine());
}

QImage TurnedUpright(const QImage& picture, int orientation) {
  // Quarter turns and mirrors map pixels onto pixels (Qt's exact paths).
  const QTransform quarter = QTransform().rotate(90);
  switch (orientation) {
    case 2: return picture.mirrored(true, false);
    case 3: return picture.mirrored(true, true);
    case 4: return picture.mirrored(false, true);
    case 5: return picture.transformed(quarter).mirrored(true, false);
    case 6: return picture.transformed(quarter);
    case 7: return picture.transformed(quarter).mirrored(false, true);
    case 8: return picture.transformed(QTransform().rotate(270));
    default: return picture;
  }
}

std::vector<PropertyItem> exif::ReadPhotoItems(const std::filesystem::path& path) {
  // The metadata all lies before the first scan: only that much of the file
  // is read (a catalogue of big photos would otherwise read every byte).
  std::vector<uint8_t> head;
  if (!ReadJpegHead(path, head)) return Photo::Load(path).Properties();
  jpeg::Header header;
  if (!jpeg::ReadHeader(head.data(), head.size(), header)) return {};
  return exif::ReadItems(head.data(), head.size());
}

// ---------------------------------------------------------------- Canvas

Canvas::Canvas(int width, int height) {
  if (width <= 0 || height <= 0) return;
  image_ = NewPicture(width, height, QImage::Format_ARGB32_Premultiplied, PictureStart::kCleared);
  if (image_.isNull()) return;
  width_ = width;
  height_ = height;
  // 96 dpi, so that a font size in points gives points * 96 / 72 pixels.
  image_.setDotsPerMeterX(3780);
  image_.setDotsPerMeterY(3780);
}

Canvas Canvas::Recording(int width, int height) {
  Canvas canvas;
  if (width <= 0 || height <= 0) return canvas;
  canvas.width_ = width;
  canvas.height_ = height;
  canvas.recording_ = true;
  return canvas;
}

void Canvas::Paint(std::function<void(QPainter&)> paint) {
  if (recording_) {
    recorded_.push_back(std::move(paint));
    return;
  }
  QPainter painter(&image_);
  paint(painter);
}

void Canvas::Replay(const Canvas& recording) {
  for (const auto& paint : recording.recorded_) Paint(paint);
}

void Canvas::Fill(uint32_t argb) {
  if (image_.isNull()) return;
  const QColor color = QColor::fromRgba(argb);
  if (qAlpha(argb) == 255) {
    image_.fill(color);
    return;
  }
  // A see-through brush blends over what is there, as painting does.
  QPainter painter(&image_);
  painter.fillRect(image_.rect(), color);
}

void Canvas::DrawScaled(const Photo& photo, const QRect& destination, const QRect& source,
                        int orientation) {
  if (width_ <= 0 || !photo.ok() || destination.width() <= 0 || destination.height() <= 0 ||
      source.width() <= 0 || source.height() <= 0)
    return;
  if (orientation < 1 || orientation > 8) orientation = 1;
  const bool swap = SwapsSides(orientation);
  const int storedW = photo.width(), storedH = photo.height();
  // The photo as it is drawn; the source rectangle is given in these terms.
  const int W = swap ? storedH : storedW, H = swap ? storedW : storedH;
  // Only the part of the source inside the photo is drawn, where it would
  // land in the destination.
  const QRect inside = source.intersected(QRect(0, 0, W, H));
  if (inside.isEmpty()) return;
  const double sx = static_cast<double>(destination.width()) / source.width();
  const double sy = static_cast<double>(destination.height()) / source.height();
  const int dx0 =
      destination.x() + static_cast<int>(std::lround((inside.left() - source.left()) * sx));
  const int dy0 =
      destination.y() + static_cast<int>(std::lround((inside.top() - source.top()) * sy));
  const int dx1 =
      destination.x() +
      static_cast<int>(std::lround((inside.left() + inside.width() - source.left()) * sx));
  const int dy1 =
      destination.y() +
      static_cast<int>(std::lround((inside.top() + inside.height() - source.top()) * sy));
  const int dw = dx1 - dx0, dh = dy1 - dy0;
  if (dw <= 0 || dh <= 0) return;

  // Only what lands on the canvas is scaled: a destination many times the
  // canvas (cells of a sheet with a gap below 0) would otherwise need a
  // picture of its own size first.
  const QRect visible = QRect(dx0, dy0, dw, dh).intersected(QRect(0, 0, width_, height_));
  if (visible.isEmpty()) return;
  const double perX = static_cast<double>(inside.width()) / dw;  // source pixels a target pixel
  const double perY = static_cast<double>(inside.height()) / dh;
  const double left = inside.left() + (visible.left() - dx0) * perX;
  const double top = inside.top() + (visible.top() - dy0) * perY;
  const double right = left + visible.width() * perX;
  const double bottom = top + visible.height() * perY;
  const int vw = visible.width(), vh = visible.height();

  // Decode at the DCT scale that still gives at least one pixel per target
  // pixel, then cut the source rectangle out at that scale. The turn comes
  // last, on the reduced picture only.
  const int needW = static_cast<int>(std::ceil(std::min<double>(W * vw / (right - left), W)));
  const int needH = static_cast<int>(std::ceil(std::min<double>(H * vh / (bottom - top), H)));
  QImage decoded = swap ? photo.Decode(std::min(needH, storedW), std::min(needW, storedH))
                        : photo.Decode(std::min(needW, storedW), std::min(needH, storedH));
  if (decoded.isNull()) return;
  // Where the source rectangle lies in the picture as stored.
  const QRectF stored = UprightMap(storedW, storedH, orientation)
                            .inverted()
                            .mapRect(QRectF(left, top, right - left, bottom - top));
  const double fx = static_cast<double>(decoded.width()) / storedW;
  const double fy = static_cast<double>(decoded.height()) / storedH;
  int x0 = static_cast<int>(std::lround(stored.left() * fx));
  int y0 = static_cast<int>(std::lround(stored.top() * fy));
  int x1 = static_cast<int>(std::lround(stored.right() * fx));
  int y1 = static_cast<int>(std::lround(stored.bottom() * fy));
  x1 = std::clamp(std::max(x1, x0 + 1), 1, decoded.width());
  y1 = std::clamp(std::max(y1, y0 + 1), 1, decoded.height());
  x0 = std::clamp(x0, 0, x1 - 1);
  y0 = std::clamp(y0, 0, y1 - 1);
  QImage scaled =
      ScaledTo(SubImage(decoded, QRect(x0, y0, x1 - x0, y1 - y0)), swap ? vh : vw, swap ? vw : vh);
  if (scaled.isNull()) return;
  ConvertToSrgb(scaled, photo.EmbeddedProfile());
  Paint([at = visible.topLeft(), turned = TurnedUpright(scaled, orientation)](QPainter& painter) {
    painter.drawImage(at, turned);
  });
}

void Canvas::DrawTurned(const Photo& photo, QPoint upperLeft, QPoint upperRight, QPoint lowerLeft) {
  if (width_ <= 0 || !photo.ok()) return;
  const QPoint u = upperRight - upperLeft;  // where the photo's top edge runs
  const QPoint v = lowerLeft - upperLeft;   // where its left edge runs
  const bool rightAngled =
      (u.x() == 0 || u.y() == 0) && (v.x() == 0 || v.y() == 0) && (u.x() == 0) != (v.x() == 0);
  if (rightAngled) {
    const int across = std::abs(u.x()) + std::abs(u.y());
    const int down = std::abs(v.x()) + std::abs(v.y());
    if (across == 0 || down == 0) return;
    QImage decoded = photo.Decode(std::min(across, photo.width()), std::min(down, photo.height()));
    if (decoded.isNull()) return;
    QImage scaled = ScaledTo(decoded, across, down);
    ConvertToSrgb(scaled, photo.EmbeddedProfile());
    // A turn by a multiple of 90 degrees (or a mirror) maps pixels onto
    // pixels: turn the image exactly, then place it by its corner.
    const QTransform turn(static_cast<double>(u.x()) / across, static_cast<double>(u.y()) / across,
                          static_cast<double>(v.x()) / down, static_cast<double>(v.y()) / down, 0,
                          0);
    const QImage turned = scaled.transformed(turn);
    const QPoint far = upperLeft + u + v;
    const QPoint corner(std::min({upperLeft.x(), upperRight.x(), lowerLeft.x(), far.x()}),
                        std::min({upperLeft.y(), upperRight.y(), lowerLeft.y(), far.y()}));
    Paint([corner, turned](QPainter& painter) { painter.drawImage(corner, turned); });
    return;
  }
  // Any other parallelogram: a smooth affine drawing.
  const double across = std::hypot(u.x(), u.y());
  const double down = std::hypot(v.x(), v.y());
  if (across < 1 || down < 1) return;
  QImage decoded = photo.Decode(std::min(static_cast<int>(std::ceil(across)), photo.width()),
                                std::min(static_cast<int>(std::ceil(down)), photo.height()));
  if (decoded.isNull()) return;
  ConvertToSrgb(decoded, photo.EmbeddedProfile());
  const QTransform map(u.x() / static_cast<double>(decoded.width()),
                       u.y() / static_cast<double>(decoded.width()),
                       v.x() / static_cast<double>(decoded.height()),
                       v.y() / static_cast<double>(decoded.height()), upperLeft.x(), upperLeft.y());
  Paint([map, decoded](QPainter& painter) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setTransform(map);
    painter.drawImage(QPoint(0, 0), decoded);
  });
}

void Canvas::DrawText(std::u16string_view text, double pointSize, uint32_t argb,
                      const QRectF& rect) {
  if (image_.isNull() || text.empty() || pointSize <= 0) return;
  EnsureGuiApplication();
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
  QFont font(TitleFontFamily());
  font.setPointSizeF(pointSize);
  font.setWeight(QFont::Normal);
  font.setStyle(QFont::StyleNormal);
  QPainter painter(&image_);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setFont(font);
  painter.setPen(QColor::fromRgba(argb));
  // Centred both ways, wrapped at words inside the rectangle and clipped to it.
  painter.drawText(rect, Qt::AlignCenter | Qt::TextWordWrap, NormalisedLineBreaks(text));
}

void Canvas::SetProperty(const PropertyItem& item) {
  // An item replaces the one of its tag (in its directory, where known).
  for (PropertyItem& existing : properties_) {
    if (existing.id == item.id &&
        (existing.ifd == item.ifd || existing.ifd == kIfdUnknown || item.ifd == kIfdUnknown)) {
      existing = item;
      return;
    }
  }
  properties_.push_back(item);
}

WriteResult Canvas::WriteJpeg(const std::filesystem::path& path, int quality,
                              Replace replace) const {
  std::vector<uint8_t> encoded;
  if (!EncodeJpeg(quality, encoded)) return WriteResult::kFailed;
  return WriteFileAtomically(path, {encoded}, replace);
}

bool Canvas::EncodeJpeg(int quality, std::vector<uint8_t>& out) const {
  out.clear();
  if (image_.isNull()) return false;
  if (!jpeg::Encode(image_, quality, out)) return false;
  InsertProperties(out);
  return true;
}

WriteResult Canvas::WriteEncodedJpeg(const std::filesystem::path& path,
                                     std::vector<uint8_t> encoded, Replace replace) const {
  if (encoded.empty()) return WriteResult::kFailed;
  InsertProperties(encoded);
  return WriteFileAtomically(path, {encoded}, replace);
}

void Canvas::InsertProperties(std::vector<uint8_t>& encoded) const {
  const std::vector<uint8_t> app1 = exif::BuildApp1Segment(properties_);
  if (!app1.empty())
    encoded.insert(
        encoded.begin() + static_cast<std::ptrdiff_t>(jpeg::MetadataInsertPosition(encoded)),
        app1.begin(), app1.end());
}

bool Canvas::SaveJpeg(const std::filesystem::path& path, int quality) const {
  return WriteJpeg(path, quality, Replace::kYes) == WriteResult::kWritten;
}

// ---------------------------------------------------------------- fonts

void EnsureGuiApplication() {
  if (QCoreApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "folioscope";
  static char* argv[] = {name, nullptr};
  // Lives as long as the process: Qt objects made later rely on it.
  static QGuiApplication* application = new QGuiApplication(argc, argv);
  (void)application;
}

QString TitleFontFamily() {
  EnsureGuiApplication();
  static const QString family = [] {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
      return QStringLiteral("Sans Serif");
    if (QFontDatabase::hasFamily(QStringLiteral("IPAGothic"))) return QStringLiteral("IPAGothic");
    QFont sans(QStringLiteral("Sans Serif"));
    sans.setStyleHint(QFont::SansSerif);
    const QString resolved = QFontInfo(sans).family();
    return resolved.isEmpty() ? QStringLiteral("Sans Serif") : resolved;
  }();
  return family;
}

}  // namespace folio
