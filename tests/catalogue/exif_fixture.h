// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hand-built Exif blocks for the catalogue tests: a TIFF structure in either
// byte order (IFD0 plus an Exif directory) put into a JPEG as its APP1
// segment, so the TIFF header stands 12 bytes into the file, and a Canon-style
// maker note whose offsets point at real blocks inside it. Building the bytes
// here (rather than through exiv2) keeps every offset under the test's control.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace folio::test {

struct TiffEntry {
  uint16_t tag = 0;
  uint16_t type = 0;
  uint32_t count = 0;
  std::vector<uint32_t> numbers;  // BYTE/SHORT/LONG/RATIONAL parts, in order
  std::vector<uint8_t> bytes;     // ASCII / UNDEFINED value bytes
};

inline TiffEntry AsciiEntry(uint16_t tag, const std::string& text) {
  TiffEntry e{tag, 2, 0, {}, std::vector<uint8_t>(text.begin(), text.end())};
  e.bytes.push_back(0);
  e.count = static_cast<uint32_t>(e.bytes.size());
  return e;
}
inline TiffEntry ShortEntry(uint16_t tag, uint16_t value) { return {tag, 3, 1, {value}, {}}; }
inline TiffEntry LongEntry(uint16_t tag, uint32_t value) { return {tag, 4, 1, {value}, {}}; }
inline TiffEntry RationalEntry(uint16_t tag, uint32_t n, uint32_t d) { return {tag, 5, 1, {n, d}, {}}; }
inline TiffEntry SRationalEntry(uint16_t tag, int32_t n, int32_t d) {
  return {tag, 10, 1, {static_cast<uint32_t>(n), static_cast<uint32_t>(d)}, {}};
}
inline TiffEntry UndefinedEntry(uint16_t tag, std::vector<uint8_t> bytes) {
  TiffEntry e{tag, 7, 0, {}, std::move(bytes)};
  e.count = static_cast<uint32_t>(e.bytes.size());
  return e;
}

// Writes 16/32-bit numbers in one byte order.
struct ByteWriter {
  bool big = false;
  std::vector<uint8_t> out;
  void U8(uint8_t v) { out.push_back(v); }
  void U16(uint16_t v) {
    if (big) { U8(static_cast<uint8_t>(v >> 8)); U8(static_cast<uint8_t>(v)); }
    else { U8(static_cast<uint8_t>(v)); U8(static_cast<uint8_t>(v >> 8)); }
  }
  void U32(uint32_t v) {
    if (big) { U16(static_cast<uint16_t>(v >> 16)); U16(static_cast<uint16_t>(v)); }
    else { U16(static_cast<uint16_t>(v)); U16(static_cast<uint16_t>(v >> 16)); }
  }
  void Put16(std::size_t at, uint16_t v) {
    ByteWriter w{big, {}};
    w.U16(v);
    out[at] = w.out[0];
    out[at + 1] = w.out[1];
  }
  void Put32(std::size_t at, uint32_t v) {
    ByteWriter w{big, {}};
    w.U32(v);
    for (int i = 0; i < 4; ++i) out[at + i] = w.out[i];
  }
};

inline std::vector<uint8_t> EntryValue(const TiffEntry& e, bool big) {
  ByteWriter w{big, {}};
  if (!e.bytes.empty()) return e.bytes;
  for (uint32_t n : e.numbers) {
    if (e.type == 1) w.U8(static_cast<uint8_t>(n));
    else if (e.type == 3) w.U16(static_cast<uint16_t>(n));
    else w.U32(n);
  }
  return w.out;
}

// Appends one directory at the writer's end; values that do not fit the
// value field follow the directory. `lastValue`, given the TIFF offset where
// the last entry's value will stand, makes that value (a maker note whose
// inner offsets depend on where it lands; its size must match the count).
inline void AppendIfd(ByteWriter& w, const std::vector<TiffEntry>& entries, uint32_t next,
                      const std::function<std::vector<uint8_t>(uint32_t)>& lastValue = {}) {
  w.U16(static_cast<uint16_t>(entries.size()));
  std::vector<std::size_t> valueFields;
  for (const TiffEntry& e : entries) {
    w.U16(e.tag);
    w.U16(e.type);
    w.U32(e.count);
    valueFields.push_back(w.out.size());
    w.U32(0);
  }
  w.U32(next);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    std::vector<uint8_t> value = EntryValue(entries[i], w.big);
    if (i + 1 == entries.size() && lastValue) value = lastValue(static_cast<uint32_t>(w.out.size()));
    if (value.size() <= 4) {
      for (std::size_t k = 0; k < value.size(); ++k) w.out[valueFields[i] + k] = value[k];
    } else {
      w.Put32(valueFields[i], static_cast<uint32_t>(w.out.size()));
      w.out.insert(w.out.end(), value.begin(), value.end());
      if (w.out.size() % 2) w.U8(0);
    }
  }
}

