// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/demo_photos.h"

#include <QColor>

#include <cstdio>
#include <system_error>

#include "imaging/image_ops.h"
#include "platform/text.h"

namespace folio {

namespace {

void AppendLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

PropertyItem Ascii(uint32_t id, const std::string& text) {
  PropertyItem item{id, kTypeAscii, {}};
  item.value.assign(text.begin(), text.end());
  item.value.push_back(0);
  return item;
}

PropertyItem Short(uint32_t id, uint16_t value) {
  PropertyItem item{id, kTypeShort, {}};
  AppendLe(item.value, value, 2);
  return item;
}

PropertyItem Ratio(uint32_t id, uint32_t numerator, uint32_t denominator) {
  PropertyItem item{id, kTypeRational, {}};
  AppendLe(item.value, numerator, 4);
  AppendLe(item.value, denominator, 4);
  return item;
}

std::string DemoName(int index) {
  char name[32];
  std::snprintf(name, sizeof name, "demo_%03d.jpg", index + 1);
  return name;
}

}  // namespace

bool WriteDemoPhotos(const std::filesystem::path& folder, int count, std::string& error) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) {
    error = "cannot create " + folder.string() + ": " + ec.message();
    return false;
  }
  // Never over a photo that is already there: every name is checked before
  // the first one is written.
  for (int i = 0; i < count; ++i) {
    const std::filesystem::path path = folder / DemoName(i);
    if (std::filesystem::exists(std::filesystem::symlink_status(path, ec))) {
      error = path.string() + " already exists";
      return false;
    }
  }
  static const uint16_t kIsos[] = {100, 200, 400, 800};
  static const uint32_t kExposures[] = {60, 125, 250, 500, 1000};
  static const uint32_t kFocals[] = {24, 35, 50, 85};
  for (int i = 0; i < count; ++i) {
    const int width = 1600, height = 1200;
    Canvas canvas(width, height);
    QColor colour = QColor::fromHsv((i * 37) % 360, 120, 200);
    canvas.Fill(colour.rgba());
    char label[64];
    std::snprintf(label, sizeof label, "Folioscope %03d", i + 1);
    canvas.DrawText(FromUtf8(label), 96, 0xFF202020u, QRectF(0, 0, width, height / 2.0));
    canvas.DrawText(u"デモ写真", 72, 0xFFFFFFFFu, QRectF(0, height / 2.0, width, height / 2.0));

    char date[32];
    std::snprintf(date, sizeof date, "2026:12:%02d 10:%02d:00", 1 + i / 10, i % 60);
    canvas.SetProperty(Ascii(0x010F, "Folioscope"));
    canvas.SetProperty(Ascii(0x0110, "Demo Camera"));
    canvas.SetProperty(Ratio(0x829A, 1, kExposures[i % 5]));
    canvas.SetProperty(Ratio(0x829D, 28 + 10 * (i % 3), 10));
    canvas.SetProperty(Short(0x8827, kIsos[i % 4]));
    canvas.SetProperty(Ascii(0x9003, date));
    canvas.SetProperty(Ratio(0x920A, kFocals[i % 4], 1));

    const std::filesystem::path path = folder / DemoName(i);
    if (!canvas.SaveJpeg(path, 90)) {
      error = "cannot write " + path.string();
      return false;
    }
  }
  return true;
}

}  // namespace folio
