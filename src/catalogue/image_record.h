#pragma once
// One JPEG file of the folder being processed: its name, the Exif values the
// pages show and sort by, the lens text and the grouping keys. Texts hold at
// most a fixed number of UTF-16 units (N - 1 of a TextField<N>); 0, 0/0 or
// the empty text means absent.
#include <cstdint>
#include <string>
#include <string_view>

namespace folio {

// A text of at most N - 1 units that ends at its first NUL, as a NUL-
// terminated array of N would hold it. Short texts take no heap memory and
// long ones only their length, so that records of a folder of many thousand
// photos stay small.
template <std::size_t N>
class TextField {
 public:
  std::u16string_view view() const { return text_; }
  void assign(std::u16string_view text) {
    text = text.substr(0, text.find(u'\0'));
    text_.assign(text.substr(0, N - 1));
  }

 private:
  std::u16string text_;
};

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
  TextField<20> dateTimeOriginal;
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
  TextField<260> make;
  TextField<260> model;
  TextField<260> fileName;
  TextField<20> sortKeyword;
  TextField<260> lensName;
  int32_t lensModelOffset = 0;
  int32_t lensModelLength = 0;
  uint16_t cameraSettingsOffset = 0;
  int32_t firmwareOffset = 0;
  int32_t makerWhiteBalance = 0;
  uint8_t makerNoteFailStage = 0;
};

inline constexpr uint16_t kMakerWhiteBalance = 0xFF00;

// Copies text into a field, cutting it at a NUL or to N-1 units.
template <std::size_t N>
void SetField(TextField<N>& field, std::u16string_view text) {
  field.assign(text);
}

// The text of a field.
template <std::size_t N>
std::u16string_view FieldText(const TextField<N>& field) {
  return field.view();
}

}  // namespace folio
