#include "html/template_expander.h"

#include "html/value_format.h"
#include "platform/text.h"

namespace folio {

void ReplaceAll(std::u16string& text, std::u16string_view from, std::u16string_view to) {
  if (from.empty()) return;
  std::size_t pos = 0;
  while ((pos = text.find(from, pos)) != std::u16string::npos) {
    text.replace(pos, from.size(), to);
    pos += to.size();
  }
}

std::u16string ExpandTemplate(const ImageRecord& record, int n, std::u16string_view text) {
  std::u16string out(text);
  ReplaceAll(out, u"\r\n", u"<br>");
  ReplaceAll(out, u"%n", DecimalText(static_cast<long long>(n) + 1));
  ReplaceAll(out, u"%m", FieldText(record.make));
  ReplaceAll(out, u"%c", FieldText(record.model));
  ReplaceAll(out, u"%d", FieldText(record.dateTimeOriginal));
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
  ReplaceAll(out, u"%j", FieldText(record.fileName));
  ReplaceAll(out, u"%v", FieldText(record.lensName));
  ReplaceAll(out, u"%I", FormatTally(Tally::Iso));
  ReplaceAll(out, u"%F", FormatTally(Tally::Aperture));
  ReplaceAll(out, u"%S", FormatTally(Tally::Shutter));
  ReplaceAll(out, u"%V", FormatTally(Tally::Lens));
  ReplaceAll(out, u"%L", FormatTally(Tally::Focal));
  return out;
}

}  // namespace folio
