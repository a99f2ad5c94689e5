#include "settings/setting_limits.h"

#include "platform/text.h"

namespace folio {

namespace {

constexpr KeyLimit kLimits[] = {
    {u"Thumbnail", u"PhotoNo", {0, 10000}},
    {u"Thumbnail", u"LinkNo", {1, 100}},
    {u"Thumbnail", u"PhotoSize", {10, 10000}},
    {u"Thumbnail", u"LineNo", {1, 100}},
    {u"Thumbnail", u"FrameWidth", {10, 10000}},
    {u"Compose", u"CreateJpgWidth", {0, 10000}},
    {u"Compose", u"CreateJpgHeight", {0, 10000}},
    {u"Compose", u"JpgNumberW", {1, 10000}},
    {u"Compose", u"JpgNumberH", {1, 1000}},
    {u"Compose", u"SpaceSize", {0, 1000}},
    {u"Compose", u"BlankColorRed", {0, 255}},
    {u"Compose", u"BlankColorGreen", {0, 255}},
    {u"Compose", u"BlankColorBlue", {0, 255}},
    {u"Compose", u"JpgQuality", {0, 100}},
    {u"Compose", u"Multiple", {1, 100}},
    {u"Compose", u"MultipleX", {1, 100}},
    {u"Compose", u"MultipleY", {1, 100}},
    {u"Compose", u"TitleColorR", {0, 255}},
    {u"Compose", u"TitleColorG", {0, 255}},
    {u"Compose", u"TitleColorB", {0, 255}},
    {u"Compose", u"TitleFontSize", {1, 255}},
    {u"Resize", u"Size", {1, 10000}},
    {u"Resize", u"RaitoX", {0, 100}},
    {u"Resize", u"RaitoY", {0, 100}},
    {u"Resize", u"ResizeX", {0, 10000}},
    {u"Resize", u"ResizeY", {0, 10000}},
    {u"Resize", u"Quality", {0, 100}},
    {u"SlideShow", u"Speed", {100, 100000}},
    {u"SlideShow", u"Size", {10, 100000}},
    {u"Setting", u"Threads", {0, kMaxThreads}},
};

}  // namespace

std::span<const KeyLimit> AllLimits() { return kLimits; }

std::optional<IntLimit> LimitOf(std::u16string_view section, std::u16string_view key) {
  for (const KeyLimit& entry : kLimits)
    if (entry.section == section && entry.key == key) return entry.limit;
  return std::nullopt;
}

std::u16string RangeMessage(IntLimit limit) {
  return u"Enter an integer between " + DecimalText(limit.low) + u" and " +
         DecimalText(limit.high) + u".";
}

}  // namespace folio
