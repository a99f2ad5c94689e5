// SPDX-License-Identifier: GPL-3.0-or-later
// The Open button hands a folder to the desktop's file manager, never to a
// program for folders that is Folioscope itself (an older package claimed
// folders, and a folder opened by Folioscope runs a job on it); files still
// go to their own programs. Stand-ins for xdg-mime and xdg-open record what
// was asked; no D-Bus session is reachable, so the fallback is what runs.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "app/gui/main_window.h"
#include "gui_support/gui_test_env.h"
#include "platform/ini_profile.h"
#include "settings/settings.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using folio::test::ReadBytes;
using folio::test::TempDir;
using folio::test::WriteBytes;

namespace {

class UrlCatcher : public QTextBrowser {
 public:
  QList<QUrl> urls;

 protected:
  void doSetSource(const QUrl& url, QTextDocument::ResourceType) override { urls << url; }
};

void WriteScript(const fs::path& path, const std::string& body) {
  WriteBytes(path, "#!/bin/sh\n" + body);
  fs::permissions(path, fs::perms::owner_all);
}

struct Case {
  const char* name;
  int mode;
  const char* handler;  // what xdg-mime names as the program for folders
  std::function<void(const fs::path& folder)> prepare;
  const char* target;  // what goes to xdg-open, relative to the folder; null for nothing
  bool toDesktopServices;
};

TEST(OpenButton, AFolderGoesToTheFileManagerNeverToFolioscope) {
  const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "/usr/bin:/bin";
  const auto resizeFolder = [](const fs::path& f) { fs::create_directories(f / "resize"); };
  const std::vector<Case> cases = {
      {"older package is the folder program", 3, "io.github.folioscope.Folioscope.desktop",
       resizeFolder, nullptr, false},
      {"a hand-made entry of ours", 3, "folioscope.desktop", resizeFolder, nullptr, false},
      {"no folder program known", 3, "", resizeFolder, nullptr, false},
      {"a file manager", 3, "org.gnome.Nautilus.desktop", resizeFolder, "resize", false},
      {"a page that is a link to a folder", 0, "io.github.folioscope.Folioscope.desktop",
       [](const fs::path& f) {
         fs::create_directories(f / "jpg");
         fs::create_symlink("jpg", f / "page1.html");
       },
       nullptr, false},
      {"a page goes to its own program", 0, "org.gnome.Nautilus.desktop",
       [](const fs::path& f) { WriteBytes(f / "page1.html", "<p>page</p>"); }, nullptr, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir temp;
    const fs::path bin = temp / "bin", folder = temp / "Trip";
    fs::create_directories(bin);
    fs::create_directories(folder);
    c.prepare(folder);
    WriteScript(bin / "xdg-mime",
                "echo asked >> '" + (temp / "mime.log").string() + "'\necho '" + c.handler + "'\n");
    WriteScript(bin / "xdg-open",
                "printf '%s\\n' \"$1\" >> '" + (temp / "open.log").string() + "'\n");
    qputenv("PATH", QByteArray::fromStdString(bin.string() + ":" + path));
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/folioscope-test-bus");

    folio::Settings stored;
    stored.setting.CreateMode = c.mode;
    {
      folio::IniProfile profile(temp / "folioscope.ini");
      ASSERT_TRUE(folio::SaveSettings(stored, u"", profile));
    }
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "setSource");
    {
      folio::gui::MainWindow dlg(temp / "folioscope.ini");
      dlg.show();
      dlg.folderBox()->setText(QString::fromStdString(folder.string()));
      QTest::mouseClick(dlg.openButton(), Qt::LeftButton);
    }
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    EXPECT_EQ(catcher.urls.size(), c.toDesktopServices ? 1 : 0);
    if (c.target) {
      // xdg-open runs detached: wait for its line (a bound against a hang only).
      const std::string expected = (folder / c.target).string() + "\n";
      for (int i = 0; i < 1000 && ReadBytes(temp / "open.log") != expected; ++i) QTest::qWait(10);
      EXPECT_EQ(ReadBytes(temp / "open.log"), expected);
    } else if (!c.toDesktopServices) {
      EXPECT_TRUE(fs::exists(temp / "mime.log"));  // the program for folders was asked
      QTest::qWait(300);
      EXPECT_FALSE(fs::exists(temp / "open.log"));
    }
  }
  qputenv("PATH", QByteArray::fromStdString(path));
}

}  // namespace
