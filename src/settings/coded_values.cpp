// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/coded_values.h"

#include <algorithm>

#include "platform/ini_profile.h"
#include "platform/text.h"

namespace folio {

namespace {

// A cell number as the file gives it (the leading number, as every number
// key reads), held within a billion, far beyond any grid, so that a long run
// of digits cannot wrap round into a cell of the sheet.
int CellNumber(std::u16string_view text) {
  return std::clamp(LeadingNumber(text), -1000000000, 1000000000);
}

struct NamedPlace {
  std::u16string_view text;
  TitlePosition::Place place;
};
constexpr NamedPlace kNamedPlaces[] = {
    {u"中央", TitlePosition::Place::kCentre},      {u"左上", TitlePosition::Place::kTopLeft},
    {u"右上", TitlePosition::Place::kTopRight},    {u"左下", TitlePosition::Place::kBottomLeft},
    {u"右下", TitlePosition::Place::kBottomRight}, {u"ランダム", TitlePosition::Place::kRandom},
};

constexpr std::u16string_view kPaperTexts[] = {
    u"L版（89×127）",   u"はがき（102×152）", u"A4（210×297）",   u"八切（165×216）",
    u"六切（203×254）", u"四切（254×305）",   u"半切（356×432）", u"カスタム",
};

}  // namespace

std::optional<JobMode> JobModeFromStored(int stored) {
  switch (stored) {
    case kModeThumbnail:
    case kModeSlideshow:
    case kModeComposite:
    case kModeResize: return static_cast<JobMode>(stored);
    default: return std::nullopt;
  }
}

int StoredJobMode(JobMode mode) { return static_cast<int>(mode); }

RewindPolicy RewindPolicyFromStored(int stored) {
  switch (stored) {
    case 1: return RewindPolicy::kPagesOnly;
    case 2: return RewindPolicy::kRewindOnly;
    default: return RewindPolicy::kRewindAndPages;
  }
}

int StoredRewindPolicy(RewindPolicy policy) { return static_cast<int>(policy); }

TitlePosition TitlePositionFromText(std::u16string_view text) {
  for (const NamedPlace& named : kNamedPlaces)
    if (text == named.text) return {named.place};
  // "column:row", both from 1; a colon in first place is not one.
  const std::size_t colon = text.size() > 1 ? text.find(u':', 1) : text.npos;
  if (colon == text.npos) return {};
  return {TitlePosition::Place::kCell, CellNumber(text), CellNumber(text.substr(colon + 1))};
}

std::u16string TitlePositionText(TitlePosition position) {
  if (position.place == TitlePosition::Place::kCell)
    return DecimalText(position.column) + u":" + DecimalText(position.row);
  for (const NamedPlace& named : kNamedPlaces)
    if (position.place == named.place) return std::u16string(named.text);
  return {};
}

std::optional<PaperSize> PaperSizeFromText(std::u16string_view text) {
  for (std::size_t i = 0; i < std::size(kPaperTexts); ++i)
    if (text == kPaperTexts[i]) return static_cast<PaperSize>(i);
  return std::nullopt;
}

std::u16string_view PaperSizeText(PaperSize paper) {
  return kPaperTexts[static_cast<std::size_t>(paper)];
}

}  // namespace folio
