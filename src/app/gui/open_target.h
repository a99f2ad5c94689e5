#pragma once
// Rules of the main window that need no widgets: the command-line folder,
// the target of the Open button, the build date of the About box.
#include <string>
#include <string_view>

#include "settings/settings.h"

namespace folio::gui {

// The whole command line is one folder path: a text holding a double quote
// loses its first and last character, trailing separators go (a root stays),
// and a relative path is taken from the current folder.
std::u16string NormaliseCommandLine(std::u16string_view commandLine);

// What Open shows for the current mode: page1.html, slideshow.html,
// img/Image1.jpg, or the resize save folder (named as the resize job names
// it); empty for an unknown mode.
std::u16string OpenTarget(const Settings& settings, std::u16string_view folderPath);

// "2016/1/5" from a __DATE__ text such as "Jan  5 2016".
std::u16string BuildDateText(const char* date);

}  // namespace folio::gui
