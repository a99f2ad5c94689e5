// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/colour_profile.h"

#include <lcms2.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>

namespace folio {

// ---------------------------------------------------------------- reading

std::vector<uint8_t> ReadIccProfile(const uint8_t* jpeg, size_t size) {
  static constexpr uint8_t kSignature[12] = {'I', 'C', 'C', '_', 'P', 'R',
                                             'O', 'F', 'I', 'L', 'E', 0};
  constexpr size_t kChunkHeader = sizeof kSignature + 2;  // then sequence number and count
  if (!jpeg || size < 4 || jpeg[0] != 0xFF || jpeg[1] != 0xD8) return {};

  struct Chunk {
    const uint8_t* data = nullptr;
    size_t size = 0;
  };
  std::vector<Chunk> chunks;  // by sequence number - 1, once the count is known
  size_t p = 2;
  while (p + 4 <= size && jpeg[p] == 0xFF) {
    const uint8_t marker = jpeg[p + 1];
    if (marker == 0xFF) {  // fill byte
      ++p;
      continue;
    }
    // The metadata lies before the first scan; a standalone marker there
    // means the stream is not laid out as we read it.
    if (marker == 0xDA || marker == 0xD9 || marker == 0x00 || marker == 0x01 ||
        (marker >= 0xD0 && marker <= 0xD8))
      break;
    const size_t length = static_cast<size_t>(jpeg[p + 2]) << 8 | jpeg[p + 3];
    if (length < 2 || length > size - p - 2) break;  // a cut segment ends the walk
    const uint8_t* payload = jpeg + p + 4;
    const size_t payloadSize = length - 2;
    if (marker == 0xE2 && payloadSize >= kChunkHeader &&
        std::memcmp(payload, kSignature, sizeof kSignature) == 0) {
      const size_t sequence = payload[12], count = payload[13];
      if (count == 0 || sequence == 0 || sequence > count) return {};
      if (chunks.empty()) chunks.resize(count);
      if (chunks.size() != count || chunks[sequence - 1].data) return {};
      chunks[sequence - 1] = {payload + kChunkHeader, payloadSize - kChunkHeader};
    }
    p += 2 + length;
  }

  size_t total = 0;
  for (const Chunk& chunk : chunks) {
    if (!chunk.data) return {};
    total += chunk.size;  // at most 255 chunks of under 64 KiB: no overflow
  }
  if (total > kMaxIccProfileBytes) return {};
  std::vector<uint8_t> profile;
  profile.reserve(total);
  for (const Chunk& chunk : chunks)
    profile.insert(profile.end(), chunk.data, chunk.data + chunk.size);
  return profile;
}

// ---------------------------------------------------------------- converting

struct ColourProfile::Conversion {
  explicit Conversion(cmsHTRANSFORM t) : transform(t) {}
  ~Conversion() { cmsDeleteTransform(transform); }
  Conversion(const Conversion&) = delete;
  Conversion& operator=(const Conversion&) = delete;
  cmsHTRANSFORM transform;
};

namespace {

struct ProfileCloser {
  void operator()(void* profile) const { cmsCloseProfile(profile); }
};
using ProfileHandle = std::unique_ptr<void, ProfileCloser>;

// Profiles that describe RGB device values: what a photo may embed. Device
// links, abstract and named-colour profiles do not describe pixels. Read
// from the header's bytes: the engine hands its signatures out as enums,
// which hold no value a hostile file may put there.
bool DescribesRgbPixels(const uint8_t* icc, size_t size) {
  if (size < 128) return false;
  auto signature = [&](size_t at) {
    return uint32_t{icc[at]} << 24 | uint32_t{icc[at + 1]} << 16 | uint32_t{icc[at + 2]} << 8 |
           icc[at + 3];
  };
  const uint32_t kind = signature(12), space = signature(16), pcs = signature(20);
  if (space != uint32_t{cmsSigRgbData}) return false;
  if (kind != uint32_t{cmsSigInputClass} && kind != uint32_t{cmsSigDisplayClass} &&
      kind != uint32_t{cmsSigOutputClass} && kind != uint32_t{cmsSigColorSpaceClass})
    return false;
  return pcs == uint32_t{cmsSigXYZData} || pcs == uint32_t{cmsSigLabData};
}

// A profile counts as sRGB when its conversion leaves every colour of a grid
// through the whole cube within a level or two of where it was: then its
// colorants, white point and tone curves all agree with sRGB, however its
// maker wrote them down.
bool LeavesColoursAlone(cmsHTRANSFORM transform) {
  constexpr int kSteps = 16;  // levels 0, 17, ..., 255 on each axis
  constexpr int kMaxLevels = 2;
  std::vector<uint8_t> in(kSteps * kSteps * kSteps * 4), out(in.size());
  size_t i = 0;
  for (int r = 0; r < kSteps; ++r)
    for (int g = 0; g < kSteps; ++g)
      for (int b = 0; b < kSteps; ++b, i += 4) {
        in[i] = static_cast<uint8_t>(b * 17);
        in[i + 1] = static_cast<uint8_t>(g * 17);
        in[i + 2] = static_cast<uint8_t>(r * 17);
        in[i + 3] = 0xFF;
      }
  cmsDoTransform(transform, in.data(), out.data(), kSteps * kSteps * kSteps);
  for (i = 0; i < in.size(); i += 4)
    for (size_t c = 0; c < 3; ++c)
      if (std::abs(int{in[i + c]} - int{out[i + c]}) > kMaxLevels) return false;
  return true;
}

// The transform into sRGB, or null when the pixels are to be left alone.
cmsHTRANSFORM MakeTransform(const uint8_t* icc, size_t size) {
  if (size > kMaxIccProfileBytes || !DescribesRgbPixels(icc, size)) return nullptr;
  const ProfileHandle source(cmsOpenProfileFromMem(icc, static_cast<cmsUInt32Number>(size)));
  if (!source) return nullptr;
  const ProfileHandle srgb(cmsCreate_sRGBProfile());
  if (!srgb) return nullptr;
  // Relative colorimetric, as a colour-managed browser shows the photo
  // itself beside its thumbnail. No one-pixel cache: the transform is shared
  // by the worker threads, and the cache is the only state a transform
  // changes while it runs.
  cmsHTRANSFORM transform =
      cmsCreateTransform(source.get(), TYPE_BGRA_8, srgb.get(), TYPE_BGRA_8,
                         INTENT_RELATIVE_COLORIMETRIC, cmsFLAGS_NOCACHE | cmsFLAGS_COPY_ALPHA);
  if (!transform) return nullptr;
  if (LeavesColoursAlone(transform)) {
    cmsDeleteTransform(transform);
    return nullptr;
  }
  return transform;
}

// One entry per distinct profile (most folders hold one or two), the
// verdict "leave alone" included. Bounded by the number of entries (a
// transform holds tables of its own) and by the bytes of the profiles kept.
class ConversionCache {
 public:
  template <typename Make>
  std::shared_ptr<const ColourProfile::Conversion> Find(const uint8_t* icc, size_t size,
                                                        Make make) {
    std::vector<uint8_t> key(icc, icc + size);
    std::lock_guard lock(mutex_);
    if (auto found = entries_.find(key); found != entries_.end()) return found->second;
    if (entries_.size() >= kMaxEntries || keyBytes_ + size > kMaxKeyBytes) {
      entries_.clear();  // conversions in use live on in their holders
      keyBytes_ = 0;
    }
    auto conversion = make();
    keyBytes_ += size;
    entries_.emplace(std::move(key), conversion);
    return conversion;
  }

