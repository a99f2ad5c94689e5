// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Folder-wide counts of exposure times, F numbers, ISO values, focal lengths
// and lens texts. The catalogue of a folder starts from fresh tallies; the
// Exif reader and the lens lookup count into them; the statistics lines
// print them in slot order.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace folio {

struct TallySlot {
  uint32_t value = 0;  // 0 in a slot that no value has taken yet
  uint32_t count = 0;
};

struct LensTallySlot {
  std::u16string text;  // empty: free (slots fill in order)
  uint32_t count = 0;
};

// Layout of ShutterTally: denominators of 1/x s exposures, then numerators of
// x/10 s exposures, then numerators added in order of first appearance.
inline constexpr int kShutterFractionSlots = 34;  // slots 0..33: 1/x
inline constexpr int kShutterTenthsFirst = 34;    // slots 34..54: x/10
inline constexpr int kShutterAddedFirst = 55;     // slots 55..99: added
inline constexpr int kShutterSlots = 100;
inline constexpr int kApertureSlots = 50;  // tenths of an F number
inline constexpr int kIsoSlots = 50;
inline constexpr int kFocalSlots = 1000;  // index: whole millimetres
inline constexpr int kLensSlots = 500;

struct ExifTallies {
  // The start values of every slot, every count 0.
  ExifTallies();

  std::array<TallySlot, kShutterSlots> ShutterTally;
  std::array<TallySlot, kApertureSlots> ApertureTally;
  std::array<TallySlot, kIsoSlots> IsoTally;
  std::array<uint32_t, kFocalSlots> FocalTally{};  // counts only
  std::array<LensTallySlot, kLensSlots> LensTally;

  // Counting rules, each a linear search in slot order (first match wins).
  void CountShutter(uint32_t numerator, uint32_t denominator);
  void CountAperture(uint32_t numerator, uint32_t denominator);
  void CountIso(uint16_t iso);
  void CountFocal(uint32_t numerator, uint32_t denominator);
  // The slot already holding the text, else the first free slot; nothing
  // when all slots hold other texts.
  void CountLens(std::u16string_view text);
};

}  // namespace folio
