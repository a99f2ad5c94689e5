#include "catalogue/catalogue.h"
// Placeholder until the catalogue lands: records carry their file names only.
namespace folio {
void BuildCatalogue(std::u16string_view fileList, std::u16string_view, const Settings& settings,
                    int count, ImageRecord* records, int&) {
  std::size_t start = 0;
  for (int i = 0; i < count; ++i) {
    std::size_t end = fileList.find(u'\n', start);
    if (end == std::u16string_view::npos) break;
    records[i] = ImageRecord{};
    SetField(records[i].fileName, fileList.substr(start, end - start));
    SetField(records[i].sortKeyword, settings.setting.Sort);
    start = end + 1;
  }
}
}  // namespace folio
