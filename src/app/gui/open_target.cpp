#include "app/gui/shell_rules.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "imaging/resize.h"
#include "platform/text.h"

namespace folio::gui {

std::u16string NormaliseCommandLine(std::u16string_view commandLine) {
  std::u16string path(commandLine);
  if (path.find(u'"') != std::u16string::npos) {
    path = path.size() >= 2 ? path.substr(1, path.size() - 2) : std::u16string();
  }
  if (path.empty()) return path;
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(ToPath(path), error);
  if (!error) path = FromPath(absolute.lexically_normal());
  return WithoutTrailingSeparators(path);
}

std::u16string OpenTarget(const Settings& settings, std::u16string_view folderPath) {
  std::u16string folder(folderPath);
  switch (settings.setting.CreateMode) {
    case 0: return folder + u"/page1.html";
    case 1: return folder + u"/slideshow.html";
    case 2: return folder + u"/img/Image1.jpg";
    case 3: {
      // The folder the resize job writes to, named by the job's own rule.
      const ResizeOptions options = MakeResizeOptions(settings.resize, folder);
      return FromPath(ResizeSavePath(options.saveFolder, folder));
    }
    default: return {};
  }
}

std::u16string BuildDateText(const char* date) {
  static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  int month = 0;
  for (int i = 0; i < 12; ++i)
    if (std::strncmp(date, kMonths[i], 3) == 0) month = i + 1;
  const int day = std::atoi(date + 4);
  const int year = std::atoi(date + 7);
  return DecimalText(year) + u"/" + DecimalText(month) + u"/" + DecimalText(day);
}

}  // namespace folio::gui
