// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_support.h"

#include <exiv2/exiv2.hpp>
#include <turbojpeg.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <stdexcept>

namespace fs = std::filesystem;

namespace folio::test {

TempDir::TempDir() {
  std::string pattern = (fs::temp_directory_path() / "folioscope-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

std::u16string TempDir::u16() const {
  std::u16string out;
  for (char c : path_.string()) out.push_back(static_cast<unsigned char>(c));
  return out;  // temp paths are ASCII
}

void WriteJpeg(const fs::path& path, int width, int height, int quality, unsigned seed) {
  std::vector<unsigned char> rgb(static_cast<size_t>(width) * height * 3);
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> noise(-12, 12);
  const int phase = static_cast<int>(seed % 97);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      unsigned char* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
      int r = (x * 255) / (width > 1 ? width - 1 : 1);
      int g = (y * 255) / (height > 1 ? height - 1 : 1);
      int b = ((x / 16 + y / 16 + phase) % 2) ? 200 : 60;
      int n = noise(random);
      p[0] = static_cast<unsigned char>(std::clamp(r + n, 0, 255));
      p[1] = static_cast<unsigned char>(std::clamp(g + n, 0, 255));
      p[2] = static_cast<unsigned char>(std::clamp(b + n, 0, 255));
    }
  }
  tjhandle handle = tjInitCompress();
  unsigned char* jpeg = nullptr;
  unsigned long size = 0;
  if (tjCompress2(handle, rgb.data(), width, 0, height, TJPF_RGB, &jpeg, &size, TJSAMP_420,
                  quality, 0) != 0) {
    tjDestroy(handle);
    throw std::runtime_error("tjCompress2 failed");
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(jpeg), static_cast<std::streamsize>(size));
  tjFree(jpeg);
  tjDestroy(handle);
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

void WriteJpegWithExif(const fs::path& path, int width, int height, const ExifFields& exif,
                       int quality, unsigned seed) {
  WriteJpeg(path, width, height, quality, seed);
  WriteExif(path, exif);
}

void WriteExif(const fs::path& path, const ExifFields& exif) {
  auto image = Exiv2::ImageFactory::open(path.string());
  image->readMetadata();
  Exiv2::ExifData data;
  if (exif.make) data["Exif.Image.Make"] = *exif.make;
  if (exif.model) data["Exif.Image.Model"] = *exif.model;
  if (exif.orientation) data["Exif.Image.Orientation"] = *exif.orientation;
  if (exif.exposureTime)
    data["Exif.Photo.ExposureTime"] = Exiv2::URational(exif.exposureTime->first, exif.exposureTime->second);
  if (exif.fNumber) data["Exif.Photo.FNumber"] = Exiv2::URational(exif.fNumber->first, exif.fNumber->second);
  if (exif.exposureProgram) data["Exif.Photo.ExposureProgram"] = *exif.exposureProgram;
  if (exif.iso) data["Exif.Photo.ISOSpeedRatings"] = *exif.iso;
  if (exif.dateTimeOriginal) data["Exif.Photo.DateTimeOriginal"] = *exif.dateTimeOriginal;
  if (exif.shutterSpeedValue)
    data["Exif.Photo.ShutterSpeedValue"] =
        Exiv2::Rational(exif.shutterSpeedValue->first, exif.shutterSpeedValue->second);
  if (exif.exposureBias)
    data["Exif.Photo.ExposureBiasValue"] = Exiv2::Rational(exif.exposureBias->first, exif.exposureBias->second);
  if (exif.flash) data["Exif.Photo.Flash"] = *exif.flash;
  if (exif.focalLength)
    data["Exif.Photo.FocalLength"] = Exiv2::URational(exif.focalLength->first, exif.focalLength->second);
  if (exif.makerNote) {
    Exiv2::DataValue value(Exiv2::undefined);
    value.read(exif.makerNote->data(), static_cast<long>(exif.makerNote->size()));
    data.add(Exiv2::ExifKey("Exif.Photo.MakerNote"), &value);
  }
  if (exif.pixelXDimension) data["Exif.Photo.PixelXDimension"] = static_cast<uint32_t>(*exif.pixelXDimension);
  if (exif.pixelYDimension) data["Exif.Photo.PixelYDimension"] = static_cast<uint32_t>(*exif.pixelYDimension);
  if (exif.whiteBalance) data["Exif.Photo.WhiteBalance"] = *exif.whiteBalance;
  image->setByteOrder(exif.bigEndian ? Exiv2::bigEndian : Exiv2::littleEndian);
  image->setExifData(data);
  image->writeMetadata();
}

std::pair<int, int> JpegSize(const fs::path& path) {
  std::string bytes = ReadBytes(path);
  tjhandle handle = tjInitDecompress();
  int w = 0, h = 0, sub = 0, space = 0;
  int rc = tjDecompressHeader3(handle, reinterpret_cast<const unsigned char*>(bytes.data()),
                               static_cast<unsigned long>(bytes.size()), &w, &h, &sub, &space);
  tjDestroy(handle);
  if (rc != 0) return {0, 0};
  return {w, h};
}

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

uint64_t HashFile(const fs::path& path) {
  uint64_t h = 1469598103934665603ull;
  for (unsigned char c : ReadBytes(path)) {
    h ^= c;
    h *= 1099511628211ull;
  }
  return h;
}

std::map<std::string, uint64_t> HashTree(const fs::path& root) {
  std::map<std::string, uint64_t> out;
  for (const auto& entry : fs::recursive_directory_iterator(root))
    if (entry.is_regular_file()) out[fs::relative(entry.path(), root).string()] = HashFile(entry.path());
  return out;
}

std::multiset<uint64_t> HashesOf(const fs::path& root) {
  std::multiset<uint64_t> out;
  for (const auto& [name, hash] : HashTree(root)) out.insert(hash);
  return out;
}

std::string PhotoName(int number) {
  char name[32];
  std::snprintf(name, sizeof name, "IMG_%04d.jpg", number);
  return name;
}

void WritePhotoFolder(const fs::path& dir, int count) {
  for (int i = 0; i < count; ++i)
    WriteJpeg(dir / PhotoName(i + 1), 64, 48, 80, static_cast<unsigned>(i));
}

fs::path SharedPhotosDir() {
  fs::path dir = fs::path(FOLIO_SOURCE_DIR) / ".." / "shared" / "photos";
  std::error_code ec;
  return fs::is_directory(dir, ec) ? fs::canonical(dir) : fs::path();
}

}  // namespace folio::test
