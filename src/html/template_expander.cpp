// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/template_expander.h"

#include "html/escaping.h"
#include "html/value_format.h"
#include "platform/text.h"

namespace folio {

std::u16string ExpandTemplate(const ImageRecord& record, int n, std::u16string_view text,
                              const ExifTallies& tallies) {
  std::u16string out(text);
  ReplaceAll(out, u"\r\n", u"<br>");
  ReplaceAll(out, u"%n", DecimalText(static_cast<long long>(n) + 1));
  ReplaceAll(out, u"%m", EscapeHtml(FieldText(record.make)));
  ReplaceAll(out, u"%c", EscapeHtml(FieldText(record.model)));
  ReplaceAll(out, u"%d", EscapeHtml(FieldText(record.dateTimeOriginal)));
  ReplaceAll(out, u"%i", FormatIso(record));
  ReplaceAll(out, u"%s", FormatShutterSpeed(record));
  ReplaceAll(out, u"%f", FormatFNumber(record));
  ReplaceAll(out, u"%l", FormatFocalLength(record));
  ReplaceAll(out, u"%h", FormatPixelHeight(record));
  ReplaceAll(out, u"%w", FormatPixelWidth(record));
  ReplaceAll(out, u"%e", FormatExposureProgram(record));
  ReplaceAll(out, u"%b", FormatWhiteBalance(record));
  ReplaceAll(out, u"%r", FormatExposureBias(record));
  ReplaceAll(out, u"%t", FormatFlash(record));
  ReplaceAll(out, u"%j", EscapeHtml(FieldText(record.fileName)));
  ReplaceAll(out, u"%v", EscapeHtml(FieldText(record.lensName)));
  ReplaceAll(out, u"%I", FormatTally(tallies, Tally::Iso));
  ReplaceAll(out, u"%F", FormatTally(tallies, Tally::Aperture));
  ReplaceAll(out, u"%S", FormatTally(tallies, Tally::Shutter));
  ReplaceAll(out, u"%V", FormatTally(tallies, Tally::Lens));
  ReplaceAll(out, u"%L", FormatTally(tallies, Tally::Focal));
  return out;
}

}  // namespace folio
