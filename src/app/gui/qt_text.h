// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's UTF-16 texts as QString and back, without a trip through
// UTF-8 (a lone surrogate standing for a file name's bad byte survives).
#include <QString>
#include <string>
#include <string_view>

namespace folio::gui {

inline QString ToQ(std::u16string_view text) {
  return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}
inline std::u16string FromQ(const QString& text) {
  return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()),
                        static_cast<std::size_t>(text.size()));
}

}  // namespace folio::gui
