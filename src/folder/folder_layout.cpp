// SPDX-License-Identifier: GPL-3.0-or-later
#include "folder/folder_layout.h"

#include "platform/text.h"

namespace folio {

namespace {
constexpr std::u16string_view kThumbnailPagePrefix = u"page";
}  // namespace

std::u16string ThumbnailPageName(int page) {
  return std::u16string(kThumbnailPagePrefix) + DecimalText(page) + std::u16string(kPageSuffix);
}

bool IsThumbnailPageName(std::u16string_view name) {
  if (name.size() <= kThumbnailPagePrefix.size() + kPageSuffix.size() ||
      !name.starts_with(kThumbnailPagePrefix) || !name.ends_with(kPageSuffix))
    return false;
  const std::u16string_view digits = name.substr(
      kThumbnailPagePrefix.size(), name.size() - kThumbnailPagePrefix.size() - kPageSuffix.size());
  if (digits.front() == u'0') return false;
  for (const char16_t c : digits)
    if (c < u'0' || c > u'9') return false;
  return true;
}

std::u16string SheetName(int sheet) { return u"Image" + DecimalText(sheet) + u".jpg"; }

std::u16string PathInFolder(std::u16string_view folder, std::u16string_view name) {
  std::u16string path(folder);
  path += u'/';
  path += name;
  return path;
}

}  // namespace folio
