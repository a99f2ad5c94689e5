// SPDX-License-Identifier: GPL-3.0-or-later
// BuildCatalogue over real folders of JPEG files.
#include "catalogue/catalogue.h"

#include <gtest/gtest.h>

#include <vector>

#include "catalogue/exif_tallies.h"
#include "catalogue/sorting.h"
#include "exif_fixture.h"
#include "platform/random_generator.h"
#include "platform/text.h"
#include "support/test_support.h"

namespace folio {
namespace {

class CatalogueOfFolder : public ::testing::Test {
 protected:
  void AddPhoto(const std::string& name, const test::ExifFields& exif) {
    test::WriteJpegWithExif(dir_ / name, 48, 32, exif, 90, static_cast<unsigned>(names_.size() + 1));
    names_.push_back(FromUtf8(name));
  }
  void AddCanonPhoto(const std::string& name, const test::CanonNote& note) {
    test::WriteJpeg(dir_ / "plain.tmp", 48, 32);
    auto tiff = test::BuildTiff(false, {test::AsciiEntry(0x010F, "Canon")}, {},
                                [&](uint32_t at) { return note.Build(at); });
    test::WriteBytes(dir_ / name, test::JpegWithTiff(test::ReadBytes(dir_ / "plain.tmp"), tiff));
    names_.push_back(FromUtf8(name));
  }
  Catalogue Build(std::u16string_view sort, bool reverse = false, bool sortPage = false,
                  int photoNo = 10) {
    CatalogueOptions options;
    options.sortKeyword = std::u16string(sort);
    options.reverse = reverse;
    options.keywordPages = sortPage;
    options.photosPerPage = photoNo;
    return BuildCatalogue(names_, dir_.u16(), options, random_);
  }
  static std::vector<std::u16string> Names(const std::vector<ImageRecord>& records) {
    std::vector<std::u16string> out;
    for (const auto& r : records) out.emplace_back(FieldText(r.fileName));
    return out;
  }

