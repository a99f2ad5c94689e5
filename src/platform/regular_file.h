// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a photo safely: a folder may hold a FIFO, a device or a folder
// under a photo's name, and opening a FIFO for reading blocks until a writer
// comes. Only regular files (or links to them) are ever read.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace folio {

// True when the path names a regular file, or a link that resolves to one.
// Never opens the entry.
bool IsRegularFileOrLinkToOne(const std::filesystem::path& path);

// A regular file opened for reading. The open never blocks (a FIFO swapped
// in after the check is refused too); anything but a regular file leaves it
// closed. Links are followed unless refused: a photo may be a link to one,
// a file of the program's own (a journal) never is.
class RegularFile {
 public:
  enum class Links { kFollow, kRefuse };
  explicit RegularFile(const std::filesystem::path& path, Links links = Links::kFollow);
  ~RegularFile();
  RegularFile(RegularFile&& other) noexcept;
  RegularFile& operator=(RegularFile&& other) noexcept;
  RegularFile(const RegularFile&) = delete;
  RegularFile& operator=(const RegularFile&) = delete;

  bool ok() const { return fd_ >= 0; }
  // The size when it was opened.
  uint64_t size() const { return size_; }
  // Up to `length` bytes from `position`, fewer only at the end of the file;
  // -1 on a read error or when the file is not open.
  std::ptrdiff_t ReadAt(uint64_t position, uint8_t* buffer, std::size_t length) const;
  // The whole file, when it holds at most `maxBytes`; false otherwise.
  bool ReadAll(std::vector<uint8_t>& bytes, uint64_t maxBytes) const;

 private:
  int fd_ = -1;
  uint64_t size_ = 0;
};

}  // namespace folio
