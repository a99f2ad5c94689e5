// BuildCatalogue over real folders of JPEG files.
#include "catalogue/catalogue.h"

#include <gtest/gtest.h>

#include <vector>

#include "catalogue/exif_tallies.h"
#include "catalogue/sorting.h"
#include "exif_fixture.h"
#include "platform/lcg.h"
#include "platform/text.h"
#include "support/test_support.h"

namespace folio {
namespace {

class Catalogue : public ::testing::Test {
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
  std::u16string FileList() const {
    std::u16string list;
    for (const auto& n : names_) list += n + u"\n";
    return list;
  }
  std::vector<ImageRecord> Build(std::u16string_view sort, bool reverse = false, bool sortPage = false,
                                 int* lastPageIndex = nullptr) {
    Settings settings;
    settings.setting.Sort = std::u16string(sort);
    settings.setting.Reverse = reverse;
    settings.thumbnail.SortPage = sortPage;
    std::vector<ImageRecord> records(names_.size());
    // Leftovers from earlier use of the memory must not show through.
    for (auto& r : records) {
      SetField(r.lensName, u"stale");
      r.groupNumber = 77;
      r.isoSpeed = 999;
    }
    int last = 42;
    BuildCatalogue(FileList(), dir_.u16(), settings, static_cast<int>(records.size()), records.data(),
                   lastPageIndex ? *lastPageIndex : last);
    return records;
  }
  static std::vector<std::u16string> Names(const std::vector<ImageRecord>& records) {
    std::vector<std::u16string> out;
    for (const auto& r : records) out.emplace_back(FieldText(r.fileName));
    return out;
  }

