// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One JPEG file of the folder being processed: its name, the Exif values the
// pages show and sort by, the lens text and the grouping keys. Texts hold at
// most a fixed number of UTF-16 units (N - 1 of a TextField<N>); 0, 0/0 or
// the empty text means absent.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace folio {

// A text of up to 15 units kept in the field itself, a longer one on the
// heap: a camera's file names ("IMG_1234.JPG", "DSC01234.JPG") then cost a
// record nothing beyond its 32 bytes.
class CompactText {
 public:
  CompactText() = default;
  CompactText(const CompactText& other) { assign(other.view()); }
  CompactText& operator=(const CompactText& other) {
    if (this != &other) assign(other.view());
    return *this;
  }
  CompactText(CompactText&& other) noexcept;
  CompactText& operator=(CompactText&& other) noexcept;
  ~CompactText() { freeHeap(); }

  std::u16string_view view() const;
  // At most 65,535 units.
  void assign(std::u16string_view text);

 private:
  static constexpr std::size_t kInlineUnits = 15;
  // The last unit: the length of an inline text, or this for one on the heap.
  static constexpr char16_t kOnHeap = 0xFFFF;

  char16_t tag() const { return units_[kInlineUnits]; }
  void freeHeap() noexcept;

  // Inline: the units, then the length. On the heap: a pointer to the units
  // and their count lie in the first 12 bytes.
  alignas(char16_t*) char16_t units_[kInlineUnits + 1] = {};
};

// A text of at most N - 1 units that ends at its first NUL, as a NUL-
// terminated array of N would hold it. Records of a folder of many thousand
// photos stay small: a short field (a date) lies inline, and so does a long
// one (a file name) as far as 15 units go.
template <std::size_t N>
class TextField {
  static_assert(N >= 2 && N <= 65536);
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
      return text_.view();
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
  std::conditional_t<kInline, InlineText, CompactText> text_;
};

// One copy of a text that many records share (the camera's make and model,
// the lens name, the sort keyword), counted by its holders. Texts nobody
// holds any more are dropped whenever the table has doubled, so a long
// session of many cameras keeps no more than it uses.
class SharedTextRef {
 public:
  struct Node;

  SharedTextRef() = default;
  explicit SharedTextRef(std::u16string_view text);  // the empty text holds nothing
  SharedTextRef(const SharedTextRef& other) noexcept;
  SharedTextRef& operator=(const SharedTextRef& other) noexcept;
  SharedTextRef(SharedTextRef&& other) noexcept : node_(std::exchange(other.node_, nullptr)) {}
  SharedTextRef& operator=(SharedTextRef&& other) noexcept;
  ~SharedTextRef();

  std::u16string_view view() const;

 private:
  void release() noexcept;
  Node* node_ = nullptr;
};

template <std::size_t N>
class SharedTextField {
 public:
  std::u16string_view view() const { return text_.view(); }
  void assign(std::u16string_view text) {
    text = text.substr(0, text.find(u'\0')).substr(0, N - 1);
    text_ = SharedTextRef(text);
  }

 private:
  SharedTextRef text_;
};

struct Rational {
  uint32_t numerator = 0;
  uint32_t denominator = 0;  // 0: absent
};

struct SRational {
  int32_t numerator = 0;
  int32_t denominator = 0;  // 0: absent
};

// The fields lie widest first, so that little goes to padding: 192 bytes,
// its file name included, for each of the 10,000 records of a large folder.
struct ImageRecord {
  SharedTextField<260> make;
  SharedTextField<260> model;
  SharedTextField<260> lensName;
  // The same for every record of a catalogue: the sort reads it from them.
  SharedTextField<20> sortKeyword;
  TextField<260> fileName;

  int32_t groupNumber = 0;
  Rational exposureTime;
  SRational shutterSpeedValue;
  Rational fNumber;
  Rational focalLength;
  SRational exposureBias;
  uint32_t pixelHeight = 0;
  uint32_t pixelWidth = 0;
  int32_t lensModelOffset = 0;
  int32_t lensModelLength = 0;
  int32_t firmwareOffset = 0;
  int32_t makerWhiteBalance = 0;

  int16_t randomKey = 0;
  uint16_t isoSpeed = 0;
  uint16_t whiteBalance = 0;  // 0xFF00: the maker's code stands in makerWhiteBalance
  uint16_t exposureProgram = 0;
  uint16_t flash = 0;
  uint16_t cameraSettingsOffset = 0;
  TextField<20> dateTimeOriginal;
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
