// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/exif_tallies.h"

#include <algorithm>

namespace folio {

namespace {

constexpr uint32_t kShutterStart[] = {
    // 1/x second: denominators
    8000, 6400, 5000, 4000, 3200, 2500, 2000, 1600, 1250, 1000, 800, 640, 500, 400, 320, 250, 200,
    160, 125, 100, 80, 60, 50, 40, 30, 25, 20, 15, 13, 10, 8, 6, 5, 4,
    // x/10 second: numerators
    3, 4, 5, 6, 8, 10, 13, 16, 20, 25, 32, 40, 50, 60, 80, 100, 130, 150, 200, 250, 300};
static_assert(std::size(kShutterStart) == kShutterAddedFirst);

constexpr uint32_t kApertureStart[] = {
    0,  8,  9,  10, 11,  12,  14,  16,  18,  20,  22,  25,  28,  32,  35,  40,  45,  50, 56,
    63, 71, 80, 90, 100, 110, 130, 140, 160, 180, 200, 220, 250, 290, 320, 360, 400, 450};

constexpr uint32_t kIsoStart[] = {
    50,   100,  125,  160,  200,  250,  320,   400,   640,   800,   1000,  1250,  1600,  2000,
    2500, 3200, 4000, 5000, 6400, 8000, 10000, 12800, 16000, 20000, 25600, 51200, 65535, 102400};

template <std::size_t N, std::size_t M>
void Fill(std::array<TallySlot, N>& table, const uint32_t (&start)[M]) {
  static_assert(M <= N);
  for (std::size_t i = 0; i < N; ++i) table[i] = TallySlot{i < M ? start[i] : 0, 0};
}

// Adds one to the first slot in [first, last) holding the value.
template <std::size_t N>
bool CountIn(std::array<TallySlot, N>& table, std::size_t first, std::size_t last, uint32_t value) {
  for (std::size_t i = first; i < last; ++i) {
    if (table[i].value == value) {
      ++table[i].count;
      return true;
    }
  }
  return false;
}

}  // namespace

ExifTallies::ExifTallies() {
  Fill(ShutterTally, kShutterStart);
  Fill(ApertureTally, kApertureStart);
  Fill(IsoTally, kIsoStart);
}

void ExifTallies::CountShutter(uint32_t numerator, uint32_t denominator) {
  auto& table = ShutterTally;
  if (numerator == 1) {
    CountIn(table, 0, kShutterFractionSlots, denominator);
    return;
  }
  // A zero exposure is no exposure; counting it would also mark a free slot
  // (value 0) as used without a value of its own.
  if (numerator == 0) return;
  if (CountIn(table, kShutterTenthsFirst, kShutterAddedFirst, numerator)) return;
  for (std::size_t i = kShutterAddedFirst; i < table.size(); ++i) {
    if (table[i].value == numerator) {
      ++table[i].count;
      return;
    }
    if (table[i].value == 0) {
      table[i] = TallySlot{numerator, 1};
      return;
    }
  }
}

void ExifTallies::CountAperture(uint32_t numerator, uint32_t denominator) {
  auto& table = ApertureTally;
  if (denominator == 10) {
    CountIn(table, 0, table.size(), numerator);
  } else if (denominator == 1) {
    // n x 10 beyond 32 bits matches no slot.
    uint64_t tenths = static_cast<uint64_t>(numerator) * 10;
    if (tenths <= UINT32_MAX) CountIn(table, 0, table.size(), static_cast<uint32_t>(tenths));
  }
}

void ExifTallies::CountIso(uint16_t iso) {
  auto& table = IsoTally;
  CountIn(table, 0, table.size(), iso);
}

void ExifTallies::CountFocal(uint32_t numerator, uint32_t denominator) {
  if (denominator == 1 && numerator < kFocalSlots) ++FocalTally[numerator];
}

void ExifTallies::CountLens(std::u16string_view text) {
  if (text.empty()) return;  // an empty text would look like a free slot
  for (LensTallySlot& slot : LensTally) {
    if (slot.text.empty()) {
      slot.text = text;
      slot.count = 1;
      return;
    }
    if (slot.text == text) {
      ++slot.count;
      return;
    }
  }
}

}  // namespace folio
