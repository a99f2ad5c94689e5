// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One row per key of the settings file: its section and name, how its value
// is stored, and for a number the range the options dialog accepts (the
// command line's --set and the load check take the same). A row is found by
// its field, so a misspelt key is a compile error rather than a silent
// empty range.
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "settings/settings.h"

namespace folio {

// The most threads a job runs on, whatever `Threads` says.
inline constexpr int kMaxThreads = 64;

struct IntLimit {
  int low = 0;
  int high = 0;
  bool contains(long long value) const { return value >= low && value <= high; }
};

// How a key's value is stored.
enum class KeyKind {
  kInt,        // the number as written
  kFlag,       // "1" or "0"; anything but 1 reads as 0
  kText,       // in double quotes
  kLines,      // in double quotes, line ends as U+0001
  kDirectory,  // the folder box text: written only, the main window reads it
};

struct SettingKey {
  std::u16string_view section;
  std::u16string_view name;
  KeyKind kind = KeyKind::kInt;
  // Numbers outside are refused; none for a number the dialog does not bound.
  std::optional<IntLimit> range;
  int absentFlag = 0;  // what a flag missing from the file reads as
  // The field of a record (null for the directory, which has none).
  int* (*number)(Settings&) = nullptr;
  std::u16string* (*text)(Settings&) = nullptr;

  // The value of a default record: what a new file holds.
  int defaultNumber() const;
  std::u16string defaultText() const;
};

// Every key, in the order a save writes them.
std::span<const SettingKey> AllSettingKeys();

// The row of a key by its section and name, or null.
const SettingKey* FindSettingKey(std::u16string_view section, std::u16string_view name);

namespace detail {
template <typename Group>
constexpr auto kGroupOf = nullptr;
template <>
inline constexpr auto kGroupOf<ThumbnailSettings> = &Settings::thumbnail;
template <>
inline constexpr auto kGroupOf<ComposeSettings> = &Settings::compose;
template <>
inline constexpr auto kGroupOf<SettingSettings> = &Settings::setting;
template <>
inline constexpr auto kGroupOf<SlideShowSettings> = &Settings::slideShow;
template <>
inline constexpr auto kGroupOf<ResizeSettings> = &Settings::resize;

Settings& ProbeRecord();
// The row whose field lies at `field` in ProbeRecord(); throws
// std::logic_error for a field that is not stored.
const SettingKey& KeyAtField(const void* field);
}  // namespace detail

// The row of a stored field, e.g. KeyOf(&ThumbnailSettings::PhotoNo).
template <typename Group, typename Field>
const SettingKey& KeyOf(Field Group::*member) {
  return detail::KeyAtField(&(detail::ProbeRecord().*detail::kGroupOf<Group>.*member));
}

// The range of a bounded number field; throws std::logic_error for a field
// without one.
template <typename Group>
IntLimit RangeOf(int Group::*member) {
  const SettingKey& key = KeyOf(member);
  if (!key.range) throw std::logic_error("setting without a range");
  return *key.range;
}

// "Enter an integer between %1 and %2.", the dialog's message.
std::u16string RangeMessage(IntLimit limit);

}  // namespace folio
