// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sub-folders a job writes into (see folder_layout.h), made and checked
// before the job touches them.
#include <filesystem>
#include <initializer_list>
#include <string_view>

namespace folio {

// The first of `names` that lies in the folder as something other than a
// real folder (a link, a file): the job must not use it, since its writes
// and deletes would reach wherever it leads. Empty when each is a folder or
// absent.
std::u16string_view FirstFakeSubFolder(std::u16string_view folder,
                                       std::initializer_list<std::u16string_view> names);

// Makes the sub-folder `name` unless it is there; a failure is left to the
// job's own writes, which report it.
void MakeJobFolder(std::u16string_view folder, std::u16string_view name);

// Removes the folder at `path` when it is a real folder and empty.
void RemoveIfEmptyFolder(const std::filesystem::path& path);

}  // namespace folio
