#include "catalogue/catalogue.h"

#include "catalogue/exif_reader.h"
#include "catalogue/exif_tallies.h"
#include "catalogue/maker_note.h"
#include "catalogue/sorting.h"
#include "platform/lcg.h"
#include "platform/text.h"

namespace folio {

void BuildCatalogue(std::u16string_view fileList, std::u16string_view folder,
                    const Settings& settings, int count, ImageRecord* records,
                    int& lastPageIndex) {
  if (records == nullptr || count <= 0) return;
  const std::u16string_view keyword = settings.setting.Sort;

  ImageRecord blank;
  SetField(blank.sortKeyword, keyword);
  // Every record starts from the blank one, also any the list has no name
  // for: all of them are sorted, and the sort needs them to carry the keyword.
  for (int i = 0; i < count; ++i) records[i] = blank;

  ResetExifTallies();

  std::size_t start = 0;
  for (int i = 0; i < count; ++i) {
    const std::size_t end = fileList.find(u'\n', start);
    if (end == std::u16string_view::npos) break;
    const std::u16string_view name = fileList.substr(start, end - start);
    start = end + 1;

    ImageRecord& record = records[i];
    SetField(record.fileName, name);
    // Reseeding with the first draw keeps the random order of a folder
    // repeatable from one program run to the next.
    Srand(static_cast<unsigned>(Rand()));
    record.randomKey = static_cast<int16_t>(Rand());

    std::u16string fullPath(folder);
    fullPath += u'/';
    fullPath += name;
    const std::filesystem::path path = ToPath(fullPath);
    ReadExifProperties(path, record);
    ReadMakerNote(record, path);
  }

  if (!keyword.empty()) SortCatalogue(records, count, settings.setting.Reverse != 0);
  if (settings.thumbnail.SortPage != 0) GroupCatalogue(records, count, lastPageIndex);
}

}  // namespace folio
