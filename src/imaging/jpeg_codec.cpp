// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/jpeg_codec.h"

#include "imaging/picture_memory.h"

#include <turbojpeg.h>

// jpeglib.h needs FILE and size_t declared first.
#include <cstdio>
#include <jpeglib.h>

#include <algorithm>
#include <cerrno>
#include <csetjmp>
#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN,
              "Format_RGB32 is taken as B, G, R, X bytes in memory");

namespace folio::jpeg {
namespace {

// One decompressor and one compressor per thread, made on first use: their
// set-up costs about as much as decoding a thumbnail-sized picture.
struct Handles {
  tjhandle decompress = nullptr;
  tjhandle compress = nullptr;
  ~Handles() {
    if (decompress) tjDestroy(decompress);
    if (compress) tjDestroy(compress);
  }
};

Handles& ThreadHandles() {
  thread_local Handles handles;
  return handles;
}

tjhandle Decompressor() {
  Handles& h = ThreadHandles();
  if (!h.decompress) h.decompress = tjInitDecompress();
  return h.decompress;
}

tjhandle Compressor() {
  Handles& h = ThreadHandles();
  if (!h.compress) h.compress = tjInitCompress();
  return h.compress;
}

// After a failed call a TurboJPEG handle can stay in a state in which every
// later call fails too, so that one bad file would spoil all the photos after
// it: a failed handle is thrown away and made anew on next use.
void DiscardDecompressor() {
  Handles& h = ThreadHandles();
  if (h.decompress) tjDestroy(h.decompress);
  h.decompress = nullptr;
}

void DiscardCompressor() {
  Handles& h = ThreadHandles();
  if (h.compress) tjDestroy(h.compress);
  h.compress = nullptr;
}

// Photoshop writes CMYK JPEGs with an Adobe APP14 segment and inverted
// values; without it the values are plain.
bool HasAdobeMarker(const uint8_t* data, size_t size) {
  size_t p = 2;
  while (p + 4 <= size) {
    if (data[p] != 0xFF) return false;
    uint8_t marker = data[p + 1];
    if (marker == 0xFF) {
      ++p;
      continue;
    }
    if (marker == 0xDA || marker == 0xD9) return false;  // start of scan / end
    size_t length = (static_cast<size_t>(data[p + 2]) << 8) | data[p + 3];
    if (length < 2) return false;
    if (marker == 0xEE && length >= 7 && p + 9 <= size &&
        std::memcmp(data + p + 4, "Adobe", 5) == 0)
      return true;
    p += 2 + length;
  }
  return false;
}

bool DecodedWell(tjhandle handle, int rc) {
  if (rc == 0) return true;
  // A warning (truncated or slightly corrupt data) still leaves a picture.
  const bool warning = tjGetErrorCode(handle) == TJERR_WARNING;
  DiscardDecompressor();
  return warning;
}

}  // namespace

bool ReadHeader(const uint8_t* data, size_t size, Header& header) {
  header = Header{};
  if (!data || size < 4 || data[0] != 0xFF || data[1] != 0xD8) return false;
  tjhandle handle = Decompressor();
  if (!handle) return false;
  int w = 0, h = 0, sub = 0, space = 0;
  if (tjDecompressHeader3(handle, data, static_cast<unsigned long>(size), &w, &h, &sub, &space) !=
      0) {
    DiscardDecompressor();
    return false;
  }
  if (w <= 0 || h <= 0) return false;
  header = Header{w, h, sub, space};
  return true;
}

bool HasRgbComponents(const Header& header) {
  return header.colorspace == TJCS_RGB || header.colorspace == TJCS_YCbCr;
}

int ScaledDimension(int dimension, Scale scale) {
  return static_cast<int>((static_cast<long long>(dimension) * scale.num + scale.denom - 1) /
                          scale.denom);
}

Scale ChooseScale(int width, int height, int minWidth, int minHeight) {
  if (minWidth <= 0 || minHeight <= 0) return Scale{1, 1};
  for (int n = 1; n < 8; ++n) {
    Scale s{n, 8};
    if (ScaledDimension(width, s) >= minWidth && ScaledDimension(height, s) >= minHeight) {
      // Report in lowest terms: TurboJPEG lists its factors that way.
      int g = n % 2 ? 1 : (n % 4 ? 2 : 4);
      return Scale{n / g, 8 / g};
    }
  }
  return Scale{1, 1};
}

QImage Decode(const uint8_t* data, size_t size, const Header& header, int minWidth, int minHeight) {
  tjhandle handle = Decompressor();
  if (!handle || header.width <= 0 || header.height <= 0) return QImage();
  Scale scale = ChooseScale(header.width, header.height, minWidth, minHeight);
  const int w = ScaledDimension(header.width, scale);
  const int h = ScaledDimension(header.height, scale);
  const unsigned long length = static_cast<unsigned long>(size);

  QImage image = NewPicture(w, h, QImage::Format_RGB32, PictureStart::kToBeWritten);
  if (image.isNull()) return QImage();

  if (header.colorspace == TJCS_CMYK || header.colorspace == TJCS_YCCK) {
    // TurboJPEG gives CMYK only as CMYK; turn it into RGB here.
    std::vector<uint8_t> cmyk(static_cast<size_t>(w) * h * 4);
    int rc = tjDecompress2(handle, data, length, cmyk.data(), w, w * 4, h, TJPF_CMYK, 0);
    if (!DecodedWell(handle, rc)) return QImage();
    const bool inverted = HasAdobeMarker(data, size);
    for (int y = 0; y < h; ++y) {
      const uint8_t* in = cmyk.data() + static_cast<size_t>(y) * w * 4;
      QRgb* out = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < w; ++x, in += 4) {
        int c = in[0], m = in[1], ye = in[2], k = in[3];
        if (!inverted) {
          c = 255 - c;
          m = 255 - m;
          ye = 255 - ye;
          k = 255 - k;
        }
        out[x] = qRgb(c * k / 255, m * k / 255, ye * k / 255);
      }
    }
    return image;
  }

