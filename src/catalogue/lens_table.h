// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Names a lens from its focal range and the maker's lens-type number, and
// counts every named lens in LensTally.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "catalogue/exif_tallies.h"

namespace folio {

struct LensEntry {
  std::u16string_view key;  // "%04X-%04X-%04X": short end, long end, lens type
  std::u16string_view text;
};

// The built-in table of known lenses (keys unique).
std::span<const LensEntry> LensTable();

// The table key of a lens: short and long end in whole millimetres.
std::u16string LensKey(uint32_t lensType, uint32_t shortEnd, uint32_t longEnd);

// The table text of the lens, or "<short>-<long>mm" when the table lacks it;
// the result is counted in the tallies' LensTally.
std::u16string LookupLens(uint32_t lensType, uint32_t shortEnd, uint32_t longEnd,
                          ExifTallies& tallies);

}  // namespace folio
