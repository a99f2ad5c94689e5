// SPDX-License-Identifier: GPL-3.0-or-later
#include "folder/own_files.h"

#include <cstdint>
#include <span>
#include <vector>

#include "platform/files.h"
#include "platform/regular_file.h"

namespace folio {

OwnFileWrite WriteOwnFileIfAbsent(const std::filesystem::path& path, std::string_view bytes) {
  if (EntryExists(path)) return OwnFileWrite::kLeftAlone;
  const std::span<const uint8_t> piece(reinterpret_cast<const uint8_t*>(bytes.data()),
                                       bytes.size());
  switch (WriteFileAtomically(path, {piece}, Replace::kNo, Sync::kYes)) {
    case WriteResult::kWritten: return OwnFileWrite::kWritten;
    case WriteResult::kExists: return OwnFileWrite::kLeftAlone;
    case WriteResult::kFailed: break;
  }
  return OwnFileWrite::kFailed;
}

bool RemoveOwnFile(const std::filesystem::path& path, std::string_view bytes) {
  if (bytes.empty()) return false;
  std::vector<uint8_t> held;
  // One byte more than ours is enough to tell a longer file apart.
  if (!RegularFile(path, RegularFile::Links::kRefuse).ReadAll(held, bytes.size() + 1)) return false;
  if (std::string_view(reinterpret_cast<const char*>(held.data()), held.size()) != bytes)
    return false;
  return RemoveSynced(path);
}

}  // namespace folio
