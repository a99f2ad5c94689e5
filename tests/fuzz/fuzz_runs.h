// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What each fuzz target does with one input, shared with the regression test
// that replays the kept inputs (tests/fuzz/corpus, tests/fuzz/regressions).
// Each returns false when a result breaks the record's invariants.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/exif_reader.h"
#include "catalogue/exif_tallies.h"
#include "catalogue/maker_note.h"
#include "catalogue/sorting.h"
#include "imaging/colour_profile.h"

namespace folio::fuzz {

// A scratch file per process, so the maker-note reader can open the input.
inline const std::filesystem::path& ScratchPath() {
  static const std::filesystem::path path = [] {
    std::filesystem::path dir = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
    return dir / ("folio-fuzz-" + std::to_string(::getpid()) + ".jpg");
  }();
  return path;
}

inline void WriteScratch(const uint8_t* data, std::size_t size) {
  std::FILE* f = std::fopen(ScratchPath().c_str(), "wb");
  if (!f) return;
  if (size) std::fwrite(data, 1, size, f);
  std::fclose(f);
}

inline bool RecordSound(const ImageRecord& r) {
  return r.makerNoteFailStage <= kStageShotInfo && FieldText(r.lensName).size() <= 259 &&
         FieldText(r.make).size() <= 259 && FieldText(r.dateTimeOriginal).size() <= 19;
}

// The input is both the MakerNote value and the photo file: the walk notes
// offsets from it and the reader follows them into the same bytes.
inline bool RunMakerNote(const uint8_t* data, std::size_t size) {
  ExifTallies tallies;
  ImageRecord record;
  SetField(record.make, u"Canon");
  WalkMakerNote(record, data, size);
  WriteScratch(data, size);
  ReadMakerNote(record, ScratchPath(), tallies);
  return RecordSound(record);
}

// The input as property items (tag index, type, 16-bit length, value bytes),
// as the imaging layer delivers them; the same bytes then serve as the photo
// file for the maker-note reader, and the record is sorted and grouped.
inline bool RunExifItems(const uint8_t* data, std::size_t size) {
  ExifTallies tallies;
  static const uint32_t kTags[] = {kTagMake, kTagModel, kTagExposureTime, kTagFNumber,
                                   kTagExposureProgram, kTagIsoSpeedRatings, kTagDateTimeOriginal,
                                   kTagShutterSpeedValue, kTagExposureBiasValue, kTagFlash,
                                   kTagFocalLength, kTagMakerNote, kTagPixelXDimension,
                                   kTagPixelYDimension, kTagWhiteBalance, 0x0112};
  std::vector<PropertyItem> items;
  // An odd first byte puts Make "Canon" first, so the maker-note walk is reached.
  if (size > 0 && (data[0] & 1)) items.push_back({kTagMake, kTypeAscii, {'C', 'a', 'n', 'o', 'n', 0}});
  std::size_t at = 0;
  while (at + 4 <= size) {
    PropertyItem item;
    item.id = kTags[data[at] % (sizeof kTags / sizeof kTags[0])];
    item.type = static_cast<uint16_t>(data[at + 1] % 11);
    std::size_t length = data[at + 2] | (data[at + 3] << 8);
    at += 4;
    if (length > size - at) length = size - at;
    item.value.assign(data + at, data + at + length);
    at += length;
    items.push_back(std::move(item));
  }
  ImageRecord records[2];
  ApplyExifProperties(items, records[0], tallies);
  WriteScratch(data, size);
  ReadMakerNote(records[0], ScratchPath(), tallies);
  if (!RecordSound(records[0])) return false;

  records[1] = records[0];
  records[1].exposureTime = {};
  records[1].focalLength.denominator /= 2;
  for (std::u16string_view keyword :
       {kKeywordShutter, kKeywordFNumber, kKeywordFocal, kKeywordDate, kKeywordLens, kKeywordIso}) {
    SetField(records[0].sortKeyword, keyword);
    SetField(records[1].sortKeyword, keyword);
    SortCatalogue(records, size % 2 == 0);
    const int runs = GroupCatalogue(records);
    if (runs < 1 || runs > 2 || records[0].groupNumber != 1 || records[1].groupNumber != runs)
      return false;
  }
  return true;
}

// An 8 x 8 grey baseline JPEG: the photo the Exif block is put into, so the
// imaging layer loads it as a real photo.
inline constexpr uint8_t kTinyJpeg[] = {
    0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 0x4A, 0x46, 0x49, 0x46, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01,
    0x00, 0x01, 0x00, 0x00, 0xFF, 0xDB, 0x00, 0x43, 0x00, 0x10, 0x0B, 0x0C, 0x0E, 0x0C, 0x0A, 0x10,
    0x0E, 0x0D, 0x0E, 0x12, 0x11, 0x10, 0x13, 0x18, 0x28, 0x1A, 0x18, 0x16, 0x16, 0x18, 0x31, 0x23,
    0x25, 0x1D, 0x28, 0x3A, 0x33, 0x3D, 0x3C, 0x39, 0x33, 0x38, 0x37, 0x40, 0x48, 0x5C, 0x4E, 0x40,
    0x44, 0x57, 0x45, 0x37, 0x38, 0x50, 0x6D, 0x51, 0x57, 0x5F, 0x62, 0x67, 0x68, 0x67, 0x3E, 0x4D,
    0x71, 0x79, 0x70, 0x64, 0x78, 0x5C, 0x65, 0x67, 0x63, 0xFF, 0xC0, 0x00, 0x0B, 0x08, 0x00, 0x08,
    0x00, 0x08, 0x01, 0x01, 0x11, 0x00, 0xFF, 0xC4, 0x00, 0x14, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0xFF, 0xC4, 0x00, 0x14,
    0x10, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0xFF, 0xDA, 0x00, 0x08, 0x01, 0x01, 0x00, 0x00, 0x3F, 0x00, 0x1F, 0xFF, 0xD9};

// The input as the TIFF block of a JPEG's APP1 Exif segment, read the way
// the catalogue reads every photo (imaging layer, record, maker note).
inline bool RunExifFile(const uint8_t* data, std::size_t size) {
  if (size > 65000) return true;  // beyond one APP1 segment
  std::vector<uint8_t> file = {0xFF, 0xD8, 0xFF, 0xE1};
  const std::size_t length = size + 8;
  file.push_back(static_cast<uint8_t>(length >> 8));
  file.push_back(static_cast<uint8_t>(length));
  for (char c : {'E', 'x', 'i', 'f', '\0', '\0'}) file.push_back(static_cast<uint8_t>(c));
  file.insert(file.end(), data, data + size);
  file.insert(file.end(), kTinyJpeg + 2, kTinyJpeg + sizeof kTinyJpeg);  // after its SOI
  WriteScratch(file.data(), file.size());

  ExifTallies tallies;
  ImageRecord record;
  ReadExifProperties(ScratchPath(), record, tallies);
  ReadMakerNote(record, ScratchPath(), tallies);
  return RecordSound(record);
}

// The input as a photo's ICC profile: split into APP2 chunks of the tiny
// JPEG and read back (or, when it is itself a JPEG stream, read from it),
// judged, and when it converts, applied to a few pixels.
inline bool RunColourProfile(const uint8_t* data, std::size_t size) {
  std::vector<uint8_t> stream;
  if (size >= 2 && data[0] == 0xFF && data[1] == 0xD8) {
    stream.assign(data, data + size);
  } else {
    if (size > 255 * 1000) return true;  // beyond the chunks of this wrapping
    stream.assign(kTinyJpeg, kTinyJpeg + 2);
    const std::size_t chunks = size == 0 ? 1 : (size + 999) / 1000;
    for (std::size_t i = 0; i < chunks; ++i) {
      const std::size_t from = i * 1000, to = std::min(size, from + 1000);
      const std::size_t length = 2 + 14 + (to - from);
      stream.insert(stream.end(),
                    {0xFF, 0xE2, static_cast<uint8_t>(length >> 8), static_cast<uint8_t>(length)});
      for (char c : std::string("ICC_PROFILE", 12)) stream.push_back(static_cast<uint8_t>(c));
      stream.push_back(static_cast<uint8_t>(i + 1));
      stream.push_back(static_cast<uint8_t>(chunks));
      stream.insert(stream.end(), data + from, data + to);
    }
    stream.insert(stream.end(), kTinyJpeg + 2, kTinyJpeg + sizeof kTinyJpeg);
  }
  const std::vector<uint8_t> icc = ReadIccProfile(stream.data(), stream.size());
  if (icc.size() > kMaxIccProfileBytes || icc.size() > stream.size()) return false;
  if (!(size >= 2 && data[0] == 0xFF && data[1] == 0xD8) && size > 0 &&
      icc != std::vector<uint8_t>(data, data + size))
    return false;  // a whole profile in order must come back as it went in
  const ColourProfile profile = ColourProfile::FromIcc(icc);
  uint8_t pixels[3 * 2 * 4];
  for (std::size_t i = 0; i < sizeof pixels; ++i)
    pixels[i] = static_cast<uint8_t>(i < size ? data[i] : i * 29);
  profile.ConvertToSrgb(pixels, 3, 2, 12);
  for (std::size_t i = 3; i < sizeof pixels; i += 4)  // the fourth byte is kept
    if (pixels[i] != (i < size ? data[i] : static_cast<uint8_t>(i * 29))) return false;
  return true;
}

}  // namespace folio::fuzz
