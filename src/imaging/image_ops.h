#pragma once
// The imaging operations the jobs need: load a JPEG (size without a full
// decode), read its Exif property items, draw it scaled or turned onto a
// canvas, draw text, and save a canvas as JPEG with a quality and with
// property items. A failed load gives a photo of size 0 with no items;
// drawing it does nothing.
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRectF>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace folio {

// Exif value types as the property items carry them.
enum PropertyType : uint16_t {
  kTypeByte = 1, kTypeAscii = 2, kTypeShort = 3, kTypeLong = 4, kTypeRational = 5,
  kTypeUndefined = 7, kTypeSLong = 9, kTypeSRational = 10,
};

// The Exif directory an item belongs to. Tag numbers of different
// directories overlap (GPS and interop both start at 1), so an item read
// from a photo remembers its directory and is written back into it; an item
// made by hand (kIfdUnknown) goes to the directory that defines its tag.
enum PropertyIfd : uint16_t { kIfdUnknown = 0, kIfd0 = 1, kIfdExif = 2, kIfdGps = 3, kIfdInterop = 4 };

// One Exif tag of a photo: the tag id, the value type and the value bytes.
// Numbers are little-endian whatever the file's byte order; the MakerNote
// (0x927C) value is the file's raw bytes. ASCII values end with their NUL.
struct PropertyItem {
  uint32_t id = 0;
  uint16_t type = 0;
  std::vector<uint8_t> value;
  uint16_t ifd = kIfdUnknown;
  uint32_t length() const { return static_cast<uint32_t>(value.size()); }
};

class Photo {
 public:
  Photo();
  ~Photo();
  Photo(Photo&&) noexcept;
  Photo& operator=(Photo&&) noexcept;

  // Reads the file once and its JPEG header; pixels are decoded on demand.
  static Photo Load(const std::filesystem::path& path);

  bool ok() const;
  int width() const;
  int height() const;

  // The Exif property items, IFD0 first, then the Exif, GPS and interop
  // directories, each in file order. Parsed on first use.
  const std::vector<PropertyItem>& Properties() const;
  const PropertyItem* FindProperty(uint32_t id) const;

  // The whole photo decoded, at the smallest DCT scale that is still at
  // least minWidth x minHeight (full size when either is 0).
  QImage Decode(int minWidth = 0, int minHeight = 0) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

class Canvas {
 public:
  // A transparent 32-bit ARGB bitmap.
  Canvas(int width, int height);

  int width() const { return image_.width(); }
  int height() const { return image_.height(); }
  const QImage& image() const { return image_; }

  void Fill(uint32_t argb);
  // The source rectangle of the photo stretched into the destination.
  void DrawScaled(const Photo& photo, const QRect& destination, const QRect& source);
  // The whole photo drawn so that its upper-left, upper-right and lower-left
  // corners land on the three points (a turn by a multiple of 90 degrees).
  void DrawTurned(const Photo& photo, QPoint upperLeft, QPoint upperRight, QPoint lowerLeft);
  // Text centred both ways in the rectangle, in the title font ("ＭＳ ゴシック",
  // here IPAGothic, else the generic sans-serif), regular, size in points.
  void DrawText(std::u16string_view text, double pointSize, uint32_t argb, const QRectF& rect);

  // Items set here are written with the saved file.
  void SetProperty(const PropertyItem& item);
  const std::vector<PropertyItem>& Properties() const { return properties_; }

  // Writes the canvas as a baseline JPEG with the given quality (0..100),
  // replacing a file of that name. Returns false when it could not be written.
  bool SaveJpeg(const std::filesystem::path& path, int quality) const;

 private:
  QImage image_;
  std::vector<PropertyItem> properties_;
};

// The family name the title text is drawn in.
QString TitleFontFamily();

// Text drawing needs a QGuiApplication (the font database). Creates one for
// the process when none exists (on the offscreen platform when no platform is
// chosen); the desktop program has its own QApplication. DrawText and
// TitleFontFamily call it themselves.
void EnsureGuiApplication();

}  // namespace folio
