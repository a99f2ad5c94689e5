// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ini_profile.h"

#include "platform/files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <optional>
#include <system_error>

#include "platform/cp932.h"
#include "platform/text.h"

namespace folio {

namespace {

// A read gives at most this many UTF-16 units, as a 4096-unit buffer holds.
constexpr std::size_t kMaxValueLength = 4095;

char16_t FoldCase(char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c - u'A' + u'a') : c; }

bool SameName(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  return true;
}

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

std::u16string_view Trim(std::u16string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// "[name]" (blanks allowed around and inside the brackets).
std::optional<std::u16string_view> SectionName(std::u16string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() != u'[') return std::nullopt;
  const std::size_t close = line.rfind(u']');
  if (close == std::u16string_view::npos || close == 0) return std::nullopt;
  return Trim(line.substr(1, close - 1));
}

struct KeyLine {
  std::u16string_view key;
  std::u16string_view value;
};

// "key=value"; a line without '=' is a key with an empty value, a blank line none.
std::optional<KeyLine> ParseKeyLine(std::u16string_view line) {
  const std::size_t eq = line.find(u'=');
  KeyLine kl;
  if (eq == std::u16string_view::npos) {
    kl.key = Trim(line);
  } else {
    kl.key = Trim(line.substr(0, eq));
    kl.value = Trim(line.substr(eq + 1));
  }
  if (kl.key.empty()) return std::nullopt;
  return kl;
}

std::vector<std::u16string> ReadLines(const std::filesystem::path& path) {
  std::vector<std::u16string> lines;
  // Plain reads: a folder or unreadable file of that name reads as no file
  // (a stream would throw on it).
  std::string bytes;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return lines;
  char buffer[16384];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  std::string_view view(bytes);
  if (view.substr(0, 3) == "\xEF\xBB\xBF") view.remove_prefix(3);
  // The file is UTF-8; one that is not (a profile kept in Shift_JIS, as an
  // older copy of the tool wrote it) is read as code page 932, so that its
  // Japanese texts survive the next save instead of turning into U+FFFD.
  const bool utf8 = IsUtf8(view);
  std::size_t start = 0;
  while (start < view.size()) {
    std::size_t nl = view.find('\n', start);
    std::size_t stop = nl == std::string_view::npos ? view.size() : nl;
    std::string_view line = view.substr(start, stop - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(utf8 ? FromUtf8(line) : Cp932ToUtf16(line));
    if (nl == std::string_view::npos) break;
    start = nl + 1;
  }
  return lines;
}

struct Location {
  std::optional<std::size_t> sectionLine;  // header of the first matching section
  std::optional<std::size_t> keyLine;      // the key within that section
  std::size_t insertAt = 0;                // after the section's last non-blank line
};

Location Find(const std::vector<std::u16string>& lines, std::u16string_view section,
              std::u16string_view key) {
  Location loc;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    auto name = SectionName(lines[i]);
    if (!loc.sectionLine) {
      if (name && SameName(*name, section)) {
        loc.sectionLine = i;
        loc.insertAt = i + 1;
      }
      continue;
    }
    if (name) break;  // the next section begins
    if (!Trim(lines[i]).empty()) loc.insertAt = i + 1;
    if (!loc.keyLine) {
      auto kl = ParseKeyLine(lines[i]);
      if (kl && SameName(kl->key, key)) loc.keyLine = i;
    }
  }
  return loc;
}

// What a read yields for a found value: one enclosing pair of double quotes
// removed, then cut to the read buffer (never between the halves of a pair).
std::u16string ReadValue(std::u16string_view value, bool stripQuotes = true) {
  if (stripQuotes && value.size() >= 2 && value.front() == u'"' && value.back() == u'"')
    value = value.substr(1, value.size() - 2);
  if (value.size() > kMaxValueLength) {
    std::size_t n = kMaxValueLength;
    if (value[n - 1] >= 0xD800 && value[n - 1] <= 0xDBFF) --n;
    value = value.substr(0, n);
  }
  return std::u16string(value);
}

bool ValidName(std::u16string_view name, bool isKey) {
  if (Trim(name).empty()) return false;
  for (char16_t c : name)
    if (c == u'\r' || c == u'\n' || c == u']' || (isKey && c == u'=')) return false;
  if (isKey && Trim(name).front() == u'[') return false;
  return true;
}

// Replaces the file in one step: a crash leaves either the old or the new file.
bool WriteLinesAtomically(const std::filesystem::path& path,
                          const std::vector<std::u16string>& lines) {
  std::string bytes;
  for (const auto& line : lines) {
    bytes += ToUtf8(line);
    bytes += "\r\n";
  }
  std::error_code ec;
  std::filesystem::path target = path;
  if (std::filesystem::is_symlink(path, ec)) {
    auto resolved = std::filesystem::weakly_canonical(path, ec);
    if (!ec) target = resolved;
  }
  std::filesystem::path temp = target;
  temp += "." + std::to_string(::getpid()) + ".tmp";

  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool ok = true;
  std::size_t done = 0;
  while (ok && done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) ok = false;
    else done += static_cast<std::size_t>(n);
  }
  if (ok && ::fsync(fd) != 0) ok = false;
  if (::close(fd) != 0) ok = false;
  if (ok) {
    auto st = std::filesystem::status(target, ec);
    if (!ec && std::filesystem::exists(st))
      std::filesystem::permissions(temp, st.permissions(), ec);
    std::filesystem::rename(temp, target, ec);
    if (ec) ok = false;
    else SyncFolder(target.has_parent_path() ? target.parent_path() : ".");
  }
  if (!ok) std::filesystem::remove(temp, ec);
  return ok;
}

}  // namespace