  // BGRX into RGB32: TurboJPEG fills the X byte with 0xFF, as RGB32 wants.
  int rc = tjDecompress2(handle, data, length, image.bits(), w,
                         static_cast<int>(image.bytesPerLine()), h, TJPF_BGRX, 0);
  if (!DecodedWell(handle, rc)) return QImage();
  return image;
}

bool Encode(const QImage& source, int quality, std::vector<uint8_t>& out) {
  out.clear();
  if (source.isNull()) return false;
  QImage converted;
  const QImage* image = &source;
  switch (source.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied: break;
    default:
      converted = source.convertToFormat(QImage::Format_RGB32);
      if (converted.isNull()) return false;
      image = &converted;
  }
  tjhandle handle = Compressor();
  if (!handle) return false;
  quality = std::clamp(quality, 1, 100);
  unsigned char* jpeg = nullptr;
  unsigned long size = 0;
  int rc = tjCompress2(handle, image->constBits(), image->width(),
                       static_cast<int>(image->bytesPerLine()), image->height(), TJPF_BGRX, &jpeg,
                       &size, TJSAMP_420, quality, 0);
  if (rc != 0 || !jpeg) {
    if (jpeg) tjFree(jpeg);
    DiscardCompressor();
    return false;
  }
  out.assign(jpeg, jpeg + size);
  tjFree(jpeg);
  return true;
}

// ------------------------------------------------------------ RowEncoder

// libjpeg reports errors by calling error_exit, which must not return: it
// jumps back to the call of ours that was running, with no C++ frame of ours
// in between to unwind.
struct RowEncoder::State {
  jpeg_compress_struct cinfo{};
  struct Errors {
    jpeg_error_mgr manager{};
    std::jmp_buf jump{};
  } errors;
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  bool failed = false;
  bool finished = false;

