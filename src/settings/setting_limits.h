#pragma once
// The ranges the options dialog accepts for its number fields, shared with
// the command line's --set.
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace folio {

// The most threads a job runs on, whatever `Threads` says.
inline constexpr int kMaxThreads = 64;

struct IntLimit {
  int low = 0;
  int high = 0;
};

struct KeyLimit {
  std::u16string_view section, key;
  IntLimit limit;
};
// Every bounded number key with its range.
std::span<const KeyLimit> AllLimits();

// The range of a number key, or none for a key the dialog does not bound.
std::optional<IntLimit> LimitOf(std::u16string_view section, std::u16string_view key);

// "Enter an integer between %1 and %2.", the dialog's message.
std::u16string RangeMessage(IntLimit limit);

}  // namespace folio
