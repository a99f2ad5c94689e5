// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/image_record.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <iterator>
#include <limits>
#include <mutex>
#include <unordered_map>

namespace folio {

CompactText::CompactText(CompactText&& other) noexcept {
  std::copy(std::begin(other.units_), std::end(other.units_), units_);
  other.units_[kInlineUnits] = 0;
}

CompactText& CompactText::operator=(CompactText&& other) noexcept {
  if (this != &other) {
    freeHeap();
    std::copy(std::begin(other.units_), std::end(other.units_), units_);
    other.units_[kInlineUnits] = 0;
  }
  return *this;
}

std::u16string_view CompactText::view() const {
  if (tag() != kOnHeap) return {units_, tag()};
  const char16_t* data;
  uint32_t size;
  std::memcpy(&data, units_, sizeof data);
  std::memcpy(&size, units_ + 4, sizeof size);
  return {data, size};
}

void CompactText::assign(std::u16string_view text) {
  text = text.substr(0, std::numeric_limits<uint16_t>::max());
  if (text.size() <= kInlineUnits) {
    // Copied aside first: text may view this field's own heap units.
    char16_t units[kInlineUnits];
    text.copy(units, text.size());
    freeHeap();
    std::copy(units, units + text.size(), units_);
    units_[kInlineUnits] = static_cast<char16_t>(text.size());
    return;
  }
  char16_t* data = new char16_t[text.size()];
  text.copy(data, text.size());
  const auto size = static_cast<uint32_t>(text.size());
  freeHeap();
  std::memcpy(units_, &data, sizeof data);
  std::memcpy(units_ + 4, &size, sizeof size);
  units_[kInlineUnits] = kOnHeap;
}

void CompactText::freeHeap() noexcept {
  if (tag() != kOnHeap) return;
  char16_t* data;
  std::memcpy(&data, units_, sizeof data);
  delete[] data;
  units_[kInlineUnits] = 0;
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
