// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files.h"

#include "platform/regular_file.h"

#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <string>
#include <system_error>
#include <vector>

namespace folio {

namespace fs = std::filesystem;

namespace {
// The folder of a path; "." for a bare name.
fs::path FolderOf(const fs::path& path) {
  return path.has_parent_path() ? path.parent_path() : fs::path(".");
}
}  // namespace

bool EntryExists(const fs::path& path) {
  std::error_code ec;
  // symlink_status: a link whose target is gone is still an entry of the folder.
  const auto st = fs::symlink_status(path, ec);
  return !ec && fs::exists(st);
}

bool IsFolder(const fs::path& path) {
  std::error_code ec;
  return !path.empty() && fs::is_directory(path, ec);
}

bool IsRealFolder(const fs::path& path) {
  std::error_code ec;
  return fs::is_directory(fs::symlink_status(path, ec));
}

bool SamePlace(const fs::path& a, const fs::path& b) {
  std::error_code ec1, ec2;
  const fs::path ca = fs::weakly_canonical(a, ec1);
  const fs::path cb = fs::weakly_canonical(b, ec2);
  if (ec1 || ec2) return a.lexically_normal() == b.lexically_normal();
  std::error_code ec;
  if (fs::exists(ca, ec) && fs::exists(cb, ec) && fs::equivalent(ca, cb, ec)) return true;
  return ca == cb;
}

fs::path TemporaryNameBeside(const fs::path& path) {
  static std::atomic<unsigned> counter{0};
  const std::string name =
      ".folio-" + std::to_string(getpid()) + "-" + std::to_string(counter++) + ".tmp";
  return path.parent_path() / name;
}

bool MoveNoReplace(const fs::path& from, const fs::path& to) {
#ifdef RENAME_NOREPLACE
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return false;
#endif
  // File systems without an atomic no-replace rename: a hard link fails on an
  // existing target; folders (named like photos) fall back to a checked rename.
  if (::link(from.c_str(), to.c_str()) == 0) {
    if (::unlink(from.c_str()) == 0) return true;
    ::unlink(to.c_str());  // the source could not be let go: keep it alone
    return false;
  }
  if (errno == EEXIST) return false;
  if (EntryExists(to)) return false;
  std::error_code ec;
  fs::rename(from, to, ec);
  return !ec;
}

namespace {

bool WriteAll(int fd, const uint8_t* data, size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

// Moves the finished temporary file into place; it is removed when it
// cannot go there.
WriteResult PlaceTemporary(const fs::path& temporary, const fs::path& path, Replace replace) {
  std::error_code ec;
  if (replace == Replace::kYes) {
    fs::rename(temporary, path, ec);
    if (!ec) return WriteResult::kWritten;
    fs::remove(temporary, ec);
    return WriteResult::kFailed;
  }
  if (MoveNoReplace(temporary, path)) return WriteResult::kWritten;
  fs::remove(temporary, ec);
  return EntryExists(path) ? WriteResult::kExists : WriteResult::kFailed;
}

}  // namespace

WriteResult WriteFileAtomically(const fs::path& path,
                                std::initializer_list<std::span<const uint8_t>> pieces,
                                Replace replace, Sync sync) {
  return WriteFileAtomically(
      path,
      [&](const PieceWriter& write) {
        for (const auto& piece : pieces)
          if (!write(piece)) return;
      },
      replace, sync);
}

WriteResult WriteFileAtomically(const fs::path& path,
                                const std::function<void(const PieceWriter&)>& produce,
                                Replace replace, Sync sync) {
  const fs::path temporary = TemporaryNameBeside(path);
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return WriteResult::kFailed;
  bool ok = true;
  produce([&](std::span<const uint8_t> piece) {
    ok = ok && WriteAll(fd, piece.data(), piece.size());
    return ok;
  });
  if (ok && sync == Sync::kYes && ::fdatasync(fd) != 0) ok = false;
  // Some file systems report a full disk only when the file is closed.
  if (::close(fd) != 0) ok = false;
  if (!ok) {
    std::error_code ec;
    fs::remove(temporary, ec);
    return WriteResult::kFailed;
  }
  const WriteResult placed = PlaceTemporary(temporary, path, replace);
  if (placed == WriteResult::kWritten && sync == Sync::kYes) SyncFolder(FolderOf(path));
  return placed;
}

bool SyncFolder(const fs::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0;
  ::close(fd);
  return ok;
}

bool AppendSynced(const fs::path& path, std::span<const uint8_t> bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes.data(), bytes.size()) && ::fdatasync(fd) == 0;
  if (::close(fd) != 0) ok = false;
  return ok;
}

bool RemoveSynced(const fs::path& path) {
  std::error_code ec;
  fs::remove(path, ec);
  if (EntryExists(path)) return false;
  SyncFolder(FolderOf(path));
  return true;
}

void RemoveStaleTemporaries(const fs::path& folder) {
  std::error_code ec;
  fs::directory_iterator it(folder, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().native();
    // ".folio-<pid>-<n>.tmp"
    constexpr std::string_view kPrefix = ".folio-", kSuffix = ".tmp";
    if (name.size() <= kPrefix.size() + kSuffix.size() || !name.starts_with(kPrefix) ||
        !name.ends_with(kSuffix))
      continue;
    const std::size_t dash = name.find('-', kPrefix.size());
    if (dash == std::string::npos || dash == kPrefix.size()) continue;
    const std::string pid = name.substr(kPrefix.size(), dash - kPrefix.size());
    if (pid.find_first_not_of("0123456789") != std::string::npos || pid.size() > 9) continue;
    const bool ours = std::stol(pid) == static_cast<long>(getpid());
    // A process of that number that still runs may be another run writing.
    if (ours || ::kill(static_cast<pid_t>(std::stol(pid)), 0) == 0 || errno == EPERM) continue;
    std::error_code ignored;
    if (it->is_regular_file(ignored)) fs::remove(it->path(), ignored);
  }
}

WriteResult CopyFileAtomically(const fs::path& from, const fs::path& to, Replace replace) {
  // Read through RegularFile: a FIFO or a device under the source's name
  // would block the copy or never end it.
  const RegularFile source(from);
  if (!source.ok()) return WriteResult::kFailed;
  const fs::path temporary = TemporaryNameBeside(to);
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return WriteResult::kFailed;
  // The size it had when opened: a file that grows meanwhile (or a kernel
  // file that says 0 and never ends) cannot keep the copy going.
  std::vector<uint8_t> buffer(static_cast<size_t>(std::min<uint64_t>(source.size(), 1 << 20)));
  bool ok = true;
  for (uint64_t at = 0; ok && at < source.size();) {
    const size_t want = static_cast<size_t>(std::min<uint64_t>(buffer.size(), source.size() - at));
    const std::ptrdiff_t n = source.ReadAt(at, buffer.data(), want);
    if (n <= 0) {
      ok = n == 0;  // 0: cut short meanwhile
      break;
    }
    ok = WriteAll(fd, buffer.data(), static_cast<size_t>(n));
    at += static_cast<uint64_t>(n);
  }
  if (::close(fd) != 0) ok = false;
  if (!ok) {
    std::error_code ec;
    fs::remove(temporary, ec);
    return WriteResult::kFailed;
  }
  return PlaceTemporary(temporary, to, replace);
}

}  // namespace folio
