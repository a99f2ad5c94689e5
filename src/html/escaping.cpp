// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/escaping.h"

#include "platform/cp932.h"
#include "platform/text.h"

namespace folio {

namespace {

bool IsHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }
// The bytes of a name that were no UTF-8, as FromPath keeps them.
bool IsNameByte(char16_t u) { return u >= 0xDC80 && u <= 0xDCFF; }

void AppendHex(std::u16string& out, unsigned value, int digits, const char* hex) {
  for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
    out += char16_t(hex[(value >> shift) & 0xF]);
}

void AppendPercentByte(std::u16string& out, unsigned byte) {
  out += u'%';
  AppendHex(out, byte, 2, "0123456789ABCDEF");
}

// Whether a character of a name must not stand as itself in a URL path.
bool NeedsPercent(char16_t u, bool atStart, bool inFirstSegment) {
  switch (u) {
    case u'%':
    case u'#':
    case u'?':
    case u'\\':  // a path separator to browsers
      return true;
    case u':':
    case u'|':  // "javascript:" or "C|" would make the link absolute
      return inFirstSegment;
    case u' ':  // browsers drop spaces at the start of an address
      return atStart;
    default: break;
  }
  // Browsers drop TAB, CR and LF from addresses; a reference to a C1 control
  // reads as a Windows-1252 character; and a look-alike's bytes (the yen sign
  // written as "\") would name another file.
  return u < 0x20 || u == 0x7F || (u >= 0x80 && u <= 0x9F) ||
         (u >= 0x80 && Cp932FormOf(u) == Cp932Form::kLookAlike);
}

}  // namespace

std::u16string EscapeHtml(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (const char16_t u : text) {
    switch (u) {
      case u'&': out += u"&amp;"; break;
      case u'<': out += u"&lt;"; break;
      case u'>': out += u"&gt;"; break;
      case u'"': out += u"&quot;"; break;
      default: out += u;
    }
  }
  return out;
}

std::u16string EscapeScriptString(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (const char16_t u : text) {
    switch (u) {
      case u'\\': out += u"\\\\"; break;
      case u'"': out += u"\\\""; break;
      case u'\'': out += u"\\'"; break;
      case u'<': out += u"\\u003c"; break;  // no "</script>" or "<!--" inside
      case u'\n': out += u"\\n"; break;
      case u'\r': out += u"\\r"; break;
      default:
        // Surrogates (of a pair or alone) are never carried as themselves.
        if (u < 0x20 || u == 0x7F || (u >= 0x80 && Cp932FormOf(u) != Cp932Form::kItself)) {
          out += u"\\u";
          AppendHex(out, u, 4, "0123456789abcdef");
        } else {
          out += u;
        }
    }
  }
  return out;
}

std::u16string EncodeLink(std::u16string_view path) {
  std::u16string out;
  out.reserve(path.size());
  bool inFirstSegment = true;
  for (std::size_t i = 0; i < path.size(); ++i) {
    const char16_t u = path[i];
    if (u == u'/') {
      inFirstSegment = false;
      out += u;
    } else if (IsHighSurrogate(u) && i + 1 < path.size() && IsLowSurrogate(path[i + 1])) {
      // Beyond the code page: the page writes it as a character reference.
      out += u;
      out += path[++i];
    } else if (IsNameByte(u)) {
      AppendPercentByte(out, u - 0xDC00u);
    } else if (NeedsPercent(u, i == 0, inFirstSegment)) {
      for (const char byte : ToUtf8(std::u16string_view(&u, 1)))
        AppendPercentByte(out, static_cast<unsigned char>(byte));
    } else {
      out += u;
    }
  }
  return out;
}

std::u16string LinkAttribute(std::u16string_view path) { return EscapeHtml(EncodeLink(path)); }

}  // namespace folio
