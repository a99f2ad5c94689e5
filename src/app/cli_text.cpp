// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli_text.h"

#include <QString>

#include "app/translations.h"

namespace folio {

std::string CliText(const char* source, std::initializer_list<std::string_view> arguments) {
  const std::string text = Translated("Cli", source).toStdString();
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::size_t index =
        i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) - '1' : 9;
    if (text[i] == '%' && index < arguments.size()) {
      out += *(arguments.begin() + index);
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace folio
