// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/open_target.h"

#include "app/job_options.h"
#include "folder/folder_layout.h"
#include "imaging/resize.h"
#include "platform/text.h"
#include "settings/coded_values.h"

namespace folio::gui {

std::u16string OpenTarget(const Settings& settings, std::u16string_view folderPath) {
  std::u16string folder(folderPath);
  const std::optional<JobMode> mode = JobModeFromStored(settings.setting.CreateMode);
  if (!mode) return {};
  switch (*mode) {
    case kModeThumbnail: return PathInFolder(folder, ThumbnailPageName(1));
    case kModeSlideshow: return PathInFolder(folder, kSlideshowPageName);
    case kModeComposite: return PathInFolder(PathInFolder(folder, kSheetFolder), SheetName(1));
    case kModeResize: {
      // The folder the resize job writes to, named by the job's own rule.
      const ResizeOptions options = ResizeOptionsOf(settings, folder);
      return FromPath(ResizeSavePath(options.saveFolder, folder));
    }
  }
  return {};
}

}  // namespace folio::gui
