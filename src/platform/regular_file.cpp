// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace folio {

bool IsRegularFileOrLinkToOne(const std::filesystem::path& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

RegularFile::RegularFile(const std::filesystem::path& path, Links links) {
  // The check first, so that a device is not even opened (opening some has
  // side effects); O_NONBLOCK and fstat then close the gap to the open.
  const bool follow = links == Links::kFollow;
  struct stat entry {};
  if ((follow ? ::stat(path.c_str(), &entry) : ::lstat(path.c_str(), &entry)) != 0 ||
      !S_ISREG(entry.st_mode))
    return;
  const int fd = ::open(path.c_str(),
                        O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (follow ? 0 : O_NOFOLLOW));
  if (fd < 0) return;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0) {
    ::close(fd);
    return;
  }
  // Plain blocking reads from here on (O_NONBLOCK means nothing to a regular
  // file on most file systems, but a network one may honour it).
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  fd_ = fd;
  size_ = static_cast<uint64_t>(st.st_size);
}

RegularFile::~RegularFile() {
  if (fd_ >= 0) ::close(fd_);
}

RegularFile::RegularFile(RegularFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), size_(other.size_) {}

RegularFile& RegularFile::operator=(RegularFile&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
    size_ = other.size_;
  }
  return *this;
}

std::ptrdiff_t RegularFile::ReadAt(uint64_t position, uint8_t* buffer, std::size_t length) const {
  if (fd_ < 0) return -1;
  std::size_t done = 0;
  while (done < length) {
    const ssize_t n =
        ::pread(fd_, buffer + done, length - done, static_cast<off_t>(position + done));
    if (n < 0) {
      if (errno == EINTR) continue;
      return -1;
    }
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  return static_cast<std::ptrdiff_t>(done);
}

bool RegularFile::ReadAll(std::vector<uint8_t>& bytes, uint64_t maxBytes) const {
  if (fd_ < 0 || size_ > maxBytes) return false;
  bytes.resize(static_cast<std::size_t>(size_));
  const std::ptrdiff_t got = bytes.empty() ? 0 : ReadAt(0, bytes.data(), bytes.size());
  if (got < 0) {
    bytes.clear();
    return false;
  }
  bytes.resize(static_cast<std::size_t>(got));  // a file cut short meanwhile
  return true;
}

}  // namespace folio
