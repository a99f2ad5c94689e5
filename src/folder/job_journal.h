// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The journal that lets a killed thumbnail job or rewind be finished later.
// Before the first photo moves, the job writes a hidden file in the folder
// that names every photo it is about to place; while it runs it appends how
// far it got and which page it is writing. The journal goes when the job
// ends or its undo has finished. A folder that still holds one was left by a
// run that died (SIGKILL, a power cut): RecoverInterruptedJob puts it back
// before anything else is done there.
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "catalogue/image_record.h"

namespace folio {

class ThumbnailJournal {
 public:
  // Writes the journal (atomically, flushed to the disk) for placing the
  // photos of `planned` in their order; nullopt when it could not be written.
  static std::optional<ThumbnailJournal> Begin(std::u16string_view folder,
                                               std::span<const ImageRecord> planned);
  ThumbnailJournal(ThumbnailJournal&& other) noexcept;
  ThumbnailJournal& operator=(ThumbnailJournal&&) = delete;
  // Removes the journal: the job ended, or its undo has finished.
  ~ThumbnailJournal();

  // Before the photo at `index` of the plan moves. The journal is flushed
  // only every few photos, a few photos ahead of the job. False when it
  // could not be written: the job must not move that photo.
  bool WillPlace(int index);
  // Before page `page` is written.
  bool WillWritePage(int page);
  // Before the default thum.css is written where none was: an undo takes it
  // away again (while its bytes are still the default's).
  bool WillWriteStylesheet();
  // The job's undo left photos in jpg: the journal stays for the next run.
  void Keep() { path_.clear(); }

 private:
  explicit ThumbnailJournal(std::filesystem::path path, int planned);
  bool Append(const std::string& line);

  std::filesystem::path path_;
  int planned_ = 0;
  int reachedMark_ = 0;  // photos before this index are recorded as reached
};

// A rewind in progress: nothing but its kind is recorded, since a rewind
// that is run again finishes the first one.
bool BeginRewindJournal(std::u16string_view folder);
void EndRewindJournal(std::u16string_view folder);

enum class Recovery {
  kNothing,
  kJobUndone,
  kRewindFinished,
  kJournalDamaged,  // torn, foreign or naming what the job never made: left
  kUndoIncomplete,  // some photos could not go back: the journal stays
  kThumNotFolder,   // thum or jpg is a link or a file: nothing done
  kJpgNotFolder,
};

// Removes the temporary files a dead run left in the folder and its job
// folders. When the folder holds a journal: undoes the interrupted thumbnail
// job (every photo it reached back at the top level, their thumbnails and its
// pages gone) or finishes the interrupted rewind, then removes the journal.
// A journal is data, never a path: it is acted on only when every name in it
// is a photo's plain name in the folder and every number within the plan;
// otherwise nothing moves and the journal stays for the user to look at.
// `ownStylesheet` is the default thum.css the job writes: the undo and the
// rewind take away a thum.css only while it holds exactly these bytes.
Recovery RecoverInterruptedJob(std::u16string_view folder, std::string_view ownStylesheet = {});

}  // namespace folio
