// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/job_outcome.h"

#include <QCoreApplication>

namespace folio {

namespace {

// The source texts of one outcome, translated when it is described.
struct OutcomeSource {
  const char* statusLine = nullptr;
  const char* boxText = nullptr;
  const char* caption = nullptr;
  MessageIcon icon = MessageIcon::None;
  bool batchOnly = false;
};

OutcomeSource SourceOf(Outcome outcome) {
  constexpr MessageIcon kWarn = MessageIcon::Exclamation;
  constexpr MessageIcon kNone = MessageIcon::None;
  switch (outcome) {
    case Outcome::kNoPhotos:
      return {QT_TRANSLATE_NOOP("Outcome", "Error: no JPG image files"),
              QT_TRANSLATE_NOOP("Outcome", "No JPG image files"),
              QT_TRANSLATE_NOOP("Outcome", "Error"), kWarn};
    case Outcome::kRewindDeclined:
      return {QT_TRANSLATE_NOOP("Outcome", "Finished: nothing was rewound"),
              QT_TRANSLATE_NOOP("Outcome", "Nothing was rewound"),
              QT_TRANSLATE_NOOP("Outcome", "Finished"), kWarn};
    case Outcome::kRewound:
      return {QT_TRANSLATE_NOOP("Outcome", "Finished: the thumbnail HTML was rewound"),
              QT_TRANSLATE_NOOP("Outcome", "The thumbnail HTML was rewound"),
              QT_TRANSLATE_NOOP("Outcome", "Finished"), kWarn};
    case Outcome::kPagesNotMade:
      return {QT_TRANSLATE_NOOP("Outcome", "Finished: no thumbnail HTML was made"), nullptr,
              nullptr, kNone};
    case Outcome::kPagesMade:
      return {QT_TRANSLATE_NOOP("Outcome", "Finished: thumbnail HTML files made"),
              QT_TRANSLATE_NOOP("Outcome", "Thumbnail HTML files made"),
              QT_TRANSLATE_NOOP("Outcome", "Success"), kNone};
    case Outcome::kPagesMadeLensUnread:
      return {
          QT_TRANSLATE_NOOP(
              "Outcome",
              "Finished: thumbnail HTML files made. The lens name or white balance of some images could not be read."),
          QT_TRANSLATE_NOOP(
              "Outcome",
              "Thumbnail HTML files made.\r\nThe lens name or white balance\r\nof some images could not be read."),
          QT_TRANSLATE_NOOP("Outcome", "Success"), kNone};
    case Outcome::kPageExists:
      return {QT_TRANSLATE_NOOP("Outcome", "Error: the HTML file already exists"),
              QT_TRANSLATE_NOOP("Outcome", "The file already exists"),
              QT_TRANSLATE_NOOP("Outcome", "Error"), kWarn};
    case Outcome::kPageNotWritten:
      return {QT_TRANSLATE_NOOP("Outcome", "Error: an HTML file could not be written"),
              QT_TRANSLATE_NOOP("Outcome", "An HTML file could not be written"),
              QT_TRANSLATE_NOOP("Outcome", "Error"), kWarn};
    case Outcome::kJournalNotWritten:
      return {QT_TRANSLATE_NOOP("Outcome", "Error: the job journal could not be written"),
              QT_TRANSLATE_NOOP("Outcome", "The job journal could not be written"),
              QT_TRANSLATE_NOOP("Outcome", "Error"), kWarn};
    case Outcome::kImageNotWritten:
      return {QT_TRANSLATE_NOOP("Outcome", "Error: an image file could not be written"),
              QT_TRANSLATE_NOOP("Outcome", "An image file could not be written"),
              QT_TRANSLATE_NOOP("Outcome", "Error"), kWarn};
    case Outcome::kSlideshowMade:
      return {QT_TRANSLATE_NOOP("Outcome", "Finished: slideshow HTML file made"),
              QT_TRANSLATE_NOOP("Outcome", "Slideshow HTML file made"),
              QT_TRANSLATE_NOOP("Outcome", "Success"), kNone};
    case Outcome::kSheetsMade:
      return {QT_TRANSLATE_NOOP("Outcome", "Finished: composite images made"),
              QT_TRANSLATE_NOOP("Outcome", "Image files made"),
              QT_TRANSLATE_NOOP("Outcome", "Success"), kNone};
    case Outcome::kSheetsFailed:
      return {QT_TRANSLATE_NOOP("Outcome", "Error: the composite images could not be made"),
              QT_TRANSLATE_NOOP("Outcome", "The composite images could not be made"),
              QT_TRANSLATE_NOOP("Outcome", "Error"), kNone};
    case Outcome::kResized:
      return {QT_TRANSLATE_NOOP("Outcome", "Finished: resizing done"),
              QT_TRANSLATE_NOOP("Outcome", "Resizing done"),
              QT_TRANSLATE_NOOP("Outcome", "Success"), kNone};
    case Outcome::kResizedSomeKept:
      return {QT_TRANSLATE_NOOP(
                  "Outcome", "Finished: files of the same name exist. Some files were not resized"),
              QT_TRANSLATE_NOOP(
                  "Outcome",
                  "Files of the same name exist in the save folder\nSome files were not resized"),
              QT_TRANSLATE_NOOP("Outcome", "Success"), kNone};
    case Outcome::kSaveFolderIsPhotoFolder:
      return {QT_TRANSLATE_NOOP("Outcome",
                                "Error: the save folder is the folder of the original images"),
              QT_TRANSLATE_NOOP("Outcome", "The save folder is the folder of the original images"),
              QT_TRANSLATE_NOOP("Outcome", "Error"), kWarn};
    case Outcome::kSaveFolderNotMade:
      return {QT_TRANSLATE_NOOP("Outcome", "Error: the save folder could not be created"),
              QT_TRANSLATE_NOOP("Outcome", "The save folder could not be created"),
              QT_TRANSLATE_NOOP("Outcome", "Error"), kWarn};
    case Outcome::kCancelled:
      return {QT_TRANSLATE_NOOP("Outcome", "Cancelled: the job was cancelled"), nullptr, nullptr,
              kNone};
    case Outcome::kSheetsCancelled:
      return {QT_TRANSLATE_NOOP("Outcome", "Cancelled: the job was cancelled"), nullptr, nullptr,
              kNone, true};
    case Outcome::kNotAFolder:
      return {QT_TRANSLATE_NOOP("Outcome", "Error: not a folder"), nullptr, nullptr, kNone};
    case Outcome::kInterruptedJobUndone:
      return {
          QT_TRANSLATE_NOOP("Outcome", "Recovered: the interrupted thumbnail HTML job was undone"),
          nullptr, nullptr, kNone};
    case Outcome::kInterruptedRewindFinished:
      return {QT_TRANSLATE_NOOP("Outcome", "Recovered: the interrupted rewind was finished"),
              nullptr, nullptr, kNone};
    case Outcome::kNoJob: break;
    case Outcome::kResizedSomeNotWritten:
      return {QT_TRANSLATE_NOOP("Outcome",
                                "Error: the resized image of some files could not be written"),
              QT_TRANSLATE_NOOP("Outcome", "The resized image of some files could not be written"),
              QT_TRANSLATE_NOOP("Outcome", "Error"), kWarn};
    case Outcome::kSheetTooLarge:
      return {QT_TRANSLATE_NOOP("Outcome", "Error: the composite image is too large"),
              QT_TRANSLATE_NOOP("Outcome", "The composite image is too large"),
              QT_TRANSLATE_NOOP("Outcome", "Error"), kWarn};
    case Outcome::kFolderInUse:
      return {QT_TRANSLATE_NOOP("Outcome", "Error: another Folioscope is working on this folder"),
              QT_TRANSLATE_NOOP("Outcome", "Another Folioscope is working on this folder"),
              QT_TRANSLATE_NOOP("Outcome", "Error"), kWarn};
    case Outcome::kLockNotMade:
      return {QT_TRANSLATE_NOOP("Outcome",
                                "Error: the lock file .folioscope-lock could not be created"),
              QT_TRANSLATE_NOOP("Outcome", "The lock file .folioscope-lock could not be created"),
              QT_TRANSLATE_NOOP("Outcome", "Error"), kWarn};
    case Outcome::kJournalDamaged:
      return {
          QT_TRANSLATE_NOOP(
              "Outcome",
              "Error: the job journal .folioscope-journal is damaged. The folder was left untouched"),
          QT_TRANSLATE_NOOP(
              "Outcome",
              "The job journal .folioscope-journal is damaged.\r\nThe folder was left untouched"),
          QT_TRANSLATE_NOOP("Outcome", "Error"), kWarn};
    case Outcome::kThumNotFolder:
      return {
          QT_TRANSLATE_NOOP("Outcome",
                            "Error: thum is not a folder (a link or a file cannot be used)"),
          QT_TRANSLATE_NOOP("Outcome", "thum is not a folder (a link or a file cannot be used)"),
          QT_TRANSLATE_NOOP("Outcome", "Error"), kWarn};
    case Outcome::kJpgNotFolder:
      return {QT_TRANSLATE_NOOP("Outcome",
                                "Error: jpg is not a folder (a link or a file cannot be used)"),
              QT_TRANSLATE_NOOP("Outcome", "jpg is not a folder (a link or a file cannot be used)"),
              QT_TRANSLATE_NOOP("Outcome", "Error"), kWarn};
    case Outcome::kSlideshowNotFolder:
      return {QT_TRANSLATE_NOOP(
                  "Outcome", "Error: slideshow is not a folder (a link or a file cannot be used)"),
              QT_TRANSLATE_NOOP("Outcome",
                                "slideshow is not a folder (a link or a file cannot be used)"),
              QT_TRANSLATE_NOOP("Outcome", "Error"), kWarn};
    case Outcome::kImgNotFolder:
      return {QT_TRANSLATE_NOOP("Outcome",
                                "Error: img is not a folder (a link or a file cannot be used)"),
              QT_TRANSLATE_NOOP("Outcome", "img is not a folder (a link or a file cannot be used)"),
              QT_TRANSLATE_NOOP("Outcome", "Error"), kWarn};
    case Outcome::kPhotosLeftInJpg:
      return {
          QT_TRANSLATE_NOOP(
              "Outcome",
              "Error: stopped, the folder cannot be written. The photos are in the jpg folder; the next run puts them back"),
          QT_TRANSLATE_NOOP(
              "Outcome",
              "Stopped: the folder cannot be written.\r\nThe photos are in the jpg folder; the next run puts them back"),
          QT_TRANSLATE_NOOP("Outcome", "Error"), kWarn};
    case Outcome::kInterruptedJobNotUndone:
      return {
          QT_TRANSLATE_NOOP(
              "Outcome",
              "Error: the interrupted thumbnail HTML job could not be undone. The photos are in the jpg folder; the next run puts them back"),
          QT_TRANSLATE_NOOP(
              "Outcome",
              "The interrupted thumbnail HTML job could not be undone.\r\nThe photos are in the jpg folder; the next run puts them back"),
          QT_TRANSLATE_NOOP("Outcome", "Error"), kWarn};
  }
  return {};
}

std::u16string Translated(const char* source) {
  if (!source) return {};
  return QCoreApplication::translate("Outcome", source).toStdU16String();
}

}  // namespace

OutcomeText Describe(Outcome outcome) {
  const OutcomeSource source = SourceOf(outcome);
  return {Translated(source.statusLine), Translated(source.boxText), Translated(source.caption),
          source.icon, source.batchOnly};
}

ReportChannel ReportChannelOf(Outcome outcome, bool batchMode) {
  const OutcomeText text = Describe(outcome);
  if (text.statusLine.empty() || (text.batchOnly && !batchMode)) return ReportChannel::kNone;
  if (batchMode || text.boxText.empty()) return ReportChannel::kStatusLine;
  return ReportChannel::kMessageBox;
}

bool IsCancel(Outcome outcome) {
  return outcome == Outcome::kCancelled || outcome == Outcome::kSheetsCancelled;
}

bool IsFailure(Outcome outcome) {
  switch (outcome) {
    case Outcome::kNoPhotos:
    case Outcome::kPageExists:
    case Outcome::kPageNotWritten:
    case Outcome::kJournalNotWritten:
    case Outcome::kImageNotWritten:
    case Outcome::kSheetsFailed:
    case Outcome::kSaveFolderIsPhotoFolder:
    case Outcome::kSaveFolderNotMade:
    case Outcome::kNotAFolder:
    case Outcome::kResizedSomeNotWritten:
    case Outcome::kSheetTooLarge:
    case Outcome::kFolderInUse:
    case Outcome::kLockNotMade:
    case Outcome::kJournalDamaged:
    case Outcome::kThumNotFolder:
    case Outcome::kJpgNotFolder:
    case Outcome::kSlideshowNotFolder:
    case Outcome::kImgNotFolder:
    case Outcome::kPhotosLeftInJpg:
    case Outcome::kInterruptedJobNotUndone: return true;
    default: return false;
  }
}

}  // namespace folio
