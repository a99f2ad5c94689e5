#include "catalogue/image_record.h"

#include <algorithm>
#include <mutex>
#include <unordered_map>

namespace folio {

std::shared_ptr<const std::u16string> SharedText(std::u16string_view text) {
  // Texts no record holds any more are dropped whenever the table has
  // doubled, so a long session of many cameras keeps no more than it uses.
  static std::mutex mutex;
  static std::unordered_map<std::u16string, std::weak_ptr<const std::u16string>> table;
  static std::size_t sweepAt = 64;
  const std::lock_guard lock(mutex);
  std::weak_ptr<const std::u16string>& slot = table[std::u16string(text)];
  std::shared_ptr<const std::u16string> shared = slot.lock();
  if (!shared) {
    shared = std::make_shared<const std::u16string>(text);
    slot = shared;
  }
  if (table.size() >= sweepAt) {
    std::erase_if(table, [](const auto& entry) { return entry.second.expired(); });
    sweepAt = std::max<std::size_t>(64, 2 * table.size());
  }
  return shared;
}

}  // namespace folio
