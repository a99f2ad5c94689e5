// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fills one record per JPEG file, counts the folder's tallies and puts the
// records in display order.
#include <string>
#include <vector>

#include "catalogue/exif_tallies.h"
#include "catalogue/image_record.h"
#include "platform/random_generator.h"

namespace folio {

// What the catalogue takes from the user's options.
struct CatalogueOptions {
  std::u16string sortKeyword;  // empty: the folder's order
  bool reverse = false;
  bool keywordPages = false;  // records grouped into runs of equal keyword values
  int photosPerPage = 10;     // below 1 counts as 1
  int threads = 0;            // as WorkerCount reads it
};

struct Catalogue {
  std::vector<ImageRecord> records;  // in display order
  ExifTallies tallies;
  // The thumbnail pages: one per run of equal keyword values when
  // `keywordPages`, else enough pages of `photosPerPage` photos for every record.
  int pageCount = 0;
  bool keywordPages = false;
};

// The names are taken: each goes once its record holds it, so that a large
// folder does not keep them twice. The random keys are drawn from `random`,
// which goes on from where the batch's previous folder left it.
Catalogue BuildCatalogue(std::vector<std::u16string> fileNames, std::u16string_view folder,
                         const CatalogueOptions& options, RandomGenerator& random);

}  // namespace folio
