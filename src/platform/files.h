// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File operations that never lose a photo: entries tested without following
// links, writes that go through a temporary name beside the target, and moves
// that refuse to replace what lies at the destination.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <span>

namespace folio {

// True when a directory entry (file, folder or dangling link) of this exact
// path exists.
bool EntryExists(const std::filesystem::path& path);
// True when the path names an existing directory.
bool IsFolder(const std::filesystem::path& path);
// True when the entry itself is a directory: a link to one is not, so that
// what is done inside it stays inside the folder that holds it.
bool IsRealFolder(const std::filesystem::path& path);

// Same place on disk, following links and "..", even when it does not
// exist yet.
bool SamePlace(const std::filesystem::path& a, const std::filesystem::path& b);

// A short hidden name in the folder of `path` for a file being written:
// short whatever the target's name, which may already use all the bytes a
// file name can hold.
std::filesystem::path TemporaryNameBeside(const std::filesystem::path& path);

// Moves `from` to `to` only when nothing lies at `to` (POSIX rename would
// silently replace it). Folders move too.
bool MoveNoReplace(const std::filesystem::path& from, const std::filesystem::path& to);

// How a write into place ended.
enum class WriteResult { kWritten, kExists, kFailed };
enum class Replace { kYes, kNo };
// Sync::kYes flushes the file to the disk before it is moved into place and
// the folder after, so that after a power cut either the old or the whole new
// file is there. It costs milliseconds a file: for pages, settings and
// journals, not for every thumbnail.
enum class Sync { kNo, kYes };

// Writes the pieces one after another into a temporary file beside `path`,
// then moves it into place, so that a failed write never leaves a truncated
// file behind (nor destroys the old one). With Replace::kNo an entry at
// `path` is never replaced, also one that appears while the file is written.
WriteResult WriteFileAtomically(const std::filesystem::path& path,
                                std::initializer_list<std::span<const uint8_t>> pieces,
                                Replace replace = Replace::kYes, Sync sync = Sync::kNo);
// The same for content too long to hold whole: `produce` hands it over piece
// by piece to the writer it is given, which returns false once a write has
// failed (produce may stop then).
using PieceWriter = std::function<bool(std::span<const uint8_t>)>;
WriteResult WriteFileAtomically(const std::filesystem::path& path,
                                const std::function<void(const PieceWriter&)>& produce,
                                Replace replace = Replace::kYes, Sync sync = Sync::kNo);
// The same for a byte-for-byte copy of a file.
WriteResult CopyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to,
                               Replace replace = Replace::kYes);

// Flushes a folder's entries (names created, renamed or removed) to the disk.
bool SyncFolder(const std::filesystem::path& folder);
// Appends the bytes to a file and flushes them to the disk.
bool AppendSynced(const std::filesystem::path& path, std::span<const uint8_t> bytes);
// Removes a file and flushes its folder; true when it is gone.
bool RemoveSynced(const std::filesystem::path& path);

// The hidden temporary files (TemporaryNameBeside) that a killed run left in
// the folder: those of processes that no longer run are removed.
void RemoveStaleTemporaries(const std::filesystem::path& folder);

// Replacing writes that only tell success.
inline bool WriteFileReplacing(const std::filesystem::path& path,
                               std::initializer_list<std::span<const uint8_t>> pieces) {
  return WriteFileAtomically(path, pieces) == WriteResult::kWritten;
}
inline bool CopyFileReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
  return CopyFileAtomically(from, to) == WriteResult::kWritten;
}

}  // namespace folio
