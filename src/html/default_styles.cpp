// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/default_styles.h"

namespace folio {

namespace {

// The thumbnail pages keep their class-less table; below 600 CSS pixels its
// rows become wrapping lines of cells half the width (a whole line below
// 360), so no thumbnail reaches past a phone's screen.
constexpr std::string_view kThumbnailStylesheet =
    "/* Written by Folioscope where no thum.css was. Replace it to restyle the pages. */\n"
    ":root { color-scheme: light dark; }\n"
    "body { margin: 0 auto; padding: 8px 12px; max-width: 1280px; box-sizing: border-box;\n"
    "  font-family: sans-serif; line-height: 1.5; background: #fafafa; color: #222; }\n"
    "div.top, div.link { text-align: center; }\n"
    "div.link a, div.image td[colspan] a { display: inline-block; box-sizing: border-box;\n"
    "  min-width: 44px; min-height: 44px; line-height: 44px; padding: 0 8px; }\n"
    "div.image table { margin: 0 auto; border-spacing: 16px; }\n"
    "div.image td { vertical-align: top; overflow-wrap: anywhere; }\n"
    "div.image img { max-width: 100%; height: auto; border: 1px solid #ccc; }\n"
    "div.image td > a { display: inline-block; max-width: 100%; }\n"
    "@media (max-width: 599px) {\n"
    "  body { padding: 4px; }\n"
    "  div.image table, div.image tbody { display: block; border-spacing: 0; }\n"
    "  div.image tr { display: flex; flex-wrap: wrap; justify-content: center; }\n"
    "  div.image td { display: block; box-sizing: border-box; width: 50%; padding: 4px; }\n"
    "  div.image td[colspan] { width: 100%; }\n"
    "}\n"
    "@media (max-width: 359px) {\n"
    "  div.image td { width: 100%; }\n"
    "}\n"
    "@media (prefers-color-scheme: dark) {\n"
    "  body { background: #161616; color: #ddd; }\n"
    "  a { color: #8ab4f8; }\n"
    "  a:visited { color: #c58af9; }\n"
    "  div.image img { border-color: #444; }\n"
    "}\n";

constexpr std::string_view kSlideshowStylesheet =
    "/* Written by Folioscope where no slide.css was. Replace it to restyle the page. */\n"
    ":root { color-scheme: light dark; }\n"
    "body { margin: 0; padding: 8px; font-family: sans-serif; background: #fafafa; color: #222; }\n"
    "div.control input { min-width: 44px; min-height: 44px; margin: 2px; font-size: 1rem; }\n"
    "div.photo img { max-width: 100%; height: auto; box-sizing: border-box; }\n"
    "div.caption { text-align: center; margin: 0.5em 0; overflow-wrap: anywhere; }\n"
    "div.caption span.counter { font-variant-numeric: tabular-nums; margin-right: 1em; }\n"
    "@media (prefers-color-scheme: dark) {\n"
    "  body { background: #111; color: #ddd; }\n"
    "}\n";

}  // namespace

std::string_view DefaultThumbnailStylesheet() { return kThumbnailStylesheet; }
std::string_view DefaultSlideshowStylesheet() { return kSlideshowStylesheet; }

}  // namespace folio
