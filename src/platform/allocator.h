// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Memory for pictures: the C library's allocator tuned for a picture a photo,
// and big pictures in memory of their own.
#include <cstddef>

namespace folio {

// Tunes the C library's allocator for a program that allocates and frees a
// picture of several megabytes for every photo, from several threads.
// Call once at the start of main, before any worker starts.
//
// With the default glibc settings, each such buffer is either mapped and
// unmapped on its own (above the mmap threshold) or handed back to the system
// when freed (above the 128 KiB trim threshold); either way every photo pays
// for faulting its pages in afresh, and with several threads each unmap also
// interrupts the other cores. Keeping the freed memory for the next photo
// makes the process's resident size its peak, which it reaches anyway.
void TuneAllocatorForPictures();

// Hands freed memory back to the system: the pictures kept for reuse, and
// the free pages of the main heap (for a large folder, what listing it left
// behind before its records are made). Between jobs, so that a window left
// open keeps nothing of the last one.
void ReleaseFreedMemory();

enum class PictureContent {
  kZeroed,       // the memory starts zero-filled
  kToBeWritten,  // the caller writes every byte before reading any
};

// Memory for one large picture, in pages the system may back with huge
// pages: a canvas of tens of megabytes then faults in a few dozen times
// instead of tens of thousands. Freed pictures are kept for the next one of
// their size. Null when there is no memory.
void* AllocatePictureMemory(std::size_t bytes, PictureContent content);
// Gives back what AllocatePictureMemory gave, with the same size: kept for
// the next picture of that size while few are kept, else to the system.
void FreePictureMemory(void* memory, std::size_t bytes);

}  // namespace folio