  static void OnError(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<Errors*>(cinfo->err)->jump, 1);
  }
  static void OnMessage(j_common_ptr) {}  // warnings are not the user's business

  // Everything that can fail, after the jump target is set.
  void Start(int width, int height, int quality) {
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = 4;
    cinfo.in_color_space = JCS_EXT_BGRX;
    // The settings TurboJPEG's compressor uses for 4:2:0 with no flags, so that
    // both give the same bytes.
    jpeg_set_defaults(&cinfo);
    quality = std::clamp(quality, 1, 100);
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.dct_method = quality >= 96 ? JDCT_ISLOW : JDCT_FASTEST;
    jpeg_set_colorspace(&cinfo, JCS_YCbCr);
    cinfo.comp_info[0].h_samp_factor = 2;
    cinfo.comp_info[0].v_samp_factor = 2;
    for (int c = 1; c < 3; ++c) {
      cinfo.comp_info[c].h_samp_factor = 1;
      cinfo.comp_info[c].v_samp_factor = 1;
    }
    jpeg_start_compress(&cinfo, TRUE);
  }
};

RowEncoder::RowEncoder(int width, int height, int quality) : state_(std::make_unique<State>()) {
  State& s = *state_;
  s.cinfo.err = jpeg_std_error(&s.errors.manager);
  s.errors.manager.error_exit = State::OnError;
  s.errors.manager.output_message = State::OnMessage;
  jpeg_create_compress(&s.cinfo);
  if (width <= 0 || height <= 0) {
    s.failed = true;
    return;
  }
  if (setjmp(s.errors.jump)) {
    s.failed = true;
    return;
  }
  s.Start(width, height, quality);
}

RowEncoder::~RowEncoder() {
  jpeg_destroy_compress(&state_->cinfo);
  std::free(state_->buffer);
}

bool RowEncoder::ok() const { return !state_->failed; }

int RowEncoder::rowsWritten() const { return static_cast<int>(state_->cinfo.next_scanline); }

bool RowEncoder::Write(const uint8_t* firstRow, std::ptrdiff_t bytesPerLine, int count) {
  State& s = *state_;
  if (s.failed || s.finished) return false;
  if (count <= 0) return true;
  if (count > static_cast<int>(s.cinfo.image_height - s.cinfo.next_scanline)) {
    s.failed = true;
    return false;
  }
  // A band at a time keeps the row table small.
  constexpr int kBand = 64;
  JSAMPROW rows[kBand];
  if (setjmp(s.errors.jump)) {
    s.failed = true;
    return false;
  }
  for (int done = 0; done < count;) {
    const int band = std::min(kBand, count - done);
    for (int i = 0; i < band; ++i)
      rows[i] = const_cast<JSAMPROW>(firstRow + (done + i) * bytesPerLine);
    done += static_cast<int>(jpeg_write_scanlines(&s.cinfo, rows, static_cast<JDIMENSION>(band)));
  }
  return true;
}

bool RowEncoder::Finish(std::vector<uint8_t>& out) {
  State& s = *state_;
  out.clear();
  if (s.failed || s.finished || s.cinfo.next_scanline != s.cinfo.image_height) return false;
  if (setjmp(s.errors.jump)) {
    s.failed = true;
    return false;
  }
  jpeg_finish_compress(&s.cinfo);
  s.finished = true;
  out.assign(s.buffer, s.buffer + s.size);
  return true;
}

size_t MetadataInsertPosition(const std::vector<uint8_t>& jpeg) {
  size_t p = 2;
  if (jpeg.size() >= 6 && jpeg[2] == 0xFF && jpeg[3] == 0xE0) {
    size_t length = (static_cast<size_t>(jpeg[4]) << 8) | jpeg[5];
    if (p + 2 + length <= jpeg.size()) p += 2 + length;
  }
  return std::min(p, jpeg.size());
}

}  // namespace folio::jpeg
