// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/sorting.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace folio {

namespace {

// A record's sort key: a number, or a text (UTF-16 code-unit order).
struct SortKey {
  double number = 0;
  std::u16string_view text;
};

bool IsTextKeyword(SortKeyword keyword) {
  return keyword == SortKeyword::kFileName || keyword == SortKeyword::kMake ||
         keyword == SortKeyword::kModel || keyword == SortKeyword::kDate ||
         keyword == SortKeyword::kLens;
}

double Ratio(const Rational& r) {
  return r.denominator == 0 ? 0.0 : static_cast<double>(r.numerator) / r.denominator;
}

SortKey KeyOf(const ImageRecord& r, SortKeyword keyword) {
  switch (keyword) {
    case SortKeyword::kFileName: return {0, FieldText(r.fileName)};
    case SortKeyword::kMake: return {0, FieldText(r.make)};
    case SortKeyword::kModel: return {0, FieldText(r.model)};
    case SortKeyword::kDate: return {0, FieldText(r.dateTimeOriginal)};
    case SortKeyword::kLens: return {0, FieldText(r.lensName)};
    case SortKeyword::kShutter: return {ExposureSeconds(r), {}};
    case SortKeyword::kFNumber: return {Ratio(r.fNumber), {}};
    case SortKeyword::kIso: return {static_cast<double>(r.isoSpeed), {}};
    case SortKeyword::kFocal:
      // Whole millimetres: sorts 50/1 and 501/10 together.
      return {r.focalLength.denominator == 0
                  ? 0.0
                  : static_cast<double>(r.focalLength.numerator / r.focalLength.denominator),
              {}};
    case SortKeyword::kRandom: return {static_cast<double>(r.randomKey), {}};
    case SortKeyword::kNone: break;
  }
  return {};
}

int CompareKeys(const SortKey& a, const SortKey& b, SortKeyword keyword) {
  if (keyword == SortKeyword::kNone) return 0;
  if (IsTextKeyword(keyword)) {
    int c = a.text.compare(b.text);  // char16_t: unsigned code units
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
  }
  if (a.number < b.number) return -1;
  if (a.number > b.number) return 1;
  return 0;
}

int Compare(const ImageRecord& a, const ImageRecord& b) {
  const SortKeyword keyword = KeywordOf(FieldText(a.sortKeyword));
  return CompareKeys(KeyOf(a, keyword), KeyOf(b, keyword), keyword);
}

// Equal for grouping: the date keyword by the day alone, the focal length by
// the exact ratio.
bool SameGroup(const ImageRecord& a, const ImageRecord& b, SortKeyword keyword) {
  switch (keyword) {
    case SortKeyword::kMake: return FieldText(a.make) == FieldText(b.make);
    case SortKeyword::kModel: return FieldText(a.model) == FieldText(b.model);
    case SortKeyword::kLens: return FieldText(a.lensName) == FieldText(b.lensName);
    case SortKeyword::kDate:
      return FieldText(a.dateTimeOriginal).substr(0, 10) ==
             FieldText(b.dateTimeOriginal).substr(0, 10);
    case SortKeyword::kShutter: return ExposureSeconds(a) == ExposureSeconds(b);
    case SortKeyword::kFNumber: return Ratio(a.fNumber) == Ratio(b.fNumber);
    case SortKeyword::kIso: return a.isoSpeed == b.isoSpeed;
    case SortKeyword::kFocal: return Ratio(a.focalLength) == Ratio(b.focalLength);
    default: return false;
  }
}

// Puts records[order[i]] at i, one cycle of the permutation at a time, so
// that a large folder is not held twice while it is sorted. Takes order.
void PermuteInPlace(std::span<ImageRecord> records, std::vector<int>& order) {
  for (int start = 0; start < static_cast<int>(order.size()); ++start) {
    if (order[start] == start) continue;
    ImageRecord first = std::move(records[start]);
    int at = start;
    while (order[at] != start) {
      const int from = order[at];
      records[at] = std::move(records[from]);
      order[at] = at;
      at = from;
    }
    records[at] = std::move(first);
    order[at] = at;
  }
}

}  // namespace

SortKeyword KeywordOf(std::u16string_view text) {
  if (text == kKeywordFileName) return SortKeyword::kFileName;
  if (text == kKeywordMake) return SortKeyword::kMake;
  if (text == kKeywordModel) return SortKeyword::kModel;
  if (text == kKeywordDate) return SortKeyword::kDate;
  if (text == kKeywordShutter) return SortKeyword::kShutter;
  if (text == kKeywordFNumber) return SortKeyword::kFNumber;
  if (text == kKeywordIso) return SortKeyword::kIso;
  if (text == kKeywordFocal) return SortKeyword::kFocal;
  if (text == kKeywordRandom) return SortKeyword::kRandom;
  if (text == kKeywordLens) return SortKeyword::kLens;
  return SortKeyword::kNone;
}

double ExposureSeconds(const ImageRecord& r) {
  if (r.exposureTime.denominator != 0)
    return static_cast<double>(r.exposureTime.numerator) / r.exposureTime.denominator;
  if (r.shutterSpeedValue.denominator != 0) {
    double apex =
        static_cast<double>(r.shutterSpeedValue.numerator) / r.shutterSpeedValue.denominator;
    return 1.0 / std::pow(2.0, apex);
  }
  return 0;
}

int CompareAscending(const ImageRecord& a, const ImageRecord& b) { return Compare(a, b); }
int CompareDescending(const ImageRecord& a, const ImageRecord& b) { return -Compare(a, b); }

void SortCatalogue(std::span<ImageRecord> records, bool descending) {
  const int count = static_cast<int>(records.size());
  if (count < 2) return;
  // One keyword for the whole sort, so the order is consistent even if the
  // records disagree; keys are worked out once per record and the records
  // are moved once, after the order is known.
  const SortKeyword keyword = KeywordOf(FieldText(records[0].sortKeyword));
  if (keyword == SortKeyword::kNone) return;
  std::vector<SortKey> keys(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) keys[i] = KeyOf(records[i], keyword);
  std::vector<int> order(static_cast<std::size_t>(count));
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(), [&](int a, int b) {
    int c = CompareKeys(keys[a], keys[b], keyword);
    return descending ? c > 0 : c < 0;
  });
  // The keys view texts of the records: they are not used once these move.
  keys.clear();
  PermuteInPlace(records, order);
}

int GroupCatalogue(std::span<ImageRecord> records) {
  const int count = static_cast<int>(records.size());
  if (count < 1) return 0;
  const std::u16string_view text = FieldText(records[0].sortKeyword);
  const SortKeyword keyword = KeywordOf(text);
  if (text.empty() || keyword == SortKeyword::kFileName || keyword == SortKeyword::kRandom)
    return 0;
  records[0].groupNumber = 1;
  int changes = 0;
  if (keyword != SortKeyword::kNone) {
    for (int i = 1; i < count; ++i) {
      if (SameGroup(records[i - 1], records[i], keyword)) {
        records[i].groupNumber = records[i - 1].groupNumber;
      } else {
        records[i].groupNumber = records[i - 1].groupNumber + 1;
        ++changes;
      }
    }
  }
  return changes + 1;
}

bool KeywordPagesActive(int sortPage, std::span<const ImageRecord> records) {
  if (sortPage == 0 || records.empty()) return false;
  const SortKeyword keyword = KeywordOf(FieldText(records[0].sortKeyword));
  return keyword != SortKeyword::kNone && keyword != SortKeyword::kFileName &&
         keyword != SortKeyword::kRandom;
}

}  // namespace folio
