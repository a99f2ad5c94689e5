// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/cp932.h"

#include "platform/files.h"

#include <iconv.h>

#include <bit>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace folio {

namespace {

constexpr const char* kNativeUtf16 =
    std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

// One conversion descriptor for the length of one call.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t get() const { return cd_; }

 private:
  iconv_t cd_;
};

void AppendReference(std::string& out, unsigned long codePoint) {
  out += "&#";
  out += std::to_string(codePoint);
  out += ';';
}

// A byte of a file or folder name that was no UTF-8 (held as U+DC80 to
// U+DCFF, see FromPath) has no character to show: it goes into the page as a
// URL escape, so that a link to that name still finds the file.
bool AppendNameByte(std::string& out, unsigned long unit) {
  if (unit < 0xDC80 || unit > 0xDCFF) return false;
  static constexpr char kHex[] = "0123456789ABCDEF";
  out += '%';
  out += kHex[(unit >> 4) & 0xF];
  out += kHex[unit & 0xF];
  return true;
}

// The form of every BMP character, found once by the converter itself (each
// character encoded and its bytes decoded again), so that it agrees with what
// Utf16ToCp932 writes.
std::vector<Cp932Form> MakeFormTable() {
  std::vector<Cp932Form> forms(0x10000, Cp932Form::kNone);
  for (char32_t c = 0; c < 0x80; ++c) forms[c] = Cp932Form::kItself;
  Converter encode("CP932", kNativeUtf16);
  Converter decode(kNativeUtf16, "CP932");
  if (!encode.ok() || !decode.ok()) return forms;
  // The bytes of one whole conversion, or 0 when it fails.
  const auto convert = [](const Converter& conv, const void* in, std::size_t size, void* out,
                          std::size_t room) -> std::size_t {
    iconv(conv.get(), nullptr, nullptr, nullptr, nullptr);
    char* from = static_cast<char*>(const_cast<void*>(in));
    char* to = static_cast<char*>(out);
    if (iconv(conv.get(), &from, &size, &to, &room) == static_cast<std::size_t>(-1) || size != 0)
      return 0;
    return static_cast<std::size_t>(to - static_cast<char*>(out));
  };
  for (char32_t c = 0x80; c < 0x10000; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    const char16_t unit = static_cast<char16_t>(c);
    char bytes[8];
    const std::size_t n = convert(encode, &unit, sizeof unit, bytes, sizeof bytes);
    if (n == 0) continue;
    char16_t back[4];
    const std::size_t m = convert(decode, bytes, n, back, sizeof back);
    forms[c] = m == sizeof unit && back[0] == unit ? Cp932Form::kItself : Cp932Form::kLookAlike;
  }
  return forms;
}

}  // namespace

Cp932Form Cp932FormOf(char32_t c) {
  static const std::vector<Cp932Form> forms = MakeFormTable();
  return c < forms.size() ? forms[c] : Cp932Form::kNone;
}

std::string Utf16ToCp932(std::u16string_view text) {
  std::string out;
  Converter conv("CP932", kNativeUtf16);
  if (!conv.ok()) {
    // Without the converter every non-ASCII character still survives as a reference.
    for (std::size_t i = 0; i < text.size(); ++i) {
      unsigned long c = text[i];
      if (c < 0x80) {
        out.push_back(static_cast<char>(c));
        continue;
      }
      if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
          text[i + 1] <= 0xDFFF) {
        c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
        ++i;
      } else if (AppendNameByte(out, c)) {
        continue;
      } else if (c >= 0xD800 && c <= 0xDFFF) {
        c = 0xFFFD;
      }
      AppendReference(out, c);
    }
    return out;
  }

  out.reserve(text.size() * 2);
  const char16_t* pos = text.data();
  const char16_t* const end = text.data() + text.size();
  char buffer[4096];
  while (pos < end) {
    char* in = reinterpret_cast<char*>(const_cast<char16_t*>(pos));
    std::size_t inLeft = static_cast<std::size_t>(end - pos) * sizeof(char16_t);
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t rc = iconv(conv.get(), &in, &inLeft, &outPtr, &outLeft);
    const int err = errno;
    out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
    pos = reinterpret_cast<const char16_t*>(in);
    if (rc != static_cast<std::size_t>(-1)) break;
    if (err == E2BIG) continue;
    // The character at pos has no CP932 form (or is a broken surrogate).
    unsigned long c = *pos;
    std::size_t units = 1;
    if (c >= 0xD800 && c <= 0xDBFF && pos + 1 < end && pos[1] >= 0xDC00 && pos[1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (pos[1] - 0xDC00);
      units = 2;
      AppendReference(out, c);
    } else if (!AppendNameByte(out, c)) {
      // Any other lone surrogate is no character at all.
      AppendReference(out, c >= 0xD800 && c <= 0xDFFF ? 0xFFFD : c);
    }
    pos += units;
    iconv(conv.get(), nullptr, nullptr, nullptr, nullptr);
  }
  return out;
}

bool WriteCp932TextFile(const std::filesystem::path& path, std::u16string_view text) {
  const std::string bytes = Utf16ToCp932(text);
  // Pages are few and small: each goes to the disk whole before it takes
  // its name, so neither a full disk nor a power cut leaves half a page.
  return WriteFileAtomically(path, {{reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()}},
                             Replace::kYes, Sync::kYes) == WriteResult::kWritten;
}

std::u16string Cp932ToUtf16(std::string_view bytes) {
  const std::size_t nul = bytes.find('\0');
  if (nul != std::string_view::npos) bytes = bytes.substr(0, nul);
  std::u16string out;
  Converter conv(kNativeUtf16, "CP932");
  if (!conv.ok()) {
    for (unsigned char b : bytes) out.push_back(b < 0x80 ? char16_t(b) : u'\uFFFD');
    return out;
  }
  out.reserve(bytes.size());
  const char* pos = bytes.data();
  const char* const end = bytes.data() + bytes.size();
  char16_t buffer[2048];
  while (pos < end) {
    char* in = const_cast<char*>(pos);
    std::size_t inLeft = static_cast<std::size_t>(end - pos);
    char* outPtr = reinterpret_cast<char*>(buffer);
    std::size_t outLeft = sizeof buffer;
    const std::size_t rc = iconv(conv.get(), &in, &inLeft, &outPtr, &outLeft);
    const int err = errno;
    out.append(buffer, static_cast<std::size_t>(reinterpret_cast<char16_t*>(outPtr) - buffer));
    pos = in;
    if (rc != static_cast<std::size_t>(-1)) break;
    if (err == E2BIG) continue;
    // An invalid byte (EILSEQ) or a lead byte cut off at the end (EINVAL): one
    // replacement character for that byte, then go on with the next.
    out.push_back(u'\uFFFD');
    ++pos;
    iconv(conv.get(), nullptr, nullptr, nullptr, nullptr);
  }
  return out;
}

}  // namespace folio
