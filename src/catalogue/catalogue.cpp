// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/catalogue.h"

#include <algorithm>

#include "catalogue/exif_reader.h"
#include "catalogue/maker_note.h"
#include "catalogue/sorting.h"
#include "platform/text.h"
#include "platform/work_pool.h"

namespace folio {

Catalogue BuildCatalogue(std::vector<std::u16string> fileNames, std::u16string_view folder,
                         const CatalogueOptions& options, RandomGenerator& random) {
  Catalogue catalogue;
  const std::u16string_view keyword = options.sortKeyword;

  ImageRecord blank;
  SetField(blank.sortKeyword, keyword);
  // Every record carries the keyword: the sort needs it.
  catalogue.records.assign(fileNames.size(), blank);

  auto pathOf = [&](std::size_t i) {
    std::u16string fullPath(folder);
    fullPath += u'/';
    fullPath += fileNames[i];
    return ToPath(fullPath);
  };
  // The Exif items are read ahead on the workers; the tallies count them in
  // folder order, here.
  OrderedPrefetch<std::vector<PropertyItem>> items(
      WorkerCount(options.threads), static_cast<int>(fileNames.size()),
      [&](int i) { return ReadExifItems(pathOf(static_cast<std::size_t>(i))); });

  for (std::size_t i = 0; i < fileNames.size(); ++i) {
    ImageRecord& record = catalogue.records[i];
    SetField(record.fileName, fileNames[i]);
    // Reseeding with the first draw keeps the random order of a folder
    // repeatable from one program run to the next.
    random.Reseed(static_cast<unsigned>(random.Next()));
    record.randomKey = static_cast<int16_t>(random.Next());

    const std::filesystem::path path = pathOf(i);
    ApplyReadExifItems(items.Take(static_cast<int>(i)), record, catalogue.tallies);
    ReadMakerNote(record, path, catalogue.tallies);
    // The workers only read names after this one.
    std::u16string().swap(fileNames[i]);
  }
  fileNames = {};

  if (!keyword.empty()) SortCatalogue(catalogue.records, options.reverse);
  int runs = 0;
  if (options.keywordPages) runs = GroupCatalogue(catalogue.records);

  catalogue.keywordPages = KeywordPagesActive(options.keywordPages ? 1 : 0, catalogue.records);
  const int count = static_cast<int>(catalogue.records.size());
  // A page size below 1 would divide by zero; the options page lets 0 through.
  const int photoNo = std::max(options.photosPerPage, 1);
  catalogue.pageCount = catalogue.keywordPages ? runs : (count + photoNo - 1) / photoNo;
  return catalogue;
}

}  // namespace folio
