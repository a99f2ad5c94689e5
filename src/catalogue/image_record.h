#pragma once
// One JPEG file of the folder being processed: its name, the Exif values the
// pages show and sort by, the lens text and the grouping keys. A plain
// fixed-size record: texts are NUL-terminated UTF-16 arrays; 0, 0/0 or the
// empty text means absent.
#include <cstdint>
#include <string>
#include <string_view>

namespace folio {

struct Rational {
  uint32_t numerator = 0;
  uint32_t denominator = 0;  // 0: absent
};

struct SRational {
  int32_t numerator = 0;
  int32_t denominator = 0;  // 0: absent
};

struct ImageRecord {
  int32_t groupNumber = 0;
  int16_t randomKey = 0;
  char16_t dateTimeOriginal[20] = {};
  Rational exposureTime;
  SRational shutterSpeedValue;
  Rational fNumber;
  uint16_t isoSpeed = 0;
  Rational focalLength;
  uint32_t pixelHeight = 0;
  uint32_t pixelWidth = 0;
  uint16_t whiteBalance = 0;  // 0xFF00: the maker's code stands in makerWhiteBalance
  uint16_t exposureProgram = 0;
  uint16_t flash = 0;
  SRational exposureBias;
  char16_t make[260] = {};
  char16_t model[260] = {};
  char16_t fileName[260] = {};
  char16_t sortKeyword[20] = {};
  char16_t lensName[260] = {};
  int32_t lensModelOffset = 0;
  int32_t lensModelLength = 0;
  uint16_t cameraSettingsOffset = 0;
  int32_t firmwareOffset = 0;
  int32_t makerWhiteBalance = 0;
  uint8_t makerNoteFailStage = 0;
};

inline constexpr uint16_t kMakerWhiteBalance = 0xFF00;

// Copies text into a fixed field, cutting it to N-1 units and NUL-terminating.
template <std::size_t N>
void SetField(char16_t (&field)[N], std::u16string_view text) {
  std::size_t n = text.size() < N - 1 ? text.size() : N - 1;
  for (std::size_t i = 0; i < n; ++i) field[i] = text[i];
  field[n] = u'\0';
}

// The text of a fixed field, up to its NUL.
template <std::size_t N>
std::u16string_view FieldText(const char16_t (&field)[N]) {
  std::size_t n = 0;
  while (n < N && field[n] != u'\0') ++n;
  return std::u16string_view(field, n);
}

}  // namespace folio
