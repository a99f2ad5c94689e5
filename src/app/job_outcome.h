// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a folder job ended, as a value: the batch turns it into a status line,
// the Execute button and the command-line start into a message box, and the
// command-line program into its exit status.
#include <cstdint>
#include <string>

namespace folio {

enum class Outcome : uint8_t {
  // No JPEG file
  kNoPhotos,        // and not a processed folder
  kRewindDeclined,  // a processed folder, `Sougo` 1
  kRewound,         // a processed folder, rewound
  // Thumbnail pages
  kPagesNotMade,  // `Sougo` 2
  kPagesMade,
  kPagesMadeLensUnread,  // some maker notes could not be read
  kPageExists,           // stopped at a page file already there
  kPageNotWritten,       // a page (or slideshow.html) could not be written
  kJournalNotWritten,    // nothing moved (or the moves were undone): no journal
  kImageNotWritten,      // a thumbnail or slide image could not be written
  // Slideshow, sheets, resize
  kSlideshowMade,
  kSheetsMade,
  kSheetsFailed,  // no encoder, nothing to lay out, or a sheet not written
  kResized,
  kResizedSomeKept,  // names taken in the save folder, or not written
  kSaveFolderIsPhotoFolder,
  kSaveFolderNotMade,
  // Any job
  kCancelled,
  kSheetsCancelled,  // the composite job leaves its cancel line to a batch
  // A dropped path that is no folder (the batch alone)
  kNotAFolder,
  // Before the job: what a killed run left in the folder was put right
  kInterruptedJobUndone,
  kInterruptedRewindFinished,
  // An unknown `CreateMode`: nothing done, nothing said
  kNoJob,
  // Resize: a copy could not be written (a failed write, or a size of 0)
  kResizedSomeNotWritten,
  // Sheets: the sheet size asks for more memory than a picture may take
  kSheetTooLarge,
  // Before the job: the folder is not ours to change as it stands
  kFolderInUse,     // another run holds the folder's lock
  kLockNotMade,     // something not ours lies under the lock file's name
  kJournalDamaged,  // a journal that is torn, foreign or names what is not ours
  kThumNotFolder,   // a job folder that is a link or a file
  kJpgNotFolder,
  kSlideshowNotFolder,
  kImgNotFolder,
  // Photos the undo could not put back (a folder no longer writable): they
  // are in jpg, and the journal stays for the next run
  kPhotosLeftInJpg,
  kInterruptedJobNotUndone,
};

enum class MessageIcon { None, Exclamation };

// The words of an outcome, in the user's language. An outcome with no box text goes to the status
// log only, also outside a batch unless `batchOnly`; one with no status line
// says nothing.
struct OutcomeText {
  std::u16string statusLine;
  std::u16string boxText;
  std::u16string caption;
  MessageIcon icon = MessageIcon::None;
  bool batchOnly = false;
};
OutcomeText Describe(Outcome outcome);

// Where the window reports an outcome: in a batch (`BatchMode`) as a status
// line; outside one as a message box, or as a status line when the outcome
// has no box (a cancel). An outcome without a status line says nothing, nor
// does one that only a batch reports when no batch runs.
enum class ReportChannel { kNone, kStatusLine, kMessageBox };
ReportChannel ReportChannelOf(Outcome outcome, bool batchMode);

// An error ("Error: ..."): the command line exits with 1.
bool IsFailure(Outcome outcome);
bool IsCancel(Outcome outcome);

}  // namespace folio
