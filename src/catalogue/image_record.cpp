#include "catalogue/image_record.h"

#include <algorithm>
#include <atomic>
#include <limits>
#include <mutex>
#include <unordered_map>

namespace folio {

void HeapText::assign(std::u16string_view text) {
  if (text.empty()) {
    units_.reset();
    return;
  }
  text = text.substr(0, std::numeric_limits<char16_t>::max());
  // Made before the old text goes: text may view it.
  auto units = std::make_unique_for_overwrite<char16_t[]>(text.size() + 1);
  units[0] = static_cast<char16_t>(text.size());
  text.copy(units.get() + 1, text.size());
  units_ = std::move(units);
}

struct SharedTextRef::Node {
  std::atomic<uint32_t> holders{0};
  const std::u16string text;
};

namespace {

// The table outlives every record, static ones included: it is never freed.
struct SharedTextTable {
  std::mutex mutex;
  // Keyed by a view of the node's own text, which never moves.
  std::unordered_map<std::u16string_view, SharedTextRef::Node*> nodes;
  std::size_t sweepAt = 64;
};

SharedTextTable& Table() {
  static SharedTextTable* table = new SharedTextTable;
  return *table;
}

}  // namespace

SharedTextRef::SharedTextRef(std::u16string_view text) {
  if (text.empty()) return;
  SharedTextTable& table = Table();
  const std::lock_guard lock(table.mutex);
  auto found = table.nodes.find(text);
  if (found == table.nodes.end()) {
    if (table.nodes.size() >= table.sweepAt) {
      // A node nobody holds can gain a holder only here, under the lock.
      std::erase_if(table.nodes, [](const auto& entry) {
        if (entry.second->holders.load(std::memory_order_acquire) != 0) return false;
        delete entry.second;
        return true;
      });
      table.sweepAt = std::max<std::size_t>(64, 2 * table.nodes.size());
    }
    Node* node = new Node{.text = std::u16string(text)};
    found = table.nodes.emplace(node->text, node).first;
  }
  node_ = found->second;
  node_->holders.fetch_add(1, std::memory_order_relaxed);
}

SharedTextRef::SharedTextRef(const SharedTextRef& other) noexcept : node_(other.node_) {
  if (node_) node_->holders.fetch_add(1, std::memory_order_relaxed);
}

SharedTextRef& SharedTextRef::operator=(const SharedTextRef& other) noexcept {
  // Taken before the release: other may be this one.
  Node* const node = other.node_;
  if (node) node->holders.fetch_add(1, std::memory_order_relaxed);
  release();
  node_ = node;
  return *this;
}

SharedTextRef& SharedTextRef::operator=(SharedTextRef&& other) noexcept {
  if (this != &other) {
    release();
    node_ = std::exchange(other.node_, nullptr);
  }
  return *this;
}

SharedTextRef::~SharedTextRef() { release(); }

void SharedTextRef::release() noexcept {
  // The node stays in the table at no holders; only the sweep frees it.
  if (node_) node_->holders.fetch_sub(1, std::memory_order_release);
  node_ = nullptr;
}

std::u16string_view SharedTextRef::view() const {
  return node_ ? std::u16string_view(node_->text) : std::u16string_view();
}

}  // namespace folio
