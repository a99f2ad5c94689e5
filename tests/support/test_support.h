// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fixtures shared by every test program: a temporary folder that removes
// itself, real JPEG files with real Exif, and content hashes of folders so a
// test can prove that no photo was lost or changed.
#include <cstdint>
#include <filesystem>
#include <map>
#include <set>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace folio::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }
  std::u16string u16() const;  // the path as UTF-16, as FolderPath holds it

 private:
  std::filesystem::path path_;
};

struct ExifFields {
  bool bigEndian = false;  // write the Exif block in Motorola byte order
  std::optional<std::string> make, model, dateTimeOriginal;
  std::optional<std::pair<uint32_t, uint32_t>> exposureTime, fNumber, focalLength;
  std::optional<std::pair<int32_t, int32_t>> shutterSpeedValue, exposureBias;
  std::optional<uint16_t> iso, whiteBalance, exposureProgram, flash, orientation;
  std::optional<uint32_t> pixelXDimension, pixelYDimension;  // written as LONG
  std::optional<std::vector<uint8_t>> makerNote;             // raw bytes
};

// A baseline JPEG of w x h with photographic-looking texture (gradients and
// noise, not flat colour), deterministic for a given seed.
void WriteJpeg(const std::filesystem::path& path, int width, int height, int quality = 90,
               unsigned seed = 1);
// Replaces the Exif block of an existing JPEG file with the fields.
void WriteExif(const std::filesystem::path& path, const ExifFields& exif);
// The same, then the Exif fields written into it.
void WriteJpegWithExif(const std::filesystem::path& path, int width, int height,
                       const ExifFields& exif, int quality = 90, unsigned seed = 1);

// "IMG_0001.jpg" for 1: the camera-style names of the generated folders.
std::string PhotoName(int number);
// `count` small photos IMG_0001.jpg onwards in `dir`, 64 x 48, each of its
// own content.
void WritePhotoFolder(const std::filesystem::path& dir, int count);
inline void WritePhotoFolder(const TempDir& dir, int count) { WritePhotoFolder(dir.path(), count); }

// Pixel size of a JPEG file read from its header; {0,0} when it is none.
std::pair<int, int> JpegSize(const std::filesystem::path& path);

std::string ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);
// 64-bit FNV-1a of the file's bytes.
uint64_t HashFile(const std::filesystem::path& path);
// Every regular file below `root`, by its path relative to root, with its hash.
std::map<std::string, uint64_t> HashTree(const std::filesystem::path& root);
// The hashes of the files of the tree, whatever their place (to prove that
// each photo still exists somewhere, byte-identical).
std::multiset<uint64_t> HashesOf(const std::filesystem::path& root);

// Where the shared sample photos lie (../shared/photos from the source tree),
// or empty when they are not there.
std::filesystem::path SharedPhotosDir();

}  // namespace folio::test
