// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text.h"

#include <charconv>
#include <cstdint>

namespace folio {

namespace {

// Lone surrogates U+DC80 to U+DCFF stand for the bytes of a path that were
// no UTF-8 (FromPath).
constexpr char16_t kByteEscape = 0xDC00;

std::string EncodeUtf8(std::u16string_view text, bool bytesEscaped) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    uint32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (bytesEscaped && c >= kByteEscape + 0x80 && c <= kByteEscape + 0xFF) {
      out.push_back(static_cast<char>(c - kByteEscape));
      continue;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;  // a lone surrogate has no UTF-8 form
    }
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (c >> 18)));
      out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

// The character that starts at text[i] and the number of bytes it takes, or
// 0 bytes when none starts there: overlong forms, encoded surrogates and
// values past U+10FFFF are no characters (they would otherwise turn into
// stray surrogates).
std::size_t DecodeUtf8At(std::string_view text, std::size_t i, uint32_t& c) {
  const unsigned char b = static_cast<unsigned char>(text[i]);
  std::size_t extra;
  if (b < 0x80) {
    c = b;
    return 1;
  }
  if ((b & 0xE0) == 0xC0) {
    c = b & 0x1F;
    extra = 1;
  } else if ((b & 0xF0) == 0xE0) {
    c = b & 0x0F;
    extra = 2;
  } else if ((b & 0xF8) == 0xF0) {
    c = b & 0x07;
    extra = 3;
  } else
    return 0;
  for (std::size_t k = 1; k <= extra; ++k) {
    if (i + k >= text.size() || (static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 0;
    c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
  }
  static constexpr uint32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
  if (c < kMinimum[extra] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) return 0;
  return extra + 1;
}

std::u16string DecodeUtf8(std::string_view text, bool bytesEscaped) {
  std::u16string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    uint32_t c = 0;
    const std::size_t length = DecodeUtf8At(text, i, c);
    if (length == 0) {
      // A bad byte is always 0x80 or above.
      out.push_back(bytesEscaped
                        ? static_cast<char16_t>(kByteEscape + static_cast<unsigned char>(text[i]))
                        : u'\uFFFD');
      ++i;
      continue;
    }
    i += length;
    if (c >= 0x10000) {
      c -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(c));
    }
  }
  return out;
}

}  // namespace

std::string ToUtf8(std::u16string_view text) { return EncodeUtf8(text, false); }

std::u16string FromUtf8(std::string_view text) { return DecodeUtf8(text, false); }

bool IsUtf8(std::string_view text) {
  uint32_t c = 0;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = DecodeUtf8At(text, i, c);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::filesystem::path ToPath(std::u16string_view text) {
  return std::filesystem::path(EncodeUtf8(text, true));
}

std::u16string FromPath(const std::filesystem::path& path) {
  return DecodeUtf8(path.native(), true);
}

std::u16string DecimalText(long long value) {
  std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

std::string FixedAscii(double value, int decimals) {
  char buffer[400];  // room for the widest double in fixed notation
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (result.ec != std::errc()) return "0";
  return std::string(buffer, result.ptr);
}

std::u16string FormatText(std::u16string_view pattern,
                          std::initializer_list<std::u16string_view> args) {
  std::u16string out;
  auto next = args.begin();
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == u'%' && i + 1 < pattern.size()) {
      char16_t conversion = pattern[i + 1];
      if (conversion == u'%') {
        out.push_back(u'%');
        ++i;
        continue;
      }
      if ((conversion == u's' || conversion == u'd') && next != args.end()) {
        out.append(*next++);
        ++i;
        continue;
      }
    }
    out.push_back(pattern[i]);
  }
  return out;
}

bool EndsWithNoCase(std::u16string_view name, std::u16string_view suffix) {
  if (name.size() < suffix.size()) return false;
  auto lower = [](char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c - u'A' + u'a') : c; };
  std::u16string_view tail = name.substr(name.size() - suffix.size());
  for (std::size_t i = 0; i < suffix.size(); ++i)
    if (lower(tail[i]) != lower(suffix[i])) return false;
  return true;
}

void ReplaceAll(std::u16string& text, std::u16string_view from, std::u16string_view to) {
  if (from.empty()) return;
  std::size_t pos = 0;
  while ((pos = text.find(from, pos)) != std::u16string::npos) {
    text.replace(pos, from.size(), to);
    pos += to.size();
  }
}

std::u16string WithoutTrailingSeparators(std::u16string_view path) {
  while (path.size() > 1 && path.back() == u'/') path.remove_suffix(1);
  return std::u16string(path);
}

}  // namespace folio
