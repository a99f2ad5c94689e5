// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One run per folder: an advisory flock on a lock file in the folder
// (kFolderLockName), held by the run that changes the folder. A lock left by
// a process that died never blocks, since the kernel lets go of the flock
// with the process.
#include <filesystem>
#include <optional>

namespace folio {

class FolderLock {
 public:
  enum class State { kHeld, kTaken, kUnwritable, kFailed };

  // Takes the lock without waiting: kTaken when another run holds it,
  // kUnwritable when no file can be made there (a read-only folder, or no
  // folder at all), kFailed
  // when something else (a link, a folder, a FIFO) lies under its name.
  static State TryLock(const std::filesystem::path& folder, std::optional<FolderLock>& lock);

  // What TryLock would find, without making or changing anything: kHeld
  // when the lock is free (or no file can be made: kUnwritable is not told
  // apart here), kTaken when another run holds it, kFailed when something
  // not ours lies under its name.
  static State Probe(const std::filesystem::path& folder);

  FolderLock(FolderLock&& other) noexcept;
  FolderLock& operator=(FolderLock&&) = delete;
  // Removes the lock file and lets the lock go.
  ~FolderLock();

 private:
  FolderLock(std::filesystem::path path, int fd) : path_(std::move(path)), fd_(fd) {}
  std::filesystem::path path_;
  int fd_ = -1;
};

}  // namespace folio
