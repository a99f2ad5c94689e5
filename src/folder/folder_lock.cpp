// SPDX-License-Identifier: GPL-3.0-or-later
#include "folder/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "folder/folder_layout.h"

namespace folio {

namespace fs = std::filesystem;

namespace {

// Whether an opened lock file is a plain file (not a FIFO or a device that
// O_NOFOLLOW let through).
bool IsRegularFile(int fd, struct stat& opened) {
  return ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode);
}

// flock without blocking, tried again when a signal interrupts it.
int FlockNonBlocking(int fd, int operation) {
  int locked;
  do {
    locked = ::flock(fd, operation | LOCK_NB);
  } while (locked != 0 && errno == EINTR);
  return locked;
}

}  // namespace

FolderLock::State FolderLock::TryLock(const fs::path& folder, std::optional<FolderLock>& lock) {
  lock.reset();
  const fs::path path = folder / kFolderLockName;
  // The holder removes the file before it lets go, so a lock taken on a file
  // that is no longer the one at the path is no lock: take it again. A few
  // rounds are plenty; each one means another run has just ended.
  for (int round = 0; round < 16; ++round) {
    // O_NOFOLLOW and O_NONBLOCK: a link or a FIFO under our name neither
    // leads out of the folder nor stops the run. Read-only, since a flock
    // needs no more, and a file held open for writing would keep the disk
    // from being made read-only.
    const int fd =
        ::open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0644);
    if (fd < 0)
      return errno == EACCES || errno == EROFS || errno == EPERM || errno == ENOENT ||
                     errno == ENOTDIR
                 ? State::kUnwritable
                 : State::kFailed;
    struct stat opened {};
    if (!IsRegularFile(fd, opened)) {
      ::close(fd);
      return State::kFailed;
    }
    if (FlockNonBlocking(fd, LOCK_EX) != 0) {
      const bool taken = errno == EWOULDBLOCK;
      ::close(fd);
      return taken ? State::kTaken : State::kFailed;
    }
    struct stat current {};
    if (::lstat(path.c_str(), &current) == 0 && current.st_dev == opened.st_dev &&
        current.st_ino == opened.st_ino) {
      lock.emplace(FolderLock(path, fd));
      return State::kHeld;
    }
    ::close(fd);
  }
  return State::kTaken;
}

FolderLock::State FolderLock::Probe(const fs::path& folder) {
  const fs::path path = folder / kFolderLockName;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
  if (fd < 0) {
    struct stat entry {};
    // No entry: free. One that cannot be opened (a link) is not ours.
    return ::lstat(path.c_str(), &entry) != 0 && errno == ENOENT ? State::kHeld : State::kFailed;
  }
  struct stat opened {};
  if (!IsRegularFile(fd, opened)) {
    ::close(fd);
    return State::kFailed;
  }
  // A shared lock is refused while a run holds the exclusive one; it goes
  // with the descriptor.
  const bool taken = FlockNonBlocking(fd, LOCK_SH) != 0 && errno == EWOULDBLOCK;
  ::close(fd);
  return taken ? State::kTaken : State::kHeld;
}

FolderLock::FolderLock(FolderLock&& other) noexcept
    : path_(std::move(other.path_)), fd_(other.fd_) {
  other.fd_ = -1;
}

FolderLock::~FolderLock() {
  if (fd_ < 0) return;
  // Removed while still held, so that no run takes a lock on a file that is
  // about to go.
  ::unlink(path_.c_str());
  ::close(fd_);
}

}  // namespace folio
