#include "app/gui/open_target.h"

#include "folder/folder_layout.h"
#include "imaging/resize.h"
#include "platform/text.h"

namespace folio::gui {

std::u16string OpenTarget(const Settings& settings, std::u16string_view folderPath) {
  std::u16string folder(folderPath);
  switch (settings.setting.CreateMode) {
    case 0: return PathInFolder(folder, ThumbnailPageName(1));
    case 1: return PathInFolder(folder, kSlideshowPageName);
    case 2: return PathInFolder(PathInFolder(folder, kSheetFolder), SheetName(1));
    case 3: {
      // The folder the resize job writes to, named by the job's own rule.
      const ResizeOptions options = MakeResizeOptions(settings.resize, folder);
      return FromPath(ResizeSavePath(options.saveFolder, folder));
    }
    default: return {};
  }
}

}  // namespace folio::gui
