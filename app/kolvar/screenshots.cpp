// kolvar-screenshots: pictures of the window for the documentation, made
// offscreen with recording ports and a clock it sets itself. Run in an
// empty folder; it writes the PNG files there.
#include <QApplication>
#include <QPixmap>
#include <cstdio>
#include <fstream>
#include <string>

#include "platform/fake_port.h"
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

  shots.click("settings");
  ok &= shots.save("settings.png");
  shots.click("OK_set");
  shots.click("tk");
  ok &= shots.save("path-logger.png");
  shots.click("OK2");
  return ok ? 0 : 1;
}
