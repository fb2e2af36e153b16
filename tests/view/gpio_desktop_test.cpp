// The window with its outputs on GPIO lines of a chip this machine lacks, as
// `kolvar --port gpio:gpiochip9:...` starts it: the real GPIO backend is
// refused, the operator is told once, and the column is still regulated on
// screen.
#include <QApplication>
#include <QMessageBox>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "desktop_rig.h"
#include "platform/ports/port_choice.h"

namespace kolvar::view {
namespace {

class GpioChipMissing : public kolvar::testing::InFreshFolder {
 protected:
  static platform::DefaultPorts from_command_line(const platform::Clock&) {
    std::vector<std::string> args = {"--port", "gpio:gpiochip9:17,27,22,23,24,25,5,6:active-low"};
    return platform::chosen_ports(platform::take_port_option(args),
                                  std::filesystem::current_path());
  }
  std::vector<std::string> standing_boxes() const {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    std::vector<std::string> texts;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
        texts.push_back(box->text().toStdString());
    return texts;
  }
  form::Control& control(const std::string& full_name) {
    return *desktop.controller().form.find_full(full_name);
  }
  void operator_does(const std::string& full_name) {
    desktop.act([&] { desktop.controller().click(control(full_name)); });
  }
  void advance(platform::Millis ms) {
    monotonic += ms;
    desktop.act([this] { desktop.driver().run_due(); });
  }

  testing::OwnConfigFolder config{folder.path(), 100};
  platform::Millis monotonic = 0;
  Desktop desktop{{from_command_line, [this] { return monotonic; }}};
};

TEST_F(GpioChipMissing, StartsTellsTheOperatorOnceAndKeepsRegulating) {
  desktop.start();
  const auto boxes = standing_boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes.front().rfind("LPT driver error", 0), 0u) << boxes.front();
  EXPECT_NE(boxes.front().find("gpio:gpiochip9:17,27,22,23,24,25,5,6:active-low: нет такого "
                               "GPIO-чипа"),
            std::string::npos)
      << boxes.front();
  EXPECT_EQ(desktop.window().status().toStdString(),
            "Выходы не доходят до колонны: порт недоступен");

  // The column runs on: the logger's readings come in and the take-off is
  // regulated by them, with no further box on any write.
  control("LogPath(1)").set_text("keeper.log");
  operator_does("OK");
  operator_does("Start_sys_button");
  for (int cycle = 0; cycle < 5; ++cycle) {
    std::ofstream("keeper.log", std::ios::binary | std::ios::app)
        << "10:00:0" << 2 * cycle << " 88.3      77.0\r\n";
    advance(2000);
  }
  EXPECT_TRUE(control("Timer1").on());
  EXPECT_EQ(control("T(1)").text(), "88.3");
  EXPECT_EQ(control("News").text(), "Дефлегматор зашкалил\r\nНасадка в норме\r\nКлапан закрыт");
  EXPECT_EQ(standing_boxes().size(), 1u);
  EXPECT_EQ(desktop.window().status().toStdString(),
            "Выходы не доходят до колонны: порт недоступен");
}

}  // namespace
}  // namespace kolvar::view
