#pragma once
// One JPEG file of the folder being processed: its name, the Exif values the
// pages show and sort by, the lens text and the grouping keys. Texts hold at
// most a fixed number of UTF-16 units (N - 1 of a TextField<N>); 0, 0/0 or
// the empty text means absent.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

namespace folio {

// A text of at most N - 1 units that ends at its first NUL, as a NUL-
// terminated array of N would hold it. Records of a folder of many thousand
// photos stay small: a short field (a date, a keyword) lies inline, a long
// one takes only its length on the heap.
template <std::size_t N>
class TextField {
  static constexpr bool kInline = N <= 32;
  struct InlineText {
    char16_t units[N - 1] = {};
    uint8_t length = 0;
  };

 public:
  std::u16string_view view() const {
    if constexpr (kInline)
      return {text_.units, text_.length};
    else
      return text_;
  }
  void assign(std::u16string_view text) {
    text = text.substr(0, text.find(u'\0')).substr(0, N - 1);
    if constexpr (kInline) {
      text_ = {};
      text.copy(text_.units, text.size());
      text_.length = static_cast<uint8_t>(text.size());
    } else {
      text_.assign(text);
    }
  }

 private:
  std::conditional_t<kInline, InlineText, std::u16string> text_;
};

// The same for a text that most records of a folder share (the camera's make
// and model, the lens name): one copy of each distinct text for them all.
std::shared_ptr<const std::u16string> SharedText(std::u16string_view text);

template <std::size_t N>
class SharedTextField {
 public:
  std::u16string_view view() const { return text_ ? std::u16string_view(*text_) : u""; }
  void assign(std::u16string_view text) {
    text = text.substr(0, text.find(u'\0')).substr(0, N - 1);
    text_ = text.empty() ? nullptr : SharedText(text);
  }

 private:
  std::shared_ptr<const std::u16string> text_;
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
  SharedTextField<260> make;
  SharedTextField<260> model;
  TextField<260> fileName;
  TextField<20> sortKeyword;
  SharedTextField<260> lensName;
  int32_t lensModelOffset = 0;
  int32_t lensModelLength = 0;
  uint16_t cameraSettingsOffset = 0;
  int32_t firmwareOffset = 0;
  int32_t makerWhiteBalance = 0;
  uint8_t makerNoteFailStage = 0;
};

inline constexpr uint16_t kMakerWhiteBalance = 0xFF00;

// Copies text into a field, cutting it at a NUL or to N-1 units.
template <typename Field>
void SetField(Field& field, std::u16string_view text) {
  field.assign(text);
}

// The text of a field.
template <typename Field>
std::u16string_view FieldText(const Field& field) {
  return field.view();
}

}  // namespace folio
