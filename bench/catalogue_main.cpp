// SPDX-License-Identifier: GPL-3.0-or-later
// folio-bench-catalogue: the catalogue of a folder alone (listing, Exif and
// maker-note reading, sorting), printed one tab-separated line a photo, so
// that its speed can be set against other Exif readers.
//
//   folio-bench-catalogue [--threads N] [--sort KEYWORD] FOLDER
#include <cstdio>
#include <iostream>
#include <string>

#include "catalogue/catalogue.h"
#include "folder/photo_listing.h"
#include "html/value_format.h"
#include "platform/random_generator.h"
#include "platform/text.h"

int main(int argc, char** argv) {
  folio::CatalogueOptions options;  // the defaults of the settings file
  std::string folder;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--threads" && i + 1 < argc) {
      options.threads = std::stoi(argv[++i]);
    } else if (arg == "--sort" && i + 1 < argc) {
      options.sortKeyword = folio::FromUtf8(argv[++i]);
    } else {
      folder = arg;
    }
  }
  if (folder.empty()) {
    std::cerr << "usage: folio-bench-catalogue [--threads N] [--sort KEYWORD] FOLDER\n";
    return 64;
  }
  const std::u16string path = folio::FromUtf8(folder);
  folio::RandomGenerator random;
  const folio::Catalogue catalogue = folio::BuildCatalogue(
      folio::ListJpegFiles(path), path, options, random);
  std::string out;
  for (const folio::ImageRecord& r : catalogue.records) {
    for (const std::u16string& field :
         {std::u16string(folio::FieldText(r.fileName)), std::u16string(folio::FieldText(r.make)),
          std::u16string(folio::FieldText(r.model)),
          std::u16string(folio::FieldText(r.dateTimeOriginal)), folio::FormatShutterSpeed(r),
          folio::FormatFNumber(r), folio::FormatIso(r), folio::FormatFocalLength(r),
          std::u16string(folio::FieldText(r.lensName))}) {
      out += folio::ToUtf8(field);
      out += '\t';
    }
    out.back() = '\n';
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
}
