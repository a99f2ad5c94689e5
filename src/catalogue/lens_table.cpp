// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/lens_table.h"

#include <cstdio>

#include "catalogue/exif_tallies.h"

namespace folio {

namespace {

// Lenses known by focal range and lens-type number. The texts are shown on
// the pages exactly as written here (two end in a space).
constexpr LensEntry kLenses[] = {
    {u"0008-0008-0083", u"Sigma 8mm F3.5 EX DG Circular Fisheye"},
    {u"000A-0011-00A0", u"Tokina AT-X107DX Fisheye 10-17mm F3.5-4.5"},
    {u"000A-0014-0098", u"Sigma 10-20mm F4-5.6 EX DC HSM (APS-C用)"},
    {u"000A-0016-00EB", u"Canon EF-S 10-22mm F3.5-4.5 USM"},
    {u"000C-0018-0098", u"Sigma 12-24mm F4.5-5.6 EX DG ASPHERICAL HSM"},
    {u"000E-000E-0096", u"Tamron SP AF14mm F2.8 ASPHERICAL [IF] Model 69E (14mm F2.7)"},
    {u"000E-000E-0098", u"Sigma 14mm F2.8 EX Aspherical HSM"},
    {u"000E-000E-00F7", u"Canon EF 14mm F2.8L II USM"},
    {u"000F-000F-000D", u"Canon EF 15mm F2.8 Fisheye"},
    {u"000F-000F-0020", u"Sigma 15mm F2.8 EX DG DIAGONAL FISHEYE"},
    {u"000F-001E-00A9", u"Sigma 15-30mm F3.5-4.5 EX DG ASPHERICAL"},
    {u"0010-0023-00E5", u"Canon EF 16-35mm F2.8L USM"},
    {u"0010-0023-00F6", u"Canon EF 16-35mm F2.8L II USM"},
    {u"0011-0023-0083", u"Sigma 17-35mm F2.8-4 EX DG Aspherical HSM"},
    {u"0011-0023-00A1", u"Tamron SP AF17-35mm F2.8-4 Di LD ASPHERICAL [IF] Model A05"},
    {u"0011-0023-00A9", u"Canon EF 17-35mm F2.8L USM"},
    {u"0011-0028-00E7", u"Canon EF 17-40mm F4L USM"},
    {u"0011-0032-00A1", u"Tamron SP AF17-50mm F2.8 XR Di II LD Aspherical[IF] Model A16 (APS-C用)"},
    {u"0011-0037-00F0", u"Canon EF-S 17-55mm F2.8 IS USM"},
    {u"0011-0055-00EA", u"Canon EF-S 17-85mm F4-5.6 IS USM"},
    {u"0012-0032-00A9", u"Sigma 18-50mm F2.8 EX DC MACRO (APS-C用)"},
    {u"0012-0037-002D", u"Canon EF-S 18-55mm F3.5-5.6"},
    {u"0012-0037-0030", u"Canon EF-S 18-55mm F3.5-5.6 IS"},
    {u"0012-0037-00D6", u"Canon EF-S 18-55mm F3.5-5.6 II USM"},
    {u"0012-007D-0006", u"Sigma 18-125mm F3.5-5.6 DC (APS-C用)"},
    {u"0012-00C8-0099",
     u"Tamron AF18-200mm F3.5-6.3 XR DiⅡ LD Aspherical [IF] Macro Model A14 (APS-C用)"},
    {u"0012-00C8-00A9",
     u"Sigma 18-200mm F3.5-6.3 DC OS (APS-C用) / Sigma 18-200mm F3.5-6.3 DC (APS-C用)"},
    {u"0012-00FA-0099",
     u"Tamron AF18-250mm F3.5-6.3 DiII LD Aspherical [IF] MACRO Model A18(APS-C用)"},
    {u"0012-01C8-0099",
     u"Tamron AF18-200mm F3.5-6.3 XR DiⅡ LD Aspherical [IF] Macro Model A14 (APS-C用)"},
    {u"0014-0014-009A", u"Canon EF 20mm F2.8 USM"},
    {u"0014-0023-00A0", u"Canon EF 20-35mm F3.5-4.5 USM"},
    {u"0018-0018-007D", u"Canon TS-E 24mm F3.5L"},
    {u"0018-0018-0096", u"Sigma 24mm F1.8 DG Macro EX"},
    {u"0018-0018-00B3", u"Canon EF 24mm F1.4L USM"},
    {u"0018-0046-00A1", u"Sigma 24-70mm EX F2.8"},
    {u"0018-0046-00E6", u"Canon EF 24-70mm F2.8L"},
    {u"0018-0055-00B0", u"Canon EF 24-85mm F3.5-4.5 USM"},
    {u"0018-0069-00ED", u"Canon EF 24-105mm F4L IS USM"},
    {u"0018-00C8-0008", u"Tokina AT-X242AF 24-200mm F3.5-5.6"},
    {u"001C-001C-0002", u"Canon EF 28mm F2.8"},
    {u"001C-001C-00A8", u"Canon EF 28mm F1.8 USM"},
    {u"001C-0046-00A1", u"Canon EF 28-70mm F2.8L USM"},
    {u"001C-0046-00A9", u"Sigma 28-70mm F2.8 DG"},
    {u"001C-004B-001C", u"Tamron SP AF 28-75mm F2.8 XR Di LD Aspherical [IF] Macro"},
    {u"001C-0050-0016", u"Tokina AT-X280AF PRO 28-80mm F2.8"},
    {u"001C-0069-001C", u"Tamron SP AF 28-105mm F2.8 LD Aspherical IF"},
    {u"001C-0069-009C", u"Canon EF 28-105mm F3.5-4.5 USM"},
    {u"001C-0069-00D4", u"Canon EF 28-105mm F4-5.6 USM"},
    {u"001C-0087-00B2", u"Canon EF 28-135mm F3.5-5.6 IS USM"},
    {u"001C-00C8-0006", u"Sigma 28-200mm F3.5-5.6 DG MACRO"},
    {u"001C-00C8-00D3", u"Canon EF 28-200mm F3.5-5.6"},
    {u"001C-012C-0006", u"Sigma 28-300mm F3.5-6.3 DG MACRO"},
    {u"001C-012C-002A", u"Tamron AF 28-300mm F3.5-6.3 XR Di VC LD Aspherical [IF] Macro Model A20"},
    {u"001C-012C-0099", u"Tamron AF28-300mm F3.5-6.3 XR LD Aspherical [IF] MACRO A061"},
    {u"001E-001E-0096", u"Sigma 30mm F1.4 DC HSM"},
    {u"0023-0023-000B", u"Canon EF 35mm F2 USM"},
    {u"0023-0023-00B4", u"Canon EF 35mm F1.4L USM"},
    {u"002D-002D-007E", u"Canon TS-E 45mm F2.8"},
    {u"0032-0032-0001", u"Canon EF 50mm F1.8"},
    {u"0032-0032-000A", u"Sigma 50mm F2.8 EX"},
    {u"0032-0032-001D", u"Canon EF 50mm F1.8 II"},
    {u"0032-0032-0082", u"Canon EF 50mm F1.0L USM"},
    {u"0032-0032-00C6", u"Canon EF 50mm F1.4 USM"},
    {u"0032-0032-00F1", u"Canon EF 50mm F1.2L USM"},
    {u"0032-0096-0083", u"Sigma APO 50-150mm F2.8 EX DC HSM"},
    {u"0032-01F4-0099", u"Sigma 50-500mm F4-6.3 APO HSM EX \"Bigma\""},
    {u"0037-00C8-00D7", u"Canon EF 55-200mm F4.5-5.6 II USM"},
    {u"003C-003C-00EC", u"Canon EF-S 60mm F2.8 MACRO USM"},
    {u"0041-0041-007C", u"Canon MP-E 65mm F2.8 1-5x Macro"},
    {u"0046-0046-000A", u"Sigma MACRO 70mm F2.8 EX DG"},
    {u"0046-00C8-00A5", u"Canon EF 70-200mm F2.8L USM"},
    {u"0046-00C8-00BA", u"Canon EF 70-200mm F2.8L"},
    {u"0046-00C8-00E0", u"Canon EF 70-200mm F2.8L IS USM"},
    {u"0046-00C8-00F2", u"Canon EF 70-200mm F4L IS USM"},
    {u"0046-012C-0008", u"Sigma 70-300mm F4-5.6 DG MACRO"},
    {u"0046-012C-00E8", u"Canon EF 70-300mm F4.5-5.6 DO IS USM"},
    {u"0046-012C-00EE", u"Canon EF 70-300mm F4-5.6 IS USM"},
    {u"004B-012C-0027", u"Canon EF 75-300mm F4-5.6"},
    {u"004B-012C-00C4", u"Canon 75-300mm F4"},
    {u"004B-012C-00C5", u"Canon EF 75-300mm F4-5.6 IS USM"},
    {u"0055-0055-0089", u"Canon EF 85mm F1.2L USM"},
    {u"0055-0055-009B", u"Canon EF 85mm F1.8 USM"},
    {u"0055-0055-00EF", u"Canon EF 85mm F1.2L II USM"},
    {u"005A-005A-001A", u"Tamron SP AF 90mm F2.8 Di Macro"},
    {u"005A-005A-007F", u"Canon TS-E 90mm F2.8"},
    {u"005A-005A-00A1", u"Tamron SP AF90mm F2.8 Di MACRO(272E)"},
    {u"0062-0118-00A6", u"Canon EF 70-200mm F2.8L USM x 1.4"},
    {u"0062-0118-00F3", u"Canon EF 70-200mm F4L IS USM x 1.4"},
    {u"0064-0064-0095", u"Canon EF 100mm F2 USM"},
    {u"0064-0064-00BE", u"Canon EF 100mm F2.8 Macro USM"},
    {u"0064-012C-0007", u"Canon EF 100-300mm F5.6L"},
    {u"0064-0190-00B7", u"Canon EF 100-400mm F4.5-5.6L IS"},
    {u"0069-0069-000A", u"Sigma MACRO 105mm F2.8 EX DG"},
    {u"0078-012C-0083", u"Sigma APO 120-300mm F2.8 EX DG HSM"},
    {u"0087-0087-00AE", u"Canon EF 135mm F2L USM"},
    {u"008C-0190-00A7", u"Canon EF 70-200mm F2.8L USM x 2"},
    {u"008C-0190-00E2", u"Canon EF 70-200mm F2.8L IS USM x 2"},
    {u"008C-0230-00B5", u"Canon EF 100-400mm F4.5-5.6L IS x 1.4 "},
    {u"0096-0096-00AD", u"Sigma APO MACRO 150mm F2.8 EX DG HSM"},
    {u"00A8-01A4-0083", u"Sigma APO 120-300mm F2.8 EX DG HSM x 1.4"},
    {u"00B4-00B4-001A", u"Tamron SP AF 180mm F3.5 Di Macro "},
    {u"00B4-00B4-00AD", u"Canon EF 180mm F3.5L Macro USM"},
    {u"00C8-00C8-0087", u"Canon EF 200mm F1.8L USM"},
    {u"00C8-00C8-0097", u"Canon EF 200mm F2.8L USM"},
    {u"00F0-0258-0083", u"Sigma APO 120-300mm F2.8 EX DG HSM x 2"},
    {u"012C-012C-001F", u"Tamron SP AF 300mm F2.8 LD IF"},
    {u"012C-012C-0088", u"Canon EF 300mm F2.8L USM"},
    {u"012C-012C-008E", u"Canon EF 300mm F2.8L IS"},
    {u"012C-012C-0098", u"Canon EF 300mm F4L IS USM (300mm F5.7?)"},
    {u"012C-012C-00AB", u"Canon EF 300mm F4L USM"},
    {u"012C-012C-00B1", u"Canon EF 300mm F4L IS"},
    {u"0190-0190-008B", u"Canon EF 400mm F2.8L USM"},
    {u"0190-0190-00B8", u"Canon EF 400mm F2.8L"},
    {u"01F4-01F4-008F", u"Canon EF 500mm F4L IS USM"},
    {u"0258-0258-0086", u"Canon EF 600mm F4L IS USM"},
    {u"0012-010E-0025", u"Tamron AF18-270mm F/3.5-6.3 Di II VC"},
    {u"0046-012C-00D5", u"Tamron SP 70-300mm F/4-5.6 Di VC USD"},
};

std::u16string Ascii(const char* text) {
  std::u16string out;
  for (; *text; ++text) out.push_back(static_cast<unsigned char>(*text));
  return out;
}

}  // namespace

std::span<const LensEntry> LensTable() { return kLenses; }

std::u16string LensKey(uint32_t lensType, uint32_t shortEnd, uint32_t longEnd) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%04X-%04X-%04X", shortEnd, longEnd, lensType);
  return Ascii(buffer);
}

std::u16string LookupLens(uint32_t lensType, uint32_t shortEnd, uint32_t longEnd,
                          ExifTallies& tallies) {
  const std::u16string key = LensKey(lensType, shortEnd, longEnd);
  std::u16string text;
  for (const LensEntry& entry : kLenses) {
    if (entry.key == key) {
      text = entry.text;
      break;
    }
  }
  if (text.empty()) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%u-%umm", shortEnd, longEnd);
    text = Ascii(buffer);
  }
  tallies.CountLens(text);
  return text;
}

}  // namespace folio
