// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/headless_window.h"

#include "platform/text.h"
#include "version/version.h"

namespace folio {

HeadlessWindow::HeadlessWindow() : title_(kWindowTitle) {}

void HeadlessWindow::addStatusLine(std::u16string_view text) {
  std::u16string line = u"    ";
  line += text;
  takeLine(line);
}

void HeadlessWindow::addFolderLine(std::u16string_view path, int number, int total) {
  takeLine(FormatText(u"%s (%d/%d)", {path, DecimalText(number), DecimalText(total)}));
}

}  // namespace folio
