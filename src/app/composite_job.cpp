// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/composite_job.h"

#include <ctime>

#include "app/job_progress.h"
#include "folder/folder_layout.h"
#include "imaging/scaled_copy.h"
#include "platform/text.h"
#include "platform/work_pool.h"

namespace folio {

Outcome RunCompositeJob(JobHost& host, const CompositeParams& params, std::u16string_view folder,
                        std::span<const ImageRecord> records, int threads) {
  // Nothing to lay out (for instance one photo with a title on): a failure,
  // never a division by zero or a success with no sheet.
  if (!CanLayOut(params) || records.empty()) return Outcome::kSheetsFailed;
  if (FindJpegEncoder() < 0) return Outcome::kSheetsFailed;
  // A sheet size typed into the settings file can ask for gigabytes: say so
  // before anything is allocated.
  if (!SheetFitsInMemory(params)) return Outcome::kSheetTooLarge;

  const int count = static_cast<int>(records.size());
  // A random title cell is drawn from the clock, by a generator of its own:
  // the batch's generator, which orders the photos, is left alone.
  RandomGenerator titleRandom(static_cast<unsigned>(std::time(nullptr)));
  const SheetLayout layout = LayOutSheets(params, titleRandom);
  const int sheets = params.imagesUsed / params.perSheet;
  const std::filesystem::path folderPath = ToPath(folder);
  const int workers = WorkerCount(threads);
  // With workers to spare, each sheet is encoded while its lower rows are
  // still being drawn, instead of after its last photo.
  SheetPainter painter(params, workers > 1 ? SheetPainter::Encoding::kAlongside
                                           : SheetPainter::Encoding::kAtSave);
  JobProgress progress(host, params.imagesUsed);

  // Every sheet's steps up front, so that the photos can be drawn ahead in
  // the order the sheets take them: photo k lands in photoAreas[k].
  std::vector<std::vector<SheetStep>> plans;
  std::vector<SheetRect> photoAreas;
  for (int sheet = 0, first = 0; sheet < sheets; ++sheet) {
    plans.push_back(PlanSheet(params, layout, first, count));
    for (const SheetStep& step : plans.back())
      if (step.kind == SheetStep::Kind::kPhoto) {
        photoAreas.push_back(step.area);
        ++first;
      }
  }
  OrderedPrefetch<SheetPainter> photos(
      workers, static_cast<int>(photoAreas.size()), [&](int k) {
        const ImageRecord& record = records[static_cast<std::size_t>(k)];
        return painter.RecordPhoto(folderPath / ToPath(FieldText(record.fileName)),
                                   photoAreas[static_cast<std::size_t>(k)]);
      });

  int placed = 0;
  // A sheet that could not be written does not stop the job, but the job
  // then does not report success.
  bool everySheetSaved = true;

  for (int sheet = 0; sheet < sheets; ++sheet) {
    const std::vector<SheetStep>& plan = plans[static_cast<std::size_t>(sheet)];
    const std::vector<int> finalRows = FinalRowsAfterSteps(plan, params.canvasHeight);
    painter.Begin();
    for (std::size_t i = 0; i < plan.size(); ++i) {
      const SheetStep& step = plan[i];
      if (progress.Cancelled()) return Outcome::kSheetsCancelled;
      if (step.kind == SheetStep::Kind::kTitle) {
        painter.DrawTitle(PickSheetTitle(params.titleText, sheet), step.area);
      } else {
        painter.DrawRecorded(photos.Take(step.photo));
        ++placed;
      }
      painter.RowsFinal(finalRows[i]);
      progress.Advance(placed);
    }
    if (!painter.Save(folderPath / ToPath(kSheetFolder) / ToPath(SheetName(sheet + 1))))
      everySheetSaved = false;
  }
  return everySheetSaved ? Outcome::kSheetsMade : Outcome::kSheetsFailed;
}

}  // namespace folio
