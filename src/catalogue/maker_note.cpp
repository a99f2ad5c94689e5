// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/maker_note.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "catalogue/lens_table.h"
#include "catalogue/little_endian.h"
#include "platform/cp932.h"
#include "platform/regular_file.h"
#include "platform/text.h"

namespace folio {

namespace {

// The longest lens-model text read: lensName keeps 259 units, and a CP932
// byte never yields more than one unit, so this is plenty.
constexpr std::size_t kMaxLensModelBytes = 1024;
constexpr char kFirmwareText[] = "Firmware";
constexpr std::size_t kFirmwareLength = 8;
constexpr int64_t kFirmwareSearchEnd = 300;  // base values tried stay below this
constexpr std::size_t kSearchChunk = 64 * 1024;

// Positioned reads from a photo opened for reading. A read past the end of
// the file gives zeros for the missing bytes; a negative position or an I/O
// error is a failure.
class RawFile {
 public:
  // Something that is there but is no regular file (a folder, a FIFO) is
  // never read, and counts as a failed read rather than a missing file.
  explicit RawFile(const std::filesystem::path& path) : file_(path) {
    std::error_code ec;
    present_ = file_.ok() || std::filesystem::exists(path, ec);
  }

  bool ok() const { return present_; }

  bool Size(int64_t& size) const {
    size = static_cast<int64_t>(file_.size());
    return file_.ok();
  }

  bool ReadAt(int64_t position, uint8_t* buffer, std::size_t length) const {
    std::memset(buffer, 0, length);
    if (position < 0 || !file_.ok()) return false;
    // The end of the file leaves the rest zero.
    return file_.ReadAt(static_cast<uint64_t>(position), buffer, length) >= 0;
  }

 private:
  RegularFile file_;  // never a FIFO or a device under a photo's name
  bool present_ = false;
};

// Looks for the firmware text at file positions 2 .. firmwareOffset + 299;
// on a match, base is its position minus firmwareOffset. Reads the range in
// chunks rather than nine bytes per position.
bool FindBase(const RawFile& file, int32_t firmwareOffset, int64_t& base) {
  int64_t size = 0;
  if (!file.Size(size)) return false;
  const int64_t last = std::min<int64_t>(int64_t{firmwareOffset} + kFirmwareSearchEnd - 1,
                                         size - static_cast<int64_t>(kFirmwareLength));
  std::vector<uint8_t> chunk(kSearchChunk + kFirmwareLength);
  for (int64_t start = 2; start <= last; start += kSearchChunk) {
    const int64_t starts = std::min<int64_t>(kSearchChunk, last - start + 1);
    const std::size_t length = static_cast<std::size_t>(starts) + kFirmwareLength - 1;
    if (!file.ReadAt(start, chunk.data(), length)) return false;
    auto end = chunk.begin() + static_cast<std::ptrdiff_t>(length);
    auto hit = std::search(chunk.begin(), end, kFirmwareText, kFirmwareText + kFirmwareLength);
    if (hit != end) {
      base = start + (hit - chunk.begin()) - firmwareOffset;
      return true;
    }
  }
  return true;  // not found: base stays 0
}

std::u16string Ascii(const char* text) {
  std::u16string out;
  for (; *text; ++text) out.push_back(static_cast<unsigned char>(*text));
  return out;
}

}  // namespace

void WalkMakerNote(ImageRecord& record, const uint8_t* data, std::size_t size) {
  if (data == nullptr || size < 2) return;
  const std::size_t entries = Le16(data);
  for (std::size_t i = 0; i < entries; ++i) {
    const std::size_t at = 2 + 12 * i;
    if (at + 12 > size) break;  // the entry would lie beyond the value bytes
    const uint8_t* entry = data + at;
    switch (Le16(entry)) {
      case kTagFirmware: record.firmwareOffset = static_cast<int32_t>(Le32(entry + 8)); break;
      case kTagLensModel:
        record.lensModelLength = static_cast<int32_t>(Le32(entry + 4));
        record.lensModelOffset = static_cast<int32_t>(Le32(entry + 8));
        return;  // later entries are not looked at
      case kTagCameraSettings: record.cameraSettingsOffset = Le16(entry + 8); break;
      case kTagShotInfo: record.makerWhiteBalance = static_cast<int32_t>(Le32(entry + 8)); break;
      default: break;
    }
  }
}

void ReadMakerNote(ImageRecord& record, const std::filesystem::path& path, ExifTallies& tallies) {
  if (FieldText(record.make) != u"Canon") return;
  record.makerNoteFailStage = 0;
  // Nothing noted by the walk: nothing to read, no need to open the file.
  if (record.firmwareOffset <= 0 && record.lensModelLength <= 0 &&
      record.cameraSettingsOffset == 0 && record.makerWhiteBalance <= 0)
    return;
  RawFile file(path);
  if (!file.ok()) return;
  int64_t base = 0;

  if (record.firmwareOffset > 0) {
    record.makerNoteFailStage = kStageFirmware;
    if (!FindBase(file, record.firmwareOffset, base)) return;
  }

  if (record.lensModelLength > 0) {
    record.makerNoteFailStage = kStageLensModel;
    const std::size_t length =
        std::min<std::size_t>(static_cast<std::size_t>(record.lensModelLength), kMaxLensModelBytes);
    std::vector<uint8_t> bytes(length);
    if (!file.ReadAt(int64_t{record.lensModelOffset} + base, bytes.data(), length)) return;
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), length);
    text = text.substr(0, text.find('\0'));
    SetField(record.lensName, Cp932ToUtf16(text));
  }

  if (record.cameraSettingsOffset != 0) {
    record.makerNoteFailStage = kStageCameraSettings;
    uint8_t words[8];
    if (!file.ReadAt(int64_t{record.cameraSettingsOffset} + base + 44, words, sizeof words)) return;
    const uint16_t lensType = Le16(words);
    const uint16_t longEnd = Le16(words + 2);
    const uint16_t shortEnd = Le16(words + 4);
    uint16_t units = Le16(words + 6);
    if (units == 0) units = 1;
    if (lensType == 0xFFFF) {
      const std::string range = FixedAscii(static_cast<double>(shortEnd) / units, 2) + "-" +
                                FixedAscii(static_cast<double>(longEnd) / units, 2) + "mm";
      SetField(record.lensName, Ascii(range.c_str()));
    } else {
      SetField(record.lensName, LookupLens(lensType, shortEnd / units, longEnd / units, tallies));
    }
  }

  if (record.makerWhiteBalance > 0) {
    record.makerNoteFailStage = kStageShotInfo;
    uint8_t word[2];
    if (!file.ReadAt(int64_t{record.makerWhiteBalance} + base + 14, word, sizeof word)) return;
    record.makerWhiteBalance = word[0];
    record.whiteBalance = kMakerWhiteBalance;
  }

  record.makerNoteFailStage = 0;
}

}  // namespace folio
