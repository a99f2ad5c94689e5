#pragma once
// Fills one record per JPEG file, counts the folder's tallies and puts the
// records in display order.
#include <string>
#include <vector>

#include "catalogue/exif_tallies.h"
#include "catalogue/image_record.h"
#include "platform/random_generator.h"
#include "settings/settings.h"

namespace folio {

struct Catalogue {
  std::vector<ImageRecord> records;  // in display order
  ExifTallies tallies;
  // The thumbnail pages: one per run of equal keyword values when
  // `keywordPages`, else enough pages of `PhotoNo` photos for every record.
  int pageCount = 0;
  bool keywordPages = false;
};

// The names are taken: each goes once its record holds it, so that a large
// folder does not keep them twice. The random keys are drawn from `random`,
// which goes on from where the batch's previous folder left it.
Catalogue BuildCatalogue(std::vector<std::u16string> fileNames, std::u16string_view folder,
                         const Settings& settings, RandomGenerator& random);

}  // namespace folio
