// SPDX-License-Identifier: GPL-3.0-or-later
// folio-docs: writes, at build time, what is made from the program's own
// tables: the man page of folioscope-cli with its settings table, and the
// bash and zsh completions.
//   folio-docs man TEMPLATE OUTPUT | bash OUTPUT | zsh OUTPUT
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "app/cli_completions.h"
#include "app/settings_listing.h"

namespace {

bool WriteText(const char* path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  return static_cast<bool>(out.flush());
}

}  // namespace

int main(int argc, char** argv) {
  const std::string what = argc > 1 ? argv[1] : "";
  if (what == "man" && argc == 4) {
    std::ifstream in(argv[2], std::ios::binary);
    std::stringstream page;
    page << in.rdbuf();
    std::string text = page.str();
    const std::string mark = "@SETTINGS_TABLE@\n";
    const std::size_t at = text.find(mark);
    if (!in || at == std::string::npos) {
      std::cerr << "folio-docs: " << argv[2] << " lacks " << mark;
      return 1;
    }
    text.replace(at, mark.size(), folio::SettingsRoffTable());
    return WriteText(argv[3], text) ? 0 : 1;
  }
  if (what == "bash" && argc == 3) return WriteText(argv[2], folio::BashCompletion()) ? 0 : 1;
  if (what == "zsh" && argc == 3) return WriteText(argv[2], folio::ZshCompletion()) ? 0 : 1;
  std::cerr << "usage: folio-docs man TEMPLATE OUTPUT | bash OUTPUT | zsh OUTPUT\n";
  return 64;
}
