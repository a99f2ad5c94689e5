// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/exif_items.h"

#include <exiv2/exiv2.hpp>

#include <algorithm>
#include <array>
#include <cstring>
#include <mutex>
#include <set>
#include <string>

namespace folio::exif {
namespace {

void QuietExiv2() {
  // A photo with odd metadata is normal input here, not worth a message.
  static std::once_flag once;
  std::call_once(once, [] {
    Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
    // Photos are read on several threads; the XMP parser must be set up
    // once before any of them meets XMP.
    Exiv2::XmpParser::initialize();
  });
}

uint16_t IfdOfGroup(const std::string& group) {
  if (group == "Image") return kIfd0;
  if (group == "Photo") return kIfdExif;
  if (group == "GPSInfo") return kIfdGps;
  if (group == "Iop") return kIfdInterop;
  return kIfdUnknown;
}

const char* GroupOfIfd(uint16_t ifd) {
  switch (ifd) {
    case kIfd0: return "Image";
    case kIfdExif: return "Photo";
    case kIfdGps: return "GPSInfo";
    case kIfdInterop: return "Iop";
    default: return nullptr;
  }
}

const std::set<uint16_t>& KnownTags(const char* group) {
  static std::mutex mutex;
  static std::array<std::set<uint16_t>, 5> tables;
  static std::array<bool, 5> built{};
  const uint16_t ifd = IfdOfGroup(group);
  std::lock_guard<std::mutex> lock(mutex);
  if (!built[ifd]) {
    if (const Exiv2::TagInfo* info = Exiv2::ExifTags::tagList(group))
      for (; info->tag_ != 0xFFFF; ++info) tables[ifd].insert(info->tag_);
    built[ifd] = true;
  }
  return tables[ifd];
}

// An item made by hand goes where its tag is defined; the Exif directory
// first, as the primary directory also lists many Exif tags for TIFF/EP.
const char* GroupFor(const PropertyItem& item) {
  if (const char* group = GroupOfIfd(item.ifd)) return group;
  const uint16_t tag = static_cast<uint16_t>(item.id);
  for (const char* group : {"Photo", "Image", "GPSInfo", "Iop"})
    if (KnownTags(group).count(tag)) return group;
  return "Image";
}

// Offsets to sub-directories and to the thumbnail: the writer lays these out
// itself, an old value would point into nowhere.
bool IsLayoutTag(uint32_t id) {
  switch (id) {
    case 0x8769:  // Exif IFD
    case 0x8825:  // GPS IFD
    case 0xA005:  // interop IFD
    case 0x014A:  // SubIFDs
    case 0x0201:  // JPEGInterchangeFormat
    case 0x0202:  // JPEGInterchangeFormatLength
    case 0x0111:  // StripOffsets
    case 0x0117:  // StripByteCounts
      return true;
    default:
      return false;
  }
}

uint16_t ItemType(Exiv2::TypeId type) {
  if (type == Exiv2::tiffIfd) return kTypeLong;
  if (type >= 1 && type <= 12) return static_cast<uint16_t>(type);
  return kTypeUndefined;
}

constexpr uint32_t kMakerNote = 0x927C;
constexpr size_t kMaxSegmentPayload = 65533 - 6;  // length field counts itself

bool EncodeBlob(const std::vector<PropertyItem>& items, bool withMakerNote, Exiv2::Blob& blob) {
  Exiv2::ExifData data;
  for (const PropertyItem& item : items) {
    if (item.id > 0xFFFF || IsLayoutTag(item.id)) continue;
    if (item.id == kMakerNote && !withMakerNote) continue;
    const uint16_t type =
        (item.type >= 1 && item.type <= 12) ? item.type : static_cast<uint16_t>(kTypeUndefined);
    Exiv2::ExifKey key(static_cast<uint16_t>(item.id), GroupFor(item));
    Exiv2::Value::AutoPtr value = Exiv2::Value::create(static_cast<Exiv2::TypeId>(type));
    if (item.value.empty()) continue;
    if (value->read(item.value.data(), static_cast<long>(item.value.size()), Exiv2::littleEndian) != 0)
      continue;
    data.add(key, value.get());
  }
  if (data.empty()) return false;
  blob.clear();
  Exiv2::ExifParser::encode(blob, Exiv2::littleEndian, data);
  return !blob.empty();
}

}  // namespace

std::vector<PropertyItem> ReadItems(const uint8_t* data, size_t size) {
  std::vector<PropertyItem> items;
  if (!data || size == 0) return items;
  QuietExiv2();
  try {
    Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(data, static_cast<long>(size));
    if (!image.get()) return items;
    image->readMetadata();
    const Exiv2::ExifData& exif = image->exifData();
    std::vector<uint8_t> buffer;
    for (const Exiv2::Exifdatum& datum : exif) {
      const uint16_t ifd = IfdOfGroup(datum.groupName());
      if (ifd == kIfdUnknown) continue;
      PropertyItem item;
      item.id = datum.tag();
      item.type = ItemType(datum.typeId());
      item.ifd = ifd;
      item.value.resize(static_cast<size_t>(datum.size()));
      if (!item.value.empty()) {
        long n = datum.copy(item.value.data(), Exiv2::littleEndian);
        item.value.resize(static_cast<size_t>(std::max(0L, n)));
      }
      if (item.type == kTypeAscii && (item.value.empty() || item.value.back() != 0))
        item.value.push_back(0);
      items.push_back(std::move(item));
    }
  } catch (...) {
    items.clear();
  }
  std::stable_sort(items.begin(), items.end(),
                   [](const PropertyItem& a, const PropertyItem& b) { return a.ifd < b.ifd; });
  return items;
}

std::vector<uint8_t> BuildApp1Segment(const std::vector<PropertyItem>& items) {
  if (items.empty()) return {};
  QuietExiv2();
  Exiv2::Blob blob;
  try {
    if (!EncodeBlob(items, true, blob) || blob.size() > kMaxSegmentPayload)
      if (!EncodeBlob(items, false, blob) || blob.size() > kMaxSegmentPayload) return {};
  } catch (...) {
    return {};
  }
  const size_t length = 2 + 6 + blob.size();
  std::vector<uint8_t> segment;
  segment.reserve(2 + length);
  segment.insert(segment.end(), {0xFF, 0xE1, static_cast<uint8_t>(length >> 8),
                                 static_cast<uint8_t>(length & 0xFF)});
  static const uint8_t kExifHeader[6] = {'E', 'x', 'i', 'f', 0, 0};
  segment.insert(segment.end(), kExifHeader, kExifHeader + 6);
  segment.insert(segment.end(), blob.begin(), blob.end());
  return segment;
}

}  // namespace folio::exif