// A TIFF block: IFD0 (with the Exif pointer added) and the Exif directory.
// A MakerNote made by `makerNote` (given its TIFF offset) goes last in the
// Exif directory, so its position is known when it is made.
inline std::vector<uint8_t> BuildTiff(bool big, std::vector<TiffEntry> ifd0,
                                      std::vector<TiffEntry> exif,
                                      const std::function<std::vector<uint8_t>(uint32_t)>& makerNote = {}) {
  ByteWriter w{big, {}};
  if (big) { w.U8('M'); w.U8('M'); } else { w.U8('I'); w.U8('I'); }
  w.U16(42);
  w.U32(8);
  ifd0.push_back(LongEntry(0x8769, 0));  // patched below
  const std::size_t exifPointerField = 8 + 2 + 12 * (ifd0.size() - 1) + 8;
  AppendIfd(w, ifd0, 0);
  w.Put32(exifPointerField, static_cast<uint32_t>(w.out.size()));
  if (makerNote) {
    // Sized with offset 0, then made for the place where it lands.
    exif.push_back(UndefinedEntry(0x927C, makerNote(0)));
    AppendIfd(w, exif, 0, makerNote);
  } else {
    AppendIfd(w, exif, 0);
  }
  return w.out;
}

// The JPEG with the TIFF block as its first segment (APP1 "Exif\0\0").
inline std::string JpegWithTiff(const std::string& jpeg, const std::vector<uint8_t>& tiff) {
  std::string out = jpeg.substr(0, 2);  // SOI
  const std::size_t length = 2 + 6 + tiff.size();
  out += '\xFF';
  out += '\xE1';
  out += static_cast<char>(length >> 8);
  out += static_cast<char>(length & 0xFF);
  out += std::string("Exif\0\0", 6);
  out.append(tiff.begin(), tiff.end());
  out += jpeg.substr(2);
  return out;
}

// A Canon-style maker note placed at TIFF offset `at`: a little-endian
// directory with camera settings (0x0001), shot information (0x0004), the
// firmware text (0x0007) and the lens-model text (0x0095), each pointing at
// its block inside the note.
struct CanonNote {
  uint16_t lensType = 0x98;
  uint16_t longEnd = 20;
  uint16_t shortEnd = 10;
  uint16_t focalUnits = 1;
  uint16_t whiteBalanceWord = 0x0105;
  std::string firmware = "Firmware Version 1.0.9";
  std::string lensModel = "EF-S10-22mm f/3.5-4.5 USM";
  bool withCameraSettings = true;
  bool withShotInfo = true;
  bool withFirmware = true;
  bool withLensModel = true;

  std::vector<uint8_t> Build(uint32_t at) const {
    ByteWriter w{false, {}};
    std::vector<uint16_t> tags;
    if (withCameraSettings) tags.push_back(0x0001);
    tags.push_back(0x0003);  // an entry the reader skips
    if (withShotInfo) tags.push_back(0x0004);
    tags.push_back(0x0006);
    if (withFirmware) tags.push_back(0x0007);
    if (withLensModel) tags.push_back(0x0095);
    const uint32_t dirSize = static_cast<uint32_t>(2 + 12 * tags.size() + 4);
    // Blocks follow the directory.
    const uint32_t cameraAt = dirSize;          // 46 words
    const uint32_t shotAt = cameraAt + 92;      // 34 words
    const uint32_t firmwareAt = shotAt + 68;    // 32 bytes
    const uint32_t lensAt = firmwareAt + 32;    // 70 bytes
    const uint32_t imageTypeAt = lensAt + 70;   // 32 bytes
    w.U16(static_cast<uint16_t>(tags.size()));
    for (uint16_t tag : tags) {
      w.U16(tag);
      switch (tag) {
        case 0x0001: w.U16(3); w.U32(46); w.U32(at + cameraAt); break;
        case 0x0003: w.U16(3); w.U32(4); w.U32(at + shotAt); break;
        case 0x0004: w.U16(3); w.U32(34); w.U32(at + shotAt); break;
        case 0x0006: w.U16(2); w.U32(32); w.U32(at + imageTypeAt); break;
        case 0x0007: w.U16(2); w.U32(32); w.U32(at + firmwareAt); break;
        case 0x0095: w.U16(2); w.U32(70); w.U32(at + lensAt); break;
      }
    }
    w.U32(0);
    std::vector<uint16_t> camera(46, 0);
    camera[0] = 92;
    camera[22] = lensType;
    camera[23] = longEnd;
    camera[24] = shortEnd;
    camera[25] = focalUnits;
    for (uint16_t v : camera) w.U16(v);
    std::vector<uint16_t> shot(34, 0);
    shot[0] = 68;
    shot[7] = whiteBalanceWord;
    for (uint16_t v : shot) w.U16(v);
    auto text = [&](const std::string& s, std::size_t size) {
      for (std::size_t i = 0; i < size; ++i) w.U8(i < s.size() ? static_cast<uint8_t>(s[i]) : 0);
    };
    text(firmware, 32);
    text(lensModel, 70);
    text("Canon EOS 40D", 32);
    return w.out;
  }
};

}  // namespace folio::test
