// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/exif_reader.h"

#include <exception>
#include <string_view>

#include "catalogue/exif_tallies.h"
#include "catalogue/little_endian.h"
#include "catalogue/maker_note.h"
#include "imaging/exif_items.h"
#include "platform/cp932.h"

namespace folio {

namespace {

// The value as 8-bit text up to its first NUL, in UTF-16.
template <typename Field>
void SetText(Field& field, const PropertyItem& item) {
  std::string_view bytes(reinterpret_cast<const char*>(item.value.data()), item.value.size());
  SetField(field, Cp932ToUtf16(bytes.substr(0, bytes.find('\0'))));
}

bool ReadRational(const PropertyItem& item, Rational& out) {
  if (item.value.size() < 8) return false;
  out = Rational{Le32(item.value.data()), Le32(item.value.data() + 4)};
  return true;
}

bool ReadSRational(const PropertyItem& item, SRational& out) {
  if (item.value.size() < 8) return false;
  out = SRational{static_cast<int32_t>(Le32(item.value.data())),
                  static_cast<int32_t>(Le32(item.value.data() + 4))};
  return true;
}

bool ReadShort(const PropertyItem& item, uint16_t& out) {
  if (item.value.size() < 2) return false;
  out = Le16(item.value.data());
  return true;
}

// PixelX/YDimension may be SHORT or LONG; any other type stores nothing.
void ReadDimension(const PropertyItem& item, uint32_t& out) {
  if (item.type == kTypeShort && item.value.size() >= 2) {
    out = Le16(item.value.data());
  } else if (item.type == kTypeLong && item.value.size() >= 4) {
    out = Le32(item.value.data());
  }
}

}  // namespace

void ApplyExifProperty(const PropertyItem& item, ImageRecord& record, ExifTallies& tallies) {
  switch (item.id) {
    case kTagMake: SetText(record.make, item); break;
    case kTagModel: SetText(record.model, item); break;
    case kTagExposureTime:
      if (ReadRational(item, record.exposureTime))
        tallies.CountShutter(record.exposureTime.numerator, record.exposureTime.denominator);
      break;
    case kTagFNumber:
      if (ReadRational(item, record.fNumber))
        tallies.CountAperture(record.fNumber.numerator, record.fNumber.denominator);
      break;
    case kTagExposureProgram: ReadShort(item, record.exposureProgram); break;
    case kTagIsoSpeedRatings:
      if (ReadShort(item, record.isoSpeed)) tallies.CountIso(record.isoSpeed);
      break;
    case kTagDateTimeOriginal: SetText(record.dateTimeOriginal, item); break;
    case kTagShutterSpeedValue: ReadSRational(item, record.shutterSpeedValue); break;
    case kTagExposureBiasValue: ReadSRational(item, record.exposureBias); break;
    case kTagFlash: ReadShort(item, record.flash); break;
    case kTagFocalLength:
      if (ReadRational(item, record.focalLength))
        tallies.CountFocal(record.focalLength.numerator, record.focalLength.denominator);
      break;
    case kTagMakerNote:
      // Only once Make has been read: IFD0 comes before the Exif directory.
      if (FieldText(record.make) == u"Canon")
        WalkMakerNote(record, item.value.data(), item.value.size());
      break;
    case kTagPixelXDimension: ReadDimension(item, record.pixelWidth); break;
    case kTagPixelYDimension: ReadDimension(item, record.pixelHeight); break;
    case kTagWhiteBalance: ReadShort(item, record.whiteBalance); break;
    default: break;
  }
}

void ApplyExifProperties(const std::vector<PropertyItem>& items, ImageRecord& record,
                         ExifTallies& tallies) {
  for (const PropertyItem& item : items) ApplyExifProperty(item, record, tallies);
}

void ReadExifProperties(const std::filesystem::path& path, ImageRecord& record,
                        ExifTallies& tallies) {
  ApplyReadExifItems(ReadExifItems(path), record, tallies);
}

std::vector<PropertyItem> ReadExifItems(const std::filesystem::path& path) {
  try {
    return exif::ReadPhotoItems(path);
  } catch (const std::exception&) {
    return {};  // an unreadable photo is catalogued without Exif values
  }
}

void ApplyReadExifItems(const std::vector<PropertyItem>& items, ImageRecord& record,
                        ExifTallies& tallies) {
  try {
    ApplyExifProperties(items, record, tallies);
  } catch (const std::exception&) {
    // What was applied before the failure stands.
  }
}

}  // namespace folio
