// SPDX-License-Identifier: GPL-3.0-or-later
#include "folder/job_journal.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <system_error>
#include <vector>

#include "folder/folder_layout.h"
#include "folder/job_folders.h"
#include "folder/own_files.h"
#include "folder/placing.h"
#include "platform/files.h"
#include "platform/regular_file.h"
#include "platform/text.h"

namespace folio {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kHeader = "folioscope-journal 1\n";
constexpr std::string_view kThumbnailKind = "thumbnail\n";
constexpr std::string_view kRewindKind = "rewind\n";
constexpr std::string_view kPlanEnd = "end\n";
constexpr std::string_view kPhotoLine = "photo ";
constexpr std::string_view kStylesheetLine = "stylesheet";
// How many photos ahead of the job the journal records them as reached, so
// that it is flushed once for that many moves.
constexpr int kReachedStep = 8;

fs::path JournalPath(std::u16string_view folder) { return ToPath(folder) / kJournalName; }

std::span<const uint8_t> Bytes(std::string_view text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

std::optional<int> NumberAfter(std::string_view line, std::string_view key) {
  if (!line.starts_with(key)) return std::nullopt;
  line.remove_prefix(key.size());
  int value = 0;
  const auto [end, ec] = std::from_chars(line.data(), line.data() + line.size(), value);
  if (ec != std::errc() || end != line.data() + line.size() || value < 0) return std::nullopt;
  return value;
}

// What a journal file says. A journal is written whole before anything
// moves, so one without its header or plan is no journal of ours; only the
// lines appended later may end in a torn line, which is ignored.
struct JournalContent {
  bool rewind = false;
  std::vector<std::u16string> planned;
  int reached = 0;
  int pagesStarted = 0;
  bool stylesheet = false;  // the default thum.css was about to be written
};

// A name the job could have placed: a "*.jpg" entry of the folder itself.
bool IsPlainPhotoName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == name.npos &&
         name.find('\0') == name.npos && EndsWithNoCase(FromPath(fs::path(name)), u".jpg");
}

// Larger than the plan of any folder the job could list.
constexpr std::uintmax_t kLargestJournal = 256u << 20;

std::optional<std::string> ReadJournalBytes(const fs::path& path) {
  // Never through a link, and a FIFO put in its place must not stop the run.
  std::vector<uint8_t> bytes;
  if (!RegularFile(path, RegularFile::Links::kRefuse).ReadAll(bytes, kLargestJournal))
    return std::nullopt;
  return std::string(bytes.begin(), bytes.end());
}

std::optional<JournalContent> ParseJournal(std::string_view rest) {
  if (!rest.starts_with(kHeader)) return std::nullopt;
  rest.remove_prefix(kHeader.size());
  JournalContent content;
  if (rest == kRewindKind) {
    content.rewind = true;
    return content;
  }
  if (!rest.starts_with(kThumbnailKind)) return std::nullopt;
  rest.remove_prefix(kThumbnailKind.size());
  std::set<std::string_view> names;
  bool planComplete = false;
  int pagesLimit = 0;
  while (!rest.empty()) {
    const std::size_t lineEnd = rest.find('\n');
    if (lineEnd == std::string_view::npos) break;  // torn last line
    const std::string_view line = rest.substr(0, lineEnd);
    rest.remove_prefix(lineEnd + 1);
    if (!planComplete) {
      if (line == "end") {
        planComplete = true;
        // Every page holds at least one photo.
        pagesLimit = static_cast<int>(content.planned.size());
      } else if (line.starts_with(kPhotoLine)) {
        const std::string_view name = line.substr(kPhotoLine.size());
        if (!IsPlainPhotoName(name) || !names.insert(name).second) return std::nullopt;
        content.planned.push_back(FromPath(fs::path(std::string(name))));
      } else {
        return std::nullopt;
      }
      continue;
    }
    if (const auto n = NumberAfter(line, "reached ");
        n && *n <= static_cast<int>(content.planned.size()))
      content.reached = std::max(content.reached, *n);
    else if (const auto p = NumberAfter(line, "page "); p && *p >= 1 && *p <= pagesLimit)
      content.pagesStarted = std::max(content.pagesStarted, *p);
    else if (line == kStylesheetLine)
      content.stylesheet = true;
    else
      return std::nullopt;
  }
  if (!planComplete) return std::nullopt;
  return content;
}

void RemoveTemporariesOf(std::u16string_view folder) {
  const fs::path base = ToPath(folder);
  RemoveStaleTemporaries(base);
  // Only in job folders that are real folders: a link leads outside.
  for (const std::u16string_view name : {kThumbnailFolder, kSlideFolder, kSheetFolder}) {
    const fs::path place = base / ToPath(name);
    if (IsRealFolder(place)) RemoveStaleTemporaries(place);
  }
}

}  // namespace