  test::TempDir dir_;
  std::vector<std::u16string> names_;
  RandomGenerator random_;  // as at program start
};

TEST_F(CatalogueOfFolder, EmptySortKeepsListingOrderAndNeverGroups) {
  test::ExifFields e;
  for (const char* name : {"b.jpg", "A.jpg", "a.jpg"}) AddPhoto(name, e);
  const Catalogue catalogue = Build(u"", false, true, 2);
  const auto& records = catalogue.records;
  EXPECT_EQ(Names(records), (std::vector<std::u16string>{u"b.jpg", u"A.jpg", u"a.jpg"}));
  for (const auto& r : records) {
    EXPECT_EQ(r.groupNumber, 0);
    EXPECT_EQ(FieldText(r.lensName), u"");
    EXPECT_EQ(r.isoSpeed, 0);
  }
  // Pages of PhotoNo photos; a PhotoNo of 0 counts as 1.
  EXPECT_FALSE(catalogue.keywordPages);
  EXPECT_EQ(catalogue.pageCount, 2);
  EXPECT_EQ(Build(u"", false, true, 0).pageCount, 3);
  EXPECT_EQ(Build(u"", false, true, 3).pageCount, 1);
}

TEST_F(CatalogueOfFolder, FileNameOrderIsByCodeUnit) {
  test::ExifFields e;
  for (const char* name : {"b.jpg", "a.jpg", "Z.jpg", "B.jpg"}) AddPhoto(name, e);
  auto records = Build(kKeywordFileName).records;
  EXPECT_EQ(Names(records), (std::vector<std::u16string>{u"B.jpg", u"Z.jpg", u"a.jpg", u"b.jpg"}));
  for (const auto& r : records) EXPECT_EQ(FieldText(r.sortKeyword), kKeywordFileName);
}

TEST_F(CatalogueOfFolder, DatePagesGroupByDay) {
  const char* dates[] = {"2010:05:02 10:00:00", "2010:05:01 09:00:00", "2010:05:01 11:00:00",
                         "2010:05:02 08:00:00", "2010:05:01 10:00:00"};
  for (int i = 0; i < 5; ++i) {
    test::ExifFields e;
    e.dateTimeOriginal = dates[i];
    AddPhoto("IMG_" + std::to_string(i) + ".jpg", e);
  }
  const Catalogue catalogue = Build(kKeywordDate, false, true, 1);
  const auto& records = catalogue.records;
  std::vector<int> groups;
  for (const auto& r : records) groups.push_back(r.groupNumber);
  EXPECT_EQ(groups, (std::vector<int>{1, 1, 1, 2, 2}));
  // One page per day, whatever PhotoNo says.
  EXPECT_TRUE(catalogue.keywordPages);
  EXPECT_EQ(catalogue.pageCount, 2);
  EXPECT_EQ(FieldText(records[0].dateTimeOriginal), u"2010:05:01 09:00:00");
  EXPECT_EQ(FieldText(records[4].dateTimeOriginal), u"2010:05:02 10:00:00");
}

TEST_F(CatalogueOfFolder, IsoDescendingPutsThePhotoWithoutExifLast) {
  const uint16_t isos[] = {400, 0, 1600, 100};
  for (int i = 0; i < 4; ++i) {
    test::ExifFields e;
    if (isos[i]) e.iso = isos[i];
    AddPhoto("P" + std::to_string(i) + ".jpg", e);
  }
  auto records = Build(kKeywordIso, true).records;
  EXPECT_EQ(Names(records), (std::vector<std::u16string>{u"P2.jpg", u"P0.jpg", u"P3.jpg", u"P1.jpg"}));
  // No Exif: still catalogued, every Exif field absent.
  const ImageRecord& bare = records[3];
  EXPECT_EQ(FieldText(bare.sortKeyword), kKeywordIso);
  EXPECT_EQ(FieldText(bare.make), u"");
  EXPECT_EQ(FieldText(bare.dateTimeOriginal), u"");
  EXPECT_EQ(FieldText(bare.lensName), u"");
  EXPECT_EQ(bare.exposureTime.denominator, 0u);
  EXPECT_EQ(bare.fNumber.denominator, 0u);
  EXPECT_EQ(bare.focalLength.denominator, 0u);
  EXPECT_EQ(bare.shutterSpeedValue.denominator, 0);
  EXPECT_EQ(bare.whiteBalance, 0);
  EXPECT_EQ(bare.pixelWidth, 0u);
}

TEST_F(CatalogueOfFolder, RandomKeysRepeatFromTheSameGeneratorState) {
  test::ExifFields e;
  for (int i = 0; i < 6; ++i) AddPhoto("R" + std::to_string(i) + ".jpg", e);
  auto keys = [](const std::vector<ImageRecord>& records) {
    std::vector<int> out;
    for (const auto& r : records) out.push_back(r.randomKey);
    return out;
  };
  auto first = Build(kKeywordRandom).records;
  auto second = Build(kKeywordRandom).records;
  random_ = RandomGenerator();  // a new run of the program
  auto again = Build(kKeywordRandom).records;
  EXPECT_EQ(Names(first), Names(again));
  EXPECT_EQ(keys(first), keys(again));
  EXPECT_NE(keys(first), keys(second));
  for (std::size_t i = 1; i < first.size(); ++i) EXPECT_LE(first[i - 1].randomKey, first[i].randomKey);
  // Each key is the second draw after reseeding with the first.
  RandomGenerator runtime;
  runtime.Reseed(static_cast<unsigned>(runtime.Next()));
  const int key = runtime.Next();
  bool found = false;
  for (const auto& r : first) found |= (FieldText(r.fileName) == u"R0.jpg" && r.randomKey == key);
  EXPECT_TRUE(found);
}

TEST_F(CatalogueOfFolder, LensTallyCountsPerFolderAndLensPagesGroup) {
  test::CanonNote sigma;
  test::CanonNote fifty;
  fifty.lensType = 0x01;
  fifty.shortEnd = fifty.longEnd = 50;
  AddCanonPhoto("IMG_0001.JPG", sigma);
  AddCanonPhoto("IMG_0002.JPG", fifty);
  AddCanonPhoto("IMG_0003.JPG", sigma);
  const Catalogue catalogue = Build(kKeywordLens, false, true);
  const auto& records = catalogue.records;
  EXPECT_EQ(FieldText(records[0].lensName), u"Canon EF 50mm F1.8");
  EXPECT_EQ(FieldText(records[2].lensName), u"Sigma 10-20mm F4-5.6 EX DC HSM (APS-C用)");
  EXPECT_EQ(records[1].groupNumber, 2);
  EXPECT_EQ(records[2].groupNumber, 2);
  EXPECT_TRUE(catalogue.keywordPages);
  EXPECT_EQ(catalogue.pageCount, 2);
  for (const auto& r : records) EXPECT_EQ(r.makerNoteFailStage, 0);
  const ExifTallies& tallies = catalogue.tallies;
  EXPECT_EQ(tallies.LensTally[0].text, u"Sigma 10-20mm F4-5.6 EX DC HSM (APS-C用)");
  EXPECT_EQ(tallies.LensTally[0].count, 2u);
  EXPECT_EQ(tallies.LensTally[1].count, 1u);
  EXPECT_EQ(tallies.LensTally[2].count, 0u);

  // The next folder starts from empty tallies.
  test::TempDir other;
  test::WriteJpeg(other / "x.jpg", 16, 16);
  const std::vector<std::u16string> x = {u"x.jpg"};
  const Catalogue next = BuildCatalogue(x, other.u16(), CatalogueOptions{}, random_);
  EXPECT_EQ(next.tallies.LensTally[0].count, 0u);
  EXPECT_TRUE(next.tallies.LensTally[0].text.empty());
  EXPECT_EQ(catalogue.tallies.LensTally[0].count, 2u);
}

// A name whose file has gone (or never loads) still gets its record, with
// every Exif field absent, and sorts and groups with the others.
TEST_F(CatalogueOfFolder, NameWithoutFileKeepsABlankRecordThatStillSorts) {
  test::ExifFields e;
  e.iso = 200;
  AddPhoto("only.jpg", e);
  names_.push_back(u"gone.jpg");
  const Catalogue catalogue = Build(kKeywordIso, false, true);
  const auto& records = catalogue.records;
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(FieldText(records[0].fileName), u"gone.jpg");  // ISO 0 before 200
  EXPECT_EQ(records[0].isoSpeed, 0);
  EXPECT_EQ(FieldText(records[0].sortKeyword), kKeywordIso);
  EXPECT_EQ(FieldText(records[1].fileName), u"only.jpg");
  EXPECT_EQ(records[1].isoSpeed, 200);
  EXPECT_EQ(records[0].groupNumber, 1);
  EXPECT_EQ(records[1].groupNumber, 2);
  EXPECT_EQ(catalogue.pageCount, 2);
  for (const auto& slot : catalogue.tallies.IsoTally)
    EXPECT_EQ(slot.count, slot.value == 200 ? 1u : 0u);
}

// A typed sort text that is none of the keywords groups nothing but the
// first record, so the pages go by PhotoNo.
TEST_F(CatalogueOfFolder, TypedKeywordPagesGoByPhotoCount) {
  test::ExifFields e;
  for (int i = 0; i < 3; ++i) AddPhoto("T" + std::to_string(i) + ".jpg", e);
  const Catalogue catalogue = Build(u"ISO", false, true, 2);
  EXPECT_EQ(Names(catalogue.records),
            (std::vector<std::u16string>{u"T0.jpg", u"T1.jpg", u"T2.jpg"}));
  EXPECT_FALSE(catalogue.keywordPages);
  EXPECT_EQ(catalogue.pageCount, 2);
}

TEST(BuildCatalogue, NoNamesGiveNoRecordsAndNoPages) {
  test::TempDir dir;
  CatalogueOptions options;
  options.sortKeyword = std::u16string(kKeywordIso);
  options.keywordPages = true;
  RandomGenerator random;
  const Catalogue catalogue = BuildCatalogue({}, dir.u16(), options, random);
  EXPECT_TRUE(catalogue.records.empty());
  EXPECT_EQ(catalogue.pageCount, 0);
  EXPECT_FALSE(catalogue.keywordPages);
}

}  // namespace
}  // namespace folio
