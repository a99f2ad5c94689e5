// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ICC profile a JPEG embeds, and the conversion of a photo's pixels from
// it into sRGB, the colours an untagged picture is shown in. Little CMS stays
// behind this header.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace folio {

// The largest profile taken from a photo; a bigger one is ignored.
inline constexpr size_t kMaxIccProfileBytes = size_t{4} << 20;

// The profile the APP2 "ICC_PROFILE" segments before the first scan carry,
// its chunks joined in sequence order. Empty when there is none, or when the
// chunks do not make one whole profile (a count that disagrees, a number
// missing or given twice, a cut segment, over kMaxIccProfileBytes).
std::vector<uint8_t> ReadIccProfile(const uint8_t* jpeg, size_t size);

// What the pixels of a photo with that profile need to show in sRGB: nothing
// for no profile, for an sRGB one (any maker's: judged by what it does to
// colours, not by its name), and for one that cannot be used on RGB pixels
// (unreadable, grey, CMYK); else a conversion. Conversions are made once per
// distinct profile and may be applied from several threads at once.
class ColourProfile {
 public:
  ColourProfile() = default;  // leaves pixels alone
  static ColourProfile FromIcc(const uint8_t* icc, size_t size);
  static ColourProfile FromIcc(const std::vector<uint8_t>& icc) {
    return FromIcc(icc.data(), icc.size());
  }

  bool convertsToSrgb() const { return conversion_ != nullptr; }

  // Rows of 32-bit pixels in B, G, R, X byte order, converted in place; the
  // fourth byte is kept.
  void ConvertToSrgb(uint8_t* pixels, int width, int height, std::ptrdiff_t bytesPerLine) const;

  struct Conversion;  // the colour engine's transform, shared by every holder

 private:
  explicit ColourProfile(std::shared_ptr<const Conversion> conversion)
      : conversion_(std::move(conversion)) {}
  std::shared_ptr<const Conversion> conversion_;
};

}  // namespace folio