std::optional<ThumbnailJournal> ThumbnailJournal::Begin(std::u16string_view folder,
                                                        std::span<const ImageRecord> planned) {
  // The plan of a large folder is long: it goes to the file in pieces of
  // some kilobytes instead of as one text of every name.
  constexpr std::size_t kPieceBytes = 64 * 1024;
  const fs::path path = JournalPath(folder);
  const WriteResult written = WriteFileAtomically(
      path,
      [&](const PieceWriter& write) {
        std::string piece;
        piece.reserve(kPieceBytes + 1024);
        piece += kHeader;
        piece += kThumbnailKind;
        for (const ImageRecord& record : planned) {
          piece += kPhotoLine;
          piece += ToPath(FieldText(record.fileName)).native();
          piece += '\n';
          if (piece.size() >= kPieceBytes) {
            if (!write(Bytes(piece))) return;
            piece.clear();
          }
        }
        piece += kPlanEnd;
        write(Bytes(piece));
      },
      Replace::kYes, Sync::kYes);
  if (written != WriteResult::kWritten) return std::nullopt;
  return ThumbnailJournal(path, static_cast<int>(planned.size()));
}

ThumbnailJournal::ThumbnailJournal(fs::path path, int planned)
    : path_(std::move(path)), planned_(planned) {}

ThumbnailJournal::ThumbnailJournal(ThumbnailJournal&& other) noexcept
    : path_(std::move(other.path_)), planned_(other.planned_), reachedMark_(other.reachedMark_) {
  other.path_.clear();
}

ThumbnailJournal::~ThumbnailJournal() {
  if (!path_.empty()) RemoveSynced(path_);
}

bool ThumbnailJournal::Append(const std::string& line) { return AppendSynced(path_, Bytes(line)); }

bool ThumbnailJournal::WillPlace(int index) {
  if (index < reachedMark_) return true;
  const int mark = std::min(planned_, index + kReachedStep);
  if (!Append("reached " + std::to_string(mark) + "\n")) return false;
  reachedMark_ = mark;
  return true;
}

bool ThumbnailJournal::WillWritePage(int page) {
  return Append("page " + std::to_string(page) + "\n");
}

bool ThumbnailJournal::WillWriteStylesheet() { return Append(std::string(kStylesheetLine) + "\n"); }

bool BeginRewindJournal(std::u16string_view folder) {
  std::string text(kHeader);
  text += kRewindKind;
  return WriteFileAtomically(JournalPath(folder), {Bytes(text)}, Replace::kYes, Sync::kYes) ==
         WriteResult::kWritten;
}

void EndRewindJournal(std::u16string_view folder) { RemoveSynced(JournalPath(folder)); }

Recovery RecoverInterruptedJob(std::u16string_view folder, std::string_view ownStylesheet) {
  // A run killed while it wrote a file (the journal itself, a thumbnail, a
  // slide, a sheet) leaves its temporary behind, journal or not.
  RemoveTemporariesOf(folder);
  const fs::path path = JournalPath(folder);
  std::error_code ec;
  if (!fs::is_regular_file(fs::symlink_status(path, ec))) return Recovery::kNothing;
  const std::optional<std::string> bytes = ReadJournalBytes(path);
  const std::optional<JournalContent> content =
      bytes ? ParseJournal(*bytes) : std::optional<JournalContent>();
  if (!content) return Recovery::kJournalDamaged;
  // The undo deletes in thum and moves out of jpg: never through a link.
  const std::u16string_view fake = FirstFakeSubFolder(folder, {kThumbnailFolder, kPhotoFolder});
  if (fake == kThumbnailFolder) return Recovery::kThumNotFolder;
  if (fake == kPhotoFolder) return Recovery::kJpgNotFolder;
  if (content->rewind) {
    RewindFolder(folder, true, ownStylesheet);
    RemoveSynced(path);
    return Recovery::kRewindFinished;
  }
  const std::span<const std::u16string> reached(content->planned.data(),
                                                static_cast<std::size_t>(content->reached));
  if (!UndoThumbnailJob(folder, content->pagesStarted, reached)) return Recovery::kUndoIncomplete;
  if (content->stylesheet)
    RemoveOwnFile(ToPath(folder) / ToPath(kThumbnailStylesheetName), ownStylesheet);
  RemoveSynced(path);
  return Recovery::kJobUndone;
}

}  // namespace folio
