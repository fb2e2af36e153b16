// kolvar-screenshots: pictures of the window for the documentation, made
// offscreen with recording ports and a clock it sets itself. Run in an
// empty folder; it writes the PNG files there.
//
// The first-start pictures point the path panels at kolvar-logger: its log
// in kolvar/temperatures.log under this folder (run it in a home folder for
// the documentation's pictures), the program in /usr/bin.
#include <QApplication>
#include <QPixmap>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/ports/fake_port.h"
#include "view/desktop.h"

namespace {

using kolvar::view::Desktop;

struct Shots {
  kolvar::platform::Millis now = 0;
  Desktop desktop{{[](const kolvar::platform::Clock& clock) {
                     return kolvar::platform::DefaultPorts{
                         std::make_unique<kolvar::platform::FakePort>(clock, "/dev/parport0"),
                         std::make_unique<kolvar::platform::FakePort>(clock, "0x378")};
                   },
                   [this] { return now; }}};

  kolvar::form::Controller& c() { return desktop.controller(); }
  void click(const std::string& name) {
    desktop.act([&] { c().click(*c().form.find_full(name)); });
  }
  void edit(const std::string& name, const std::string& value) {
    desktop.act([&] { c().edit(*c().form.find_full(name), value); });
  }
  // The scale the operator's keys would choose, not remembered.
  void scale(int percent) { desktop.window().set_scale(percent); }
  void advance(kolvar::platform::Millis ms) {
    now += ms;
    desktop.act([&] { desktop.driver().run_due(); });
  }
  bool save(const char* file) {
    QApplication::processEvents();
    const bool ok = desktop.window().grab().save(file);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", file);
    return ok;
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Kolvar"));
  Shots shots;
  shots.scale(100);  // whatever this machine's desktop or a remembered scale would choose
  shots.desktop.start();
  bool ok = shots.save("main-start.png");

  std::ofstream("keeper.log") << "10:00:00  88.3      77.0      64.5\r\n";
  shots.click("fi");
  shots.edit("LogPath(1)", "keeper.log");
  ok &= shots.save("path-log.png");
  shots.click("OK");
  shots.click("kub(3)");
  shots.click("Start_sys_button");
  shots.advance(2000);
  ok &= shots.save("main-running.png");
  shots.scale(200);
  ok &= shots.save("main-running-200.png");
  shots.scale(100);

  shots.click("settings");
  ok &= shots.save("settings.png");
  shots.scale(200);
  ok &= shots.save("settings-200.png");
  shots.scale(100);
  shots.click("OK_set");
  shots.click("tk");
  ok &= shots.save("path-logger.png");
  shots.click("OK2");

  // First start on Linux: each panel's folder chosen, then its file.
  namespace fs = std::filesystem;
  const fs::path log_folder = fs::current_path() / "kolvar";
  fs::create_directories(log_folder);
  std::ofstream(log_folder / "temperatures.log")
      << "10:00:00 78.437    80.125    84.250    20.500\r\n"
      << "10:00:01 78.437    80.187    84.250    20.500\r\n";
  shots.click("fi");
  shots.edit("Dir1", log_folder.string());
  shots.edit("File1", "temperatures.log");
  ok &= shots.save("first-start-log-path.png");
  shots.click("OK");

  const fs::path logger = "/usr/bin/kolvar-logger";
  shots.click("tk");
  shots.edit("Dir2", logger.parent_path().string());
  if (fs::exists(logger)) {
    shots.edit("File2", logger.filename().string());
  } else {
    shots.edit("Path", logger.string());  // not installed here: typed, as the operator may
  }
  ok &= shots.save("first-start-logger-path.png");
  shots.click("OK2");
  return ok ? 0 : 1;
}
