// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/allocator.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif
#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace folio {

void TuneAllocatorForPictures() {
#if defined(__GLIBC__)
  // The largest threshold glibc accepts on 64-bit systems (half its 64 MiB
  // thread heaps): the scaled and turned copies Qt makes of a photo stay in
  // the heap (the biggest pictures take memory of their own, below).
  constexpr int kMmapThreshold = 32 * 1024 * 1024;
  // Freed memory stays with the process until this much lies unused at the
  // top of a heap: more than a few pictures' worth.
  constexpr int kTrimThreshold = 256 * 1024 * 1024;
  mallopt(M_MMAP_THRESHOLD, kMmapThreshold);
  mallopt(M_TRIM_THRESHOLD, kTrimThreshold);
#endif
}

#if defined(__linux__)
namespace {

constexpr std::size_t kHugePage = 2 * 1024 * 1024;

std::size_t Rounded(std::size_t bytes) { return (bytes + kHugePage - 1) / kHugePage * kHugePage; }

// Freed picture memory waits here for the next picture of its size: the
// decoded photos of one camera all have one size, and fresh pages would cost
// each of them the system's zeroing of megabytes and, now and then, a wait
// while it gathers huge pages. Bounded, so that pictures of many sizes keep
// no more than a few pictures' worth.
class KeptPictures {
 public:
  static constexpr std::size_t kMaxBytes = 128 * 1024 * 1024;

  // A kept block of exactly this size, or null. With none of that size, the
  // pictures have changed size: the blocks kept for the old ones go.
  void* Take(std::size_t size) {
    {
      const std::lock_guard lock(mutex_);
      for (std::size_t i = blocks_.size(); i-- > 0;) {
        if (blocks_[i].size != size) continue;
        void* memory = blocks_[i].memory;
        blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(i));
        keptBytes_ -= size;
        return memory;
      }
    }
    DropAll();
    return nullptr;
  }

  void DropAll() {
    std::vector<Block> dropped;
    {
      const std::lock_guard lock(mutex_);
      dropped.swap(blocks_);
      keptBytes_ = 0;
    }
    for (const Block& block : dropped) munmap(block.memory, block.size);
  }

  void Keep(void* memory, std::size_t size) {
    if (size > kMaxBytes) {
      munmap(memory, size);  // too big to keep, and no reason to drop the others
      return;
    }
    std::vector<Block> dropped;
    {
      const std::lock_guard lock(mutex_);
      // The oldest go first.
      while (keptBytes_ + size > kMaxBytes) {
        dropped.push_back(blocks_.front());
        keptBytes_ -= blocks_.front().size;
        blocks_.erase(blocks_.begin());
      }
      blocks_.push_back({memory, size});
      keptBytes_ += size;
    }
    for (const Block& block : dropped) munmap(block.memory, block.size);
  }

 private:
  struct Block {
    void* memory;
    std::size_t size;
  };
  std::mutex mutex_;
  std::vector<Block> blocks_;
  std::size_t keptBytes_ = 0;
};

KeptPictures& Kept() {
  // Never destroyed: pictures may be freed while the program ends.
  static KeptPictures* kept = new KeptPictures;
  return *kept;
}

void* MapPictureMemory(std::size_t size) {
  // A huge page needs an aligned start: map one more, keep the aligned
  // part and give back the slack on either side.
  const std::size_t mapped = size + kHugePage;
  void* raw = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (raw == MAP_FAILED) return nullptr;
  const auto start = reinterpret_cast<std::uintptr_t>(raw);
  const std::uintptr_t aligned = (start + kHugePage - 1) / kHugePage * kHugePage;
  if (aligned > start) munmap(raw, aligned - start);
  if (const std::size_t tail = start + mapped - (aligned + size); tail > 0)
    munmap(reinterpret_cast<void*>(aligned + size), tail);
  void* memory = reinterpret_cast<void*>(aligned);
#if defined(MADV_HUGEPAGE)
  // Only advice: where huge pages are off, the memory works as well.
  madvise(memory, size, MADV_HUGEPAGE);
#endif
  return memory;
}

}  // namespace

void* AllocatePictureMemory(std::size_t bytes, PictureContent content) {
  if (bytes == 0 || bytes > SIZE_MAX / 2) return nullptr;
  const std::size_t size = Rounded(bytes);
  if (void* memory = Kept().Take(size)) {
    if (content == PictureContent::kZeroed) std::memset(memory, 0, bytes);
    return memory;
  }
  return MapPictureMemory(size);  // fresh pages are zero-filled
}

void FreePictureMemory(void* memory, std::size_t bytes) {
  if (memory) Kept().Keep(memory, Rounded(bytes));
}
#else
void* AllocatePictureMemory(std::size_t bytes, PictureContent) {
  return bytes ? std::calloc(bytes, 1) : nullptr;
}

void FreePictureMemory(void* memory, std::size_t) { std::free(memory); }
#endif

void ReleaseFreedMemory() {
#if defined(__linux__)
  Kept().DropAll();
#endif
#if defined(__GLIBC__)
  malloc_trim(0);
#endif
}

}  // namespace folio
