// SPDX-License-Identifier: GPL-3.0-or-later
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

class QPainter;

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "imaging/colour_profile.h"
#include "imaging/property_item.h"
#include "platform/files.h"

namespace folio {

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

  // The Exif Orientation (1 to 8; 1 without one), read from the Exif bytes.
  int Orientation() const;

  // The embedded ICC profile, ready to bring decoded pixels into sRGB; one
  // that does not fit the picture (a grey or CMYK JPEG) converts nothing.
  // Read on first use.
  const ColourProfile& EmbeddedProfile() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

class Canvas {
 public:
  // A transparent 32-bit ARGB bitmap.
  Canvas(int width, int height);
  // A canvas of that size that keeps no pixels: it records the photos drawn
  // onto it, already decoded and scaled, and Replay draws them onto a real
  // canvas of the same size, pixel for pixel as drawing them there would.
  // Lets the decoding and scaling run on another thread than the drawing.
  static Canvas Recording(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }
  const QImage& image() const { return image_; }

  // Draws, in order, what a recording canvas recorded.
  void Replay(const Canvas& recording);

  void Fill(uint32_t argb);
  // The source rectangle of the photo stretched into the destination. The
  // source is in the coordinates of the photo turned by `orientation` (an
  // Exif Orientation; 1 draws it as stored).
  void DrawScaled(const Photo& photo, const QRect& destination, const QRect& source,
                  int orientation = 1);
  // The whole photo drawn so that its upper-left, upper-right and lower-left
  // corners land on the three points (a turn by a multiple of 90 degrees).
  void DrawTurned(const Photo& photo, QPoint upperLeft, QPoint upperRight, QPoint lowerLeft);
  // Text centred both ways in the rectangle, in the title font ("ＭＳ ゴシック",
  // here IPAGothic, else the generic sans-serif), regular, size in points.
  void DrawText(std::u16string_view text, double pointSize, uint32_t argb, const QRectF& rect);

  // Items set here are written with the saved file.
  void SetProperty(const PropertyItem& item);
  const std::vector<PropertyItem>& Properties() const { return properties_; }

  // Writes the canvas as a baseline JPEG with the given quality (0..100)
  // through a temporary file; with Replace::kNo an entry of that name stays.
  WriteResult WriteJpeg(const std::filesystem::path& path, int quality, Replace replace) const;
  // The same, replacing a file of that name. False when it was not written.
  bool SaveJpeg(const std::filesystem::path& path, int quality) const;
  // The bytes WriteJpeg would write. False when the encoder failed.
  bool EncodeJpeg(int quality, std::vector<uint8_t>& out) const;
  // WriteJpeg for a stream already encoded from this canvas's pixels.
  WriteResult WriteEncodedJpeg(const std::filesystem::path& path, std::vector<uint8_t> encoded,
                               Replace replace) const;

 private:
  Canvas() = default;
  // Paints now, or records the painting on a recording canvas.
  void Paint(std::function<void(QPainter&)> paint);
  // The items set here, put into an encoded stream.
  void InsertProperties(std::vector<uint8_t>& encoded) const;

  QImage image_;
  int width_ = 0, height_ = 0;
  bool recording_ = false;
  std::vector<std::function<void(QPainter&)>> recorded_;
  std::vector<PropertyItem> properties_;
};

// A decoded picture turned and mirrored as an Exif Orientation says, so
// that it shows upright; values other than 2 to 8 leave it as it is.
QImage TurnedUpright(const QImage& picture, int orientation);

// The picture's pixels brought from the profile into sRGB, in place; done
// on the reduced picture, where it costs little. Leaves pictures of a
// profile that converts nothing as they are, byte for byte.
void ConvertToSrgb(QImage& picture, const ColourProfile& profile);

// The family name the title text is drawn in.
QString TitleFontFamily();

// Text drawing needs a QGuiApplication (the font database). Creates one for
// the process when none exists (on the offscreen platform when no platform is
// chosen); the desktop program has its own QApplication. DrawText and
// TitleFontFamily call it themselves.
void EnsureGuiApplication();

}  // namespace folio
