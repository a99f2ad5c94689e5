// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The coded values of the settings file as types. The record keeps each
// value as the file spells it (a number or a text); these convert it, one
// named function each way, so that no caller compares against literals.
#include <optional>
#include <string>
#include <string_view>

namespace folio {

// `CreateMode`: the job a run makes.
enum JobMode { kModeThumbnail = 0, kModeSlideshow = 1, kModeComposite = 2, kModeResize = 3 };
// None for a number that names no job (nothing is done then).
std::optional<JobMode> JobModeFromStored(int stored);
int StoredJobMode(JobMode mode);

// `Sougo`: whether a thumbnail run rewinds a folder it processed before and
// whether it makes pages.
enum class RewindPolicy { kRewindAndPages = 0, kPagesOnly = 1, kRewindOnly = 2 };
// Any number besides 1 and 2 rewinds and makes pages, as it always did.
RewindPolicy RewindPolicyFromStored(int stored);
int StoredRewindPolicy(RewindPolicy policy);

// `Position`: the sheet cell the composite title takes.
struct TitlePosition {
  enum class Place {
    kNone,
    kCentre,
    kTopLeft,
    kTopRight,
    kBottomLeft,
    kBottomRight,
    kRandom,
    kCell
  };
  Place place = Place::kNone;
  // For kCell, from 1 as typed ("column:row"); either may lie off the grid.
  int column = 0;
  int row = 0;
  bool operator==(const TitlePosition&) const = default;
};
// A text naming no cell (empty, unknown, no colon) gives kNone.
TitlePosition TitlePositionFromText(std::u16string_view text);
std::u16string TitlePositionText(TitlePosition position);

// `PaperSize`: the sheet's shape, by paper name.
enum class PaperSize { kL, kPostcard, kA4, kYatsugiri, kMutsugiri, kYotsugiri, kHangiri, kCustom };
// None for a text naming no paper (the job then takes the L size).
std::optional<PaperSize> PaperSizeFromText(std::u16string_view text);
std::u16string_view PaperSizeText(PaperSize paper);

}  // namespace folio
