// SPDX-License-Identifier: GPL-3.0-or-later
// Real folders of photos whose names and Exif texts are hostile, through the
// thumbnail and slideshow jobs and a batch: every link in the written pages,
// read back as a browser reads it (HTML references, then percent-escapes as
// bytes), names exactly its own file, and no markup of theirs survives.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "app/drop_batch.h"
#include "app/test_window.h"
#include "platform/text.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using folio::test::ReadBytes;
using folio::test::TempDir;

namespace {

// Raw file-name bytes: any byte but "/" and NUL.
const std::vector<std::string>& HostileNames() {
  static const std::vector<std::string> names = {
      "<img src=x onerror=alert(1)>.jpg",
      "q\" onerror=\"alert(1)\" x=\".jpg",
      "a\";document.title=\"x\";'.jpg",
      "&amp;&#60;&.jpg",
      "hash#tag?.jpg",
      "hash.jpg",
      "%41%2e.jpg",
      "A..jpg",
      "back\\slash.jpg",
      "ta\tb.jpg",
      "tab.jpg",
      "c\rr.jpg",
      "\xFF\xFE.jpg",
      "%FF%FE.jpg",
  };
  return names;
}

// Each percent-escape as one byte, as a browser asks for the file.
std::string PercentDecoded(const std::string& url) {
  std::string bytes;
  for (std::size_t i = 0; i < url.size(); ++i) {
    if (url[i] == '%' && i + 2 < url.size()) {
      bytes += static_cast<char>(std::stoi(url.substr(i + 1, 2), nullptr, 16));
      i += 2;
    } else {
      bytes += url[i];
    }
  }
  return bytes;
}

// What a browser makes of an attribute value: the four references, then the
// percent-escapes.
std::string LinkedFile(const std::string& value) {
  static const std::pair<std::string, char> kReferences[] = {
      {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}};
  std::string url;
  for (std::size_t i = 0; i < value.size(); ++i) {
    bool replaced = false;
    for (const auto& [reference, c] : kReferences) {
      if (value.compare(i, reference.size(), reference) == 0) {
        url += c;
        i += reference.size() - 1;
        replaced = true;
        break;
      }
    }
    if (!replaced) url += value[i];
  }
  return PercentDecoded(url);
}

// The values of every attribute opened by `open` (such as `href="`) that
// start with prefix.
std::vector<std::string> Attributes(const std::string& page, const std::string& open,
                                    const std::string& prefix) {
  std::vector<std::string> values;
  for (std::size_t pos = page.find(open + prefix); pos != std::string::npos;
       pos = page.find(open + prefix, pos)) {
    pos += open.size();
    const std::size_t end = page.find('"', pos);
    values.push_back(page.substr(pos, end - pos));
  }
  return values;
}

std::set<std::string> Expected(const std::string& prefix) {
  std::set<std::string> files;
  for (const std::string& name : HostileNames()) files.insert(prefix + name);
  return files;
}

std::set<std::string> Linked(const std::vector<std::string>& values) {
  std::set<std::string> files;
  for (const std::string& v : values) files.insert(LinkedFile(v));
  return files;
}

struct HostileFolder {
  TempDir dir;
  folio::test::TestWindow host;
  explicit HostileFolder(int mode) {
    unsigned seed = 1;
    for (const std::string& name : HostileNames()) {
      folio::test::ExifFields exif;
      exif.make = "<b>Maker</b>";
      exif.model = "</td><script>alert(1)</script>";
      folio::test::WriteJpegWithExif(dir.path() / name, 40, 30, exif, 80, seed++);
    }
    host.setBatchMode(true);
    host.settings().setting.CreateMode = mode;
    host.settings().thumbnail.PhotoNo = 100;
    host.settings().thumbnail.PhotoSize = 32;
    host.settings().thumbnail.Exif = u"%j %m %c";
  }
};

TEST(HostileNames, ThumbnailPageLinksEachPhotoAndShowsTextAsText) {
  HostileFolder folder(folio::kModeThumbnail);
  folder.host.RunFolder(folder.dir.u16());
  const std::string page = ReadBytes(folder.dir / "page1.html");
  EXPECT_EQ(Linked(Attributes(page, "href=\"", "jpg/")), Expected("jpg/"));
  EXPECT_EQ(Linked(Attributes(page, "src=\"", "thum/")), Expected("thum/"));
  for (const std::string& name : HostileNames()) {
    EXPECT_TRUE(fs::exists(folder.dir / "jpg" / name)) << name;
    EXPECT_TRUE(fs::exists(folder.dir / "thum" / name)) << name;
  }
  EXPECT_EQ(page.find("<script"), std::string::npos);
  EXPECT_EQ(page.find("<b>"), std::string::npos);
  EXPECT_NE(page.find("&lt;b&gt;Maker&lt;/b&gt; &lt;/td&gt;&lt;script&gt;alert(1)&lt;/script&gt;"),
            std::string::npos);
  EXPECT_NE(page.find("&lt;img src=x onerror=alert(1)&gt;.jpg &lt;b&gt;"), std::string::npos);
}

TEST(HostileNames, SlideshowArrayAndFirstSlideAreStringsThatLinkEachPhoto) {
  HostileFolder folder(folio::kModeSlideshow);
  folder.host.RunFolder(folder.dir.u16());
  const std::string page = ReadBytes(folder.dir / "slideshow.html");
  // Each array line holds one string literal that ends the statement: no
  // quote or backslash of a name is bare. Its escapes are those of ASCII.
  std::set<std::string> linked;
  const std::string open = "] = \"";
  for (std::size_t pos = page.find(open); pos != std::string::npos; pos = page.find(open, pos)) {
    std::string url;
    for (pos += open.size(); page[pos] != '"'; ++pos) {
      ASSERT_NE(page[pos], '\n');
      if (page[pos] != '\\') {
        url += page[pos];
      } else if (page[++pos] == 'u') {
        url += static_cast<char>(std::stoi(page.substr(pos + 1, 4), nullptr, 16));
        pos += 4;
      } else {
        url += page[pos];
      }
    }
    EXPECT_EQ(page.substr(pos, 3), "\";\r");
    linked.insert(PercentDecoded(url));
  }
  EXPECT_EQ(linked, Expected("slideshow/"));
  const std::set<std::string> first = Linked(Attributes(page, "src=\"", "slideshow/"));
  ASSERT_EQ(first.size(), 1u);
  EXPECT_TRUE(Expected("slideshow/").contains(*first.begin()));
  // Inside the script, every "<" of a name is escaped.
  const std::size_t script = page.find("<script type=\"text/javascript\"><!--\r\n");
  ASSERT_NE(script, std::string::npos);
  const std::size_t code = page.find("\r\n", script) + 2;
  EXPECT_EQ(page.substr(code, page.find("// --></script>") - code).find('<'), std::string::npos);
}

TEST(HostileNames, BatchOfHostileFolderNames) {
  TempDir root;
  const fs::path parent = root / "<b>&amp;\"p\"";
  const std::vector<std::string> folders = {"<img src=x onerror=alert(1)>\"#?%41",
                                            "javascript:alert(1)", "ta\tb\rc \xFF"};
  std::vector<std::u16string> paths;
  for (const std::string& name : folders) {
    fs::create_directories(parent / name);
    folio::test::WriteJpeg(parent / name / "IMG_0001.jpg", 40, 30);
    paths.push_back(folio::FromPath(parent / name));
  }
  folio::test::TestWindow host;
  host.settings().thumbnail.TopHtml = 1;
  host.RunDrop(paths);

  const std::string menu = ReadBytes(parent / "Menu.html");
  std::set<std::string> expected;
  for (const std::string& name : folders) expected.insert(name + "/page1.html");
  EXPECT_EQ(Linked(Attributes(menu, "href = \"", "")), expected);
  for (const std::string& link : expected) EXPECT_TRUE(fs::exists(parent / link)) << link;
  EXPECT_EQ(menu.find("<img"), std::string::npos);
  EXPECT_EQ(menu.find("href = \"javascript:"), std::string::npos);

  const std::string top = ReadBytes(parent / "Top.html");
  EXPECT_NE(top.find("<title>&lt;b&gt;&amp;amp;&quot;p&quot;</title>"), std::string::npos);
  std::vector<std::string> frames = Attributes(top, "src=\"", "");
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_EQ(LinkedFile(frames[1]), folders[0] + "/page1.html");
}

}  // namespace
