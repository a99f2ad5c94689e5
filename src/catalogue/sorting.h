// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Orders the catalogue by the sort keyword the records carry and numbers the
// runs of equal keyword values (one page set per run).
#include <span>
#include <string_view>

#include "catalogue/image_record.h"

namespace folio {

// The ten keywords of the options dialog.
inline constexpr std::u16string_view kKeywordFileName = u"ファイル名";
inline constexpr std::u16string_view kKeywordMake = u"メーカー";
inline constexpr std::u16string_view kKeywordModel = u"カメラモデル";
inline constexpr std::u16string_view kKeywordDate = u"撮影日時";
inline constexpr std::u16string_view kKeywordShutter = u"シャッタースピード";
inline constexpr std::u16string_view kKeywordFNumber = u"F値";
inline constexpr std::u16string_view kKeywordIso = u"ISO感度";
inline constexpr std::u16string_view kKeywordFocal = u"焦点距離";
inline constexpr std::u16string_view kKeywordRandom = u"ランダム";
inline constexpr std::u16string_view kKeywordLens = u"レンズ情報";

enum class SortKeyword {
  kNone,  // empty, or a typed text that is none of the ten
  kFileName,
  kMake,
  kModel,
  kDate,
  kShutter,
  kFNumber,
  kIso,
  kFocal,
  kRandom,
  kLens,
};

// Exact match against the ten texts.
SortKeyword KeywordOf(std::u16string_view text);

// Exposure time in seconds: ExposureTime, else 2^-ShutterSpeedValue, else 0.
double ExposureSeconds(const ImageRecord& record);

// The comparators: -1, 0 or 1 by the sort key of the keyword in a's
// sortKeyword (0 for a keyword that is none of the ten). Texts compare as
// UTF-16 code units; the descending one gives the opposite sign.
int CompareAscending(const ImageRecord& a, const ImageRecord& b);
int CompareDescending(const ImageRecord& a, const ImageRecord& b);

// Sorts all records (not stable) by the keyword of the first record,
// descending when `descending`. A keyword that is none of the ten leaves the
// order as it is.
void SortCatalogue(std::span<ImageRecord> records, bool descending);

// Numbers the runs of records with equal keyword values from 1 and returns
// the number of runs. Nothing (0) for "ファイル名", "ランダム" or the empty
// keyword; for a typed keyword that is none of the ten, the first record
// gets 1, the others keep 0, and the result is 1.
int GroupCatalogue(std::span<ImageRecord> records);

// Whether the thumbnail pages follow the runs (one page per run): `SortPage`
// on and a keyword that groups. A typed text that is none of the keywords
// leaves every record after the first without a group, so pages by group
// would hold the first photo alone and leave the others unplaced.
bool KeywordPagesActive(int sortPage, std::span<const ImageRecord> records);

}  // namespace folio