  test::TempDir dir_;
  std::vector<std::u16string> names_;
};

TEST_F(Catalogue, EmptySortKeepsListingOrderAndNeverGroups) {
  test::ExifFields e;
  for (const char* name : {"b.jpg", "A.jpg", "a.jpg"}) AddPhoto(name, e);
  int last = 5;
  auto records = Build(u"", false, true, &last);
  EXPECT_EQ(Names(records), (std::vector<std::u16string>{u"b.jpg", u"A.jpg", u"a.jpg"}));
  for (const auto& r : records) {
    EXPECT_EQ(r.groupNumber, 0);
    EXPECT_EQ(FieldText(r.lensName), u"");
    EXPECT_EQ(r.isoSpeed, 0);
  }
  EXPECT_EQ(last, 5);
}

TEST_F(Catalogue, FileNameOrderIsByCodeUnit) {
  test::ExifFields e;
  for (const char* name : {"b.jpg", "a.jpg", "Z.jpg", "B.jpg"}) AddPhoto(name, e);
  auto records = Build(kKeywordFileName);
  EXPECT_EQ(Names(records), (std::vector<std::u16string>{u"B.jpg", u"Z.jpg", u"a.jpg", u"b.jpg"}));
  for (const auto& r : records) EXPECT_EQ(FieldText(r.sortKeyword), kKeywordFileName);
}

TEST_F(Catalogue, DatePagesGroupByDay) {
  const char* dates[] = {"2010:05:02 10:00:00", "2010:05:01 09:00:00", "2010:05:01 11:00:00",
                         "2010:05:02 08:00:00", "2010:05:01 10:00:00"};
  for (int i = 0; i < 5; ++i) {
    test::ExifFields e;
    e.dateTimeOriginal = dates[i];
    AddPhoto("IMG_" + std::to_string(i) + ".jpg", e);
  }
  int last = 0;
  auto records = Build(kKeywordDate, false, true, &last);
  std::vector<int> groups;
  for (const auto& r : records) groups.push_back(r.groupNumber);
  EXPECT_EQ(groups, (std::vector<int>{1, 1, 1, 2, 2}));
  EXPECT_EQ(last, 1);
  EXPECT_EQ(FieldText(records[0].dateTimeOriginal), u"2010:05:01 09:00:00");
  EXPECT_EQ(FieldText(records[4].dateTimeOriginal), u"2010:05:02 10:00:00");
}

TEST_F(Catalogue, IsoDescendingPutsThePhotoWithoutExifLast) {
  const uint16_t isos[] = {400, 0, 1600, 100};
  for (int i = 0; i < 4; ++i) {
    test::ExifFields e;
    if (isos[i]) e.iso = isos[i];
    AddPhoto("P" + std::to_string(i) + ".jpg", e);
  }
  auto records = Build(kKeywordIso, true);
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

TEST_F(Catalogue, RandomKeysRepeatFromTheSameGeneratorState) {
  test::ExifFields e;
  for (int i = 0; i < 6; ++i) AddPhoto("R" + std::to_string(i) + ".jpg", e);
  auto keys = [](const std::vector<ImageRecord>& records) {
    std::vector<int> out;
    for (const auto& r : records) out.push_back(r.randomKey);
    return out;
  };
  Srand(1);  // as at program start
  auto first = Build(kKeywordRandom);
  auto second = Build(kKeywordRandom);
  Srand(1);
  auto again = Build(kKeywordRandom);
  EXPECT_EQ(Names(first), Names(again));
  EXPECT_EQ(keys(first), keys(again));
  EXPECT_NE(keys(first), keys(second));
  for (std::size_t i = 1; i < first.size(); ++i) EXPECT_LE(first[i - 1].randomKey, first[i].randomKey);
  // Each key is the second draw after reseeding with the first.
  Srand(1);
  const int draw = Rand();
  Srand(static_cast<unsigned>(draw));
  const int key = Rand();
  bool found = false;
  for (const auto& r : first) found |= (FieldText(r.fileName) == u"R0.jpg" && r.randomKey == key);
  EXPECT_TRUE(found);
}

TEST_F(Catalogue, LensTallyCountsPerFolderAndLensPagesGroup) {
  test::CanonNote sigma;
  test::CanonNote fifty;
  fifty.lensType = 0x01;
  fifty.shortEnd = fifty.longEnd = 50;
  AddCanonPhoto("IMG_0001.JPG", sigma);
  AddCanonPhoto("IMG_0002.JPG", fifty);
  AddCanonPhoto("IMG_0003.JPG", sigma);
  int last = 0;
  auto records = Build(kKeywordLens, false, true, &last);
  EXPECT_EQ(FieldText(records[0].lensName), u"Canon EF 50mm F1.8");
  EXPECT_EQ(FieldText(records[2].lensName), u"Sigma 10-20mm F4-5.6 EX DC HSM (APS-C用)");
  EXPECT_EQ(records[1].groupNumber, 2);
  EXPECT_EQ(records[2].groupNumber, 2);
  EXPECT_EQ(last, 1);
  for (const auto& r : records) EXPECT_EQ(r.makerNoteFailStage, 0);
  EXPECT_EQ(g_exifTallies.LensTally[0].text, u"Sigma 10-20mm F4-5.6 EX DC HSM (APS-C用)");
  EXPECT_EQ(g_exifTallies.LensTally[0].count, 2u);
  EXPECT_EQ(g_exifTallies.LensTally[1].count, 1u);
  EXPECT_EQ(g_exifTallies.LensTally[2].count, 0u);

  // The next folder starts from empty tallies.
  test::TempDir other;
  Settings settings;
  std::vector<ImageRecord> none(1);
  int unused = 0;
  test::WriteJpeg(other / "x.jpg", 16, 16);
  BuildCatalogue(u"x.jpg\n", other.u16(), settings, 1, none.data(), unused);
  EXPECT_EQ(g_exifTallies.LensTally[0].count, 0u);
  EXPECT_TRUE(g_exifTallies.LensTally[0].text.empty());
}

TEST_F(Catalogue, ShortFileListLeavesBlankRecordsThatStillSortSafely) {
  test::ExifFields e;
  e.iso = 200;
  AddPhoto("only.jpg", e);
  Settings settings;
  settings.setting.Sort = std::u16string(kKeywordIso);
  settings.thumbnail.SortPage = 1;
  std::vector<ImageRecord> records(40);
  for (auto& r : records) r.isoSpeed = 999;
  int last = 3;
  BuildCatalogue(u"only.jpg\nno-line-feed.jpg", dir_.u16(), settings, 40, records.data(), last);
  EXPECT_EQ(FieldText(records[39].fileName), u"only.jpg");  // 200 after 39 blanks (0)
  EXPECT_EQ(records[39].isoSpeed, 200);
  for (int i = 0; i < 39; ++i) {
    EXPECT_EQ(records[i].isoSpeed, 0);
    EXPECT_EQ(FieldText(records[i].fileName), u"");
    EXPECT_EQ(FieldText(records[i].sortKeyword), kKeywordIso);
  }
  EXPECT_EQ(last, 1);
}

}  // namespace
}  // namespace folio
