// The desktop that both windows bind: operator input through act, the
// routing of the model's changes to the window, the status line, the end of
// the program, and the timers' wake-ups on the platform's alarm.
#include "desk/desktop.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "desk/desk_rig.h"
#include "form/names.h"
#include "support/temp_folder.h"

namespace kolvar::desk {
namespace {

class DeskDesktop : public kolvar::testing::InFreshFolder {
 protected:
  DeskDesktop() { desktop.attach(window); }
  form::Control& control(form::Name name) { return desktop.controller().c(name); }
  bool changed(const std::string& name, form::Prop prop) const {
    return std::find(window.changes.begin(), window.changes.end(), std::pair{name, prop}) !=
           window.changes.end();
  }

  test_rig::RecordingToolkit toolkit;
  platform::FakePort* port = nullptr;
  platform::Millis monotonic = 0;
  test_rig::NotingWindow window;
  Desktop desktop{test_rig::recording_ports(port, monotonic), toolkit.lend()};
};

TEST_F(DeskDesktop, StartShowsTheLoadedWindowAndTheStatusLineNamesThePort) {
  desktop.start();
  EXPECT_EQ(window.opened, 1);
  EXPECT_EQ(toolkit.opened, 1) << "boxes that waited for the window are told it is up";
  EXPECT_EQ(window.status, "Выходы колонны: /dev/parport0");
  // The form's own changes go to the form, the controls' to the controls.
  control(ctl::News).set_text("x");
  EXPECT_TRUE(changed("News", form::Prop::Text));
  control(ctl::Form1).set_text("Kolvar 2");
  EXPECT_TRUE(changed("Form1", form::Prop::Text));
}

TEST_F(DeskDesktop, ARefusedInputChangesNothingAndTheStatusLineFollowsThePort) {
  desktop.start();
  desktop.act([] { throw std::invalid_argument("not a number"); });
  EXPECT_EQ(window.status, "Выходы колонны: /dev/parport0");
  port->set_mode(platform::FakePort::Mode::Fails);
  desktop.act([&] { desktop.controller().click(control(ctl::Start_sys_button)); });
  // The first backend refuses: the outputs go to the second, and the line says so.
  EXPECT_EQ(window.status, "Выходы колонны: 0x378");
}

TEST_F(DeskDesktop, TheEndOfARunningCycleLeavesTheStopImageOnceAndEndsTheLoop) {
  desktop.start();
  std::vector<bool> cycle;
  desktop.on_cycle_switched([&](bool running) { cycle.push_back(running); });
  desktop.act([&] { desktop.controller().click(control(ctl::Start_sys_button)); });
  ASSERT_TRUE(control(ctl::Timer1).on());
  desktop.end();
  desktop.end();  // the window's close after a quit signal: nothing more
  EXPECT_FALSE(control(ctl::Timer1).on());
  EXPECT_TRUE(desktop.ended());
  EXPECT_EQ(toolkit.quits, 1);
  EXPECT_EQ(cycle, (std::vector<bool>{true, false}));
  EXPECT_EQ(control(ctl::News).text().rfind("СИСТЕМА ОСТАНОВЛЕНА\r\nОстановлено пользователем", 0),
            0u);
}

TEST_F(DeskDesktop, TheEndWhileStoppedWritesNothing) {
  desktop.start();
  const auto writes = port->writes().size();
  desktop.end();
  EXPECT_EQ(port->writes().size(), writes);
  EXPECT_EQ(toolkit.quits, 1);
}

// The loop's wake-up runs what is due on the test's clock, and a failure
// that is not the controller's to show never stops the timers.
TEST_F(DeskDesktop, TheWakeUpRunsTheDueTimersAndRearms) {
  desktop.start();
  desktop.act([&] { desktop.controller().click(control(ctl::Start_sys_button)); });
  const form::Control& timer = control(ctl::Timer1);
  ASSERT_EQ(timer.due(), 2000);
  monotonic = 2000;
  desktop.loop().wake();
  EXPECT_EQ(timer.due(), 4000);
  window.status.clear();
  monotonic = 4000;
  desktop.loop().wake();
  EXPECT_EQ(timer.due(), 6000);
  EXPECT_FALSE(window.status.empty()) << "each run of the timers brings the status line up";
}

}  // namespace
}  // namespace kolvar::desk