 private:
  static constexpr size_t kMaxEntries = 64;
  static constexpr size_t kMaxKeyBytes = size_t{16} << 20;
  std::mutex mutex_;
  std::map<std::vector<uint8_t>, std::shared_ptr<const ColourProfile::Conversion>> entries_;
  size_t keyBytes_ = 0;
};

ConversionCache& Cache() {
  static ConversionCache cache;
  return cache;
}

}  // namespace

ColourProfile ColourProfile::FromIcc(const uint8_t* icc, size_t size) {
  if (!icc || size == 0) return ColourProfile();
  return ColourProfile(Cache().Find(icc, size, [&]() -> std::shared_ptr<const Conversion> {
    cmsHTRANSFORM transform = MakeTransform(icc, size);
    if (!transform) return nullptr;
    return std::make_shared<const Conversion>(transform);
  }));
}

void ColourProfile::ConvertToSrgb(uint8_t* pixels, int width, int height,
                                  std::ptrdiff_t bytesPerLine) const {
  if (!conversion_ || !pixels || width <= 0 || height <= 0 || bytesPerLine < 4LL * width) return;
  cmsDoTransformLineStride(
      conversion_->transform, pixels, pixels, static_cast<cmsUInt32Number>(width),
      static_cast<cmsUInt32Number>(height), static_cast<cmsUInt32Number>(bytesPerLine),
      static_cast<cmsUInt32Number>(bytesPerLine), 0, 0);
}

}  // namespace folio