IniProfile::IniProfile(std::filesystem::path path) : path_(std::move(path)) {}

std::u16string IniProfile::GetString(std::u16string_view section, std::u16string_view key,
                                     std::u16string_view defaultValue) const {
  const auto lines = ReadLines(path_);
  const Location loc = Find(lines, section, key);
  if (!loc.keyLine) return ReadValue(defaultValue, false);
  return ReadValue(ParseKeyLine(lines[*loc.keyLine])->value);
}

int IniProfile::GetInt(std::u16string_view section, std::u16string_view key,
                       int defaultValue) const {
  const auto lines = ReadLines(path_);
  const Location loc = Find(lines, section, key);
  if (!loc.keyLine) return defaultValue;
  const std::u16string text = ReadValue(ParseKeyLine(lines[*loc.keyLine])->value);
  if (text.empty()) return defaultValue;  // "key=" reads as absent, as the platform's does
  return LeadingNumber(text);
}

int LeadingNumber(std::u16string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
  long long value = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    value = value * 10 + (text[i] - u'0');
    if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) value = -value;
  if (value > INT_MAX) value = INT_MAX;
  if (value < INT_MIN) value = INT_MIN;
  return static_cast<int>(value);
}

bool IniProfile::WriteString(std::u16string_view section, std::u16string_view key,
                             std::u16string_view value) {
  if (!ValidName(section, false) || !ValidName(key, true)) return false;
  // A profile line cannot hold a line break; one would split the value into a
  // stray key, so breaks are stored as spaces.
  std::u16string flat(value);
  for (char16_t& c : flat)
    if (c == u'\r' || c == u'\n') c = u' ';

  auto lines = ReadLines(path_);
  const Location loc = Find(lines, section, key);
  if (loc.keyLine) {
    std::u16string& line = lines[*loc.keyLine];
    std::u16string oldKey(ParseKeyLine(line)->key);
    line = oldKey + u"=" + flat;
  } else {
    std::u16string entry = std::u16string(key) + u"=" + flat;
    if (loc.sectionLine) {
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(loc.insertAt), std::move(entry));
    } else {
      lines.push_back(u"[" + std::u16string(section) + u"]");
      lines.push_back(std::move(entry));
    }
  }
  return WriteLinesAtomically(path_, lines);
}

bool IniProfile::WriteInt(std::u16string_view section, std::u16string_view key, int value) {
  return WriteString(section, key, DecimalText(value));
}

}  // namespace folio
