#include "platform/allocator.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

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

void ReleaseFreedMemory() {
#if defined(__GLIBC__)
  malloc_trim(0);
#endif
}

#if defined(__linux__)
namespace {

constexpr std::size_t kHugePage = 2 * 1024 * 1024;

std::size_t Rounded(std::size_t bytes) { return (bytes + kHugePage - 1) / kHugePage * kHugePage; }

}  // namespace

void* AllocatePictureMemory(std::size_t bytes) {
  if (bytes == 0 || bytes > SIZE_MAX / 2) return nullptr;
  // A huge page needs an aligned start: map one more, keep the aligned
  // part and give back the slack on either side.
  const std::size_t size = Rounded(bytes);
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

void FreePictureMemory(void* memory, std::size_t bytes) {
  if (memory) munmap(memory, Rounded(bytes));
}
#else
void* AllocatePictureMemory(std::size_t bytes) { return bytes ? std::calloc(bytes, 1) : nullptr; }

void FreePictureMemory(void* memory, std::size_t) { std::free(memory); }
#endif

}  // namespace folio
