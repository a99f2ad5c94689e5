// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the Open button hands to the desktop.
#include <string>
#include <string_view>

#include "settings/settings.h"

namespace folio::gui {

// What Open shows for the current mode: page1.html, slideshow.html,
// img/Image1.jpg, or the resize save folder (named as the resize job names
// it); empty for an unknown mode.
std::u16string OpenTarget(const Settings& settings, std::u16string_view folderPath);

}  // namespace folio::gui
