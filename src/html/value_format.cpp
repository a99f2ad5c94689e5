// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/value_format.h"

#include <cmath>

#include "html/escaping.h"
#include "platform/text.h"

namespace folio {

std::u16string FormatFixed(double value, int decimals) {
  return FromUtf8(FixedAscii(value, decimals));
}

namespace {

std::u16string Reciprocal(std::u16string_view denominator) {
  std::u16string text = u"1/";
  text += denominator;
  return text;
}

// Whole number of a positive real, truncated toward zero, as "%d" of an int.
std::u16string Truncated(double value) {
  if (!(value < 2147483648.0)) value = 2147483647.0;  // beyond int: clamp, never UB
  return DecimalText(static_cast<int>(value));
}

}  // namespace

std::u16string FormatShutterSpeed(const ImageRecord& record) {
  const uint32_t n = record.exposureTime.numerator;
  const uint32_t d = record.exposureTime.denominator;
  if (d != 0) {
    const double t = static_cast<double>(n) / static_cast<double>(d);
    if (t > 2) return Truncated(t);
    if (t == 1) return u"1";
    if (t > 1) return FormatFixed(t, 2);
    if (t > 0.1) {
      if (d % n == 0) return Reciprocal(DecimalText(d / n));
      return Reciprocal(FormatFixed(static_cast<double>(d) / n, 2));
    }
    if (n == 0) return u"0";
    return Reciprocal(DecimalText(d / n));
  }
  const int32_t a = record.shutterSpeedValue.numerator;
  const int32_t b = record.shutterSpeedValue.denominator;
  if (b == 0) return u"0";
  const double v = std::pow(2.0, static_cast<double>(a) / static_cast<double>(b));
  if (v > 2) return Reciprocal(Truncated(v));
  if (v == 1) return u"1";
  if (v < 1) return Truncated(1 / v);
  // 0.5 s up to just under 1 s: a reciprocal like the exposure-time texts of
  // that range, whole when it is whole.
  if (v == std::floor(v)) return Reciprocal(Truncated(v));
  return Reciprocal(FormatFixed(v, 2));
}

std::u16string FormatIso(const ImageRecord& record) { return DecimalText(record.isoSpeed); }

std::u16string FormatFNumber(const ImageRecord& record) {
  const Rational f = record.fNumber;
  if (f.denominator == 1) return DecimalText(f.numerator);
  if (f.denominator == 0) return u"0";
  return FormatFixed(static_cast<double>(f.numerator) / f.denominator, 1);
}

std::u16string FormatFocalLength(const ImageRecord& record) {
  const Rational f = record.focalLength;
  if (f.denominator == 0) return u"0";
  return DecimalText(f.numerator / f.denominator);
}

std::u16string FormatPixelHeight(const ImageRecord& record) {
  // "%d" of the stored 32-bit value
  return DecimalText(static_cast<int32_t>(record.pixelHeight));
}

std::u16string FormatPixelWidth(const ImageRecord& record) {
  return DecimalText(static_cast<int32_t>(record.pixelWidth));
}

std::u16string FormatExposureBias(const ImageRecord& record) {
  const SRational r = record.exposureBias;
  if (r.denominator == 0 || r.numerator == 0) return u"0";
  return FormatFixed(static_cast<double>(r.numerator) / r.denominator, 1);
}

std::u16string FormatExposureProgram(const ImageRecord& record) {
  switch (record.exposureProgram) {
    case 1: return u"マニュアル";
    case 2: return u"プログラム";
    case 3: return u"絞り優先";
    case 4: return u"シャッタースピード優先";
    case 5: return u"低速プログラム";
    case 6: return u"高速プログラム";
    case 7: return u"ポートレート";
    case 8: return u"風景";
    default: return DecimalText(record.exposureProgram);
  }
}

std::u16string FormatWhiteBalance(const ImageRecord& record) {
  switch (record.whiteBalance) {
    case 0: return u"オート";
    case 1: return u"オート以外";
    case kMakerWhiteBalance: break;
    default: return DecimalText(record.whiteBalance);
  }
  switch (record.makerWhiteBalance) {
    case 0: return u"オート";
    case 1: return u"太陽光";
    case 2: return u"曇り";
    case 3: return u"白熱電球";
    case 4: return u"蛍光灯";
    case 5: return u"ストロボ";
    case 6: return u"カスタム";
    case 7: return u"白黒";
    case 8: return u"日陰";
    case 9: return u"色温度設定";
    case 14: return u"蛍光灯H";
    case 15: return u"カスタム";
    case 17: return u"水中";
    default: return DecimalText(record.makerWhiteBalance);
  }
}

std::u16string FormatFlash(const ImageRecord& record) {
  switch (record.flash) {
    case 0: return u"非発光";
    case 1: return u"発光";
    case 9: return u"強制発光";
    case 16: return u"発光禁止";
    case 25: return u"発光(オート)";
    case 89: return u"赤目軽減発光(オート)";
    default: return DecimalText(record.flash);
  }
}

namespace {

// "%0.1f" of a slot value in tenths, divided in single precision.
std::u16string Tenths(uint32_t value) {
  const float tenths = static_cast<float>(value) / 10.0f;
  return FormatFixed(tenths, 1);
}

std::u16string Count(uint32_t count) { return DecimalText(count) + u"枚<br>"; }

}  // namespace

std::u16string FormatTally(const ExifTallies& tallies, Tally which) {
  std::u16string out;
  switch (which) {
    case Tally::Shutter:
      for (int s = 0; s < kShutterSlots; ++s) {
        const TallySlot& slot = tallies.ShutterTally[static_cast<std::size_t>(s)];
        if (slot.count == 0) continue;
        if (s < kShutterFractionSlots)
          out += u"シャッタースピード 1/" + DecimalText(slot.value) + u"sec " + Count(slot.count);
        else
          out += u"シャッタースピード " + Tenths(slot.value) + u"sec " + Count(slot.count);
      }
      break;
    case Tally::Aperture:
      for (const TallySlot& slot : tallies.ApertureTally)
        if (slot.count != 0) out += u"絞り F" + Tenths(slot.value) + u" " + Count(slot.count);
      break;
    case Tally::Iso:
      for (const TallySlot& slot : tallies.IsoTally) {
        if (slot.count == 0) continue;
        // The 16-bit ISO field tops out at 65535, which stands for 102400.
        const uint32_t value = slot.value == 65535 ? 102400 : slot.value;
        out += u"ISO感度 " + DecimalText(value) + u" " + Count(slot.count);
      }
      break;
    case Tally::Focal:
      for (int mm = 0; mm < kFocalSlots; ++mm) {
        const uint32_t count = tallies.FocalTally[static_cast<std::size_t>(mm)];
        if (count != 0) out += u"焦点距離 " + DecimalText(mm) + u"mm " + Count(count);
      }
      break;
    case Tally::Lens:
      // Lens slots fill in order: the first empty count ends the list.
      for (const LensTallySlot& slot : tallies.LensTally) {
        if (slot.count == 0) break;
        out += EscapeHtml(slot.text) + u" " + Count(slot.count);
      }
      break;
  }
  return out;
}

}  // namespace folio
